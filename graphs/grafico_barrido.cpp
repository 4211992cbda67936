// SPDX-License-Identifier: GPL-3.0-or-later
#include "grafico_barrido.h"

#include <QPainter>

#include "core/experiment_state.h"
#include "core/vuelo.h"

namespace tya {

Lamina lamina_barrido(const QString& titulo, const CurvaFamilia& curva, const EjeLamina& x, const EjeLamina& y) {
    return {titulo, x, y, {{curva.puntos, curva.nombre, curva.fines}}, MarcaMaximo::Rotulo};
}

Lamina lamina_familia(const QString& titulo, const QList<CurvaFamilia>& curvas, const EjeLamina& x, const EjeLamina& y) {
    Lamina l{titulo, x, y, {}, MarcaMaximo::Anillo};
    for (const CurvaFamilia& c : curvas) l.series << SerieLamina{c.puntos, c.nombre, c.fines};
    return l;
}

QImage imagen_lamina(const Lamina& l, QSize tamano) {
    QImage img(tamano, QImage::Format_RGB32);
    img.fill(Qt::white);
    // 300 dots per inch at the A4 size, in dots per metre.
    img.setDotsPerMeterX(qRound(tamano.width() / 0.297));
    img.setDotsPerMeterY(qRound(tamano.height() / 0.210));
    QPainter p(&img);
    p.scale(tamano.width() / double(kLaminaAncho), tamano.height() / double(kLaminaAlto));
    dibujar_lamina(p, l);
    return img;
}

}  // namespace tya
