// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The worksheet figures of sweeps: a flight result against the swept field, one curve for a
// sweep, one curve per value of a second field for a family.
#include <QImage>
#include <QList>
#include <QPointF>
#include <QSize>
#include <QString>
#include <cstdint>

#include "lamina.h"

namespace tya {

// One curve: its name in the legend (empty for a lone sweep), its points and how each ended.
struct CurvaFamilia {
    QString nombre;
    QList<QPointF> puntos;
    QList<FinPunto> fines;
};

// One curve, its interior maximum ringed and labelled.
Lamina lamina_barrido(const QString& titulo, const CurvaFamilia& curva, const EjeLamina& x, const EjeLamina& y);

// Curve i in the look of series i, named in the legend with its interior maximum.
Lamina lamina_familia(const QString& titulo, const QList<CurvaFamilia>& curvas, const EjeLamina& x, const EjeLamina& y);

// The sheet as the PNG shows it: white, `tamano` pixels (A4 at 300 dpi unless given).
QImage imagen_lamina(const Lamina& l, QSize tamano = QSize(kLaminaAnchoPx, kLaminaAltoPx));

}  // namespace tya
