// SPDX-License-Identifier: GPL-3.0-or-later
#include "grafico_barrido.h"

#include <QPainter>

#include "core/experiment_state.h"
#include "core/vuelo.h"

namespace tya {

uint32_t color_experiencia(int k) {
    int16_t indice = 2;  // the colour of a run before its first launch
    for (int i = 0; i < k; ++i) indice = color_siguiente(indice);
    return ~color_paleta(indice) & 0xffffffu;
}

Lamina lamina_barrido(const QList<QPointF>& puntos, const EjeLamina& x, const EjeLamina& y) {
    return {QStringLiteral("%1 según %2").arg(y.nombre, x.nombre), x, y, {{puntos, color_experiencia(1), {}}},
            MarcaMaximo::Rotulo};
}

Lamina lamina_familia(const QList<CurvaFamilia>& curvas, const EjeLamina& familia, const EjeLamina& x,
                      const EjeLamina& y) {
    Lamina l{QStringLiteral("%1 según %2, una curva por valor de %3").arg(y.nombre, x.nombre, familia.nombre), x, y,
             {}, MarcaMaximo::Anillo};
    const bool medio = familia.nombre == QLatin1String("Aire");
    for (int i = 0; i < curvas.size(); ++i) {
        const double v = curvas[i].valor;
        const QString nombre = medio ? (v == 0 ? QStringLiteral("vacío") : QStringLiteral("aire"))
                                     : QStringLiteral("%1 = %2").arg(familia.nombre, con_unidad(v, familia.unidad));
        l.series << SerieLamina{curvas[i].puntos, color_experiencia(i + 1), nombre};
    }
    return l;
}

QImage imagen_lamina(const Lamina& l) {
    QImage img(kLaminaAnchoPx, kLaminaAltoPx, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    dibujar_lamina(p, l);
    return img;
}

}  // namespace tya
