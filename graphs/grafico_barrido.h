// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The worksheet figures of sweeps: a flight result against the swept field, one curve for a
// sweep, one curve per value of a second field for a family.
#include <QImage>
#include <QList>
#include <QPointF>
#include <QString>
#include <cstdint>

#include "lamina.h"

namespace tya {

constexpr int kBarridoAnchoPx = kLaminaAnchoPx, kBarridoAltoPx = kLaminaAltoPx;

// The colour experiment k (1, 2, ...) of a run shows in: its palette pen inverted.
uint32_t color_experiencia(int k);

// One curve in the colour of experiment 1, its highest point ringed and labelled.
Lamina lamina_barrido(const QList<QPointF>& puntos, const EjeLamina& x, const EjeLamina& y);

// One sweep of a family: the second field's value and the sweep's points.
struct CurvaFamilia {
    double valor = 0;
    QList<QPointF> puntos;
};
// Curve i in the colour of experiment i + 1, named in the legend with its maximum.
Lamina lamina_familia(const QList<CurvaFamilia>& curvas, const EjeLamina& familia, const EjeLamina& x,
                      const EjeLamina& y);

// The figure as the PNG shows it: white, kLaminaAnchoPx x kLaminaAltoPx.
QImage imagen_lamina(const Lamina& l);

}  // namespace tya
