// SPDX-License-Identifier: GPL-3.0-or-later
#include "escena_rotulada.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <cmath>

#include "core/formato.h"
#include "core/registros.h"
#include "core/traduccion.h"
#include "platform/superficie.h"

namespace tya {

void dibujar_escena_rotulada(QPainter& p, const EstadoExp& st, const Superficie& escena,
                             const QList<CamposLanzamiento>& lanzamientos) {
    constexpr double kMargen = 80, kLetra = 38, kRenglon = 58;
    p.save();
    p.fillRect(QRectF(0, 0, kLaminaAncho, kLaminaAlto), Qt::white);
    QFont fuente = p.font();
    fuente.setPixelSize(static_cast<int>(kLetra));
    const QFontMetricsF fm(fuente);
    QList<int> mostradas;
    for (int k = 1; k <= kExperiencias; ++k)
        if (experiencia_guardada(st, k)) mostradas << k - 1;

    // The picture as large as the page leaves it beside the title, the rulers and the legend.
    const int columnas = mostradas.size() > 4 ? 2 : 1;
    const double leyenda = ((mostradas.size() + columnas - 1) / columnas + 1) * kRenglon;
    const QImage& img = escena.imagen();
    const double ancho_max = kLaminaAncho - 2 * kMargen - 220, alto_max = kLaminaAlto - 230 - 190 - leyenda - kMargen;
    const double f = std::min(ancho_max / img.width(), alto_max / img.height());
    const QRectF marco(kMargen + 220, 230, img.width() * f, img.height() * f);
    p.drawImage(marco, img);
    p.setPen(QPen(Qt::black, 3));
    p.drawRect(marco);

    QFont negrita = fuente;
    negrita.setBold(true);
    negrita.setPixelSize(56);
    p.setFont(negrita);
    p.drawText(QRectF(kMargen, kMargen, kLaminaAncho - 2 * kMargen, 110), Qt::AlignCenter,
               Trayecta::tr("Trayectorias en la escena"));
    p.setFont(fuente);

    // Metres to the page: the scene draws metre x at x times its zoom.
    const double esc = st.Escala;
    auto X = [&](double m) { return marco.left() + escena.x_px(m * esc) * f; };
    auto Y = [&](double m) { return marco.top() + escena.y_px(m * esc) * f; };
    const double m0x = escena.x_unidades(0) / esc, m1x = escena.x_unidades(img.width()) / esc;
    const double m0y = escena.y_unidades(img.height()) / esc, m1y = escena.y_unidades(0) / esc;
    const QChar sep = separador_local();
    const double px = paso_marcas(std::min(m0x, m1x), std::max(m0x, m1x), 10);
    for (double t = std::ceil(std::min(m0x, m1x) / px) * px; t <= std::max(m0x, m1x); t += px) {
        p.drawLine(QPointF(X(t), marco.bottom()), QPointF(X(t), marco.bottom() + 18));
        const QString s = formato(t, QStringLiteral("0.##"), sep);
        p.drawText(QPointF(X(t) - fm.horizontalAdvance(s) / 2, marco.bottom() + 28 + fm.ascent()), s);
    }
    const double py = paso_marcas(std::min(m0y, m1y), std::max(m0y, m1y), 6);
    for (double t = std::ceil(std::min(m0y, m1y) / py) * py; t <= std::max(m0y, m1y); t += py) {
        p.drawLine(QPointF(marco.left() - 18, Y(t)), QPointF(marco.left(), Y(t)));
        const QString s = formato(t, QStringLiteral("0.##"), sep);
        p.drawText(QPointF(marco.left() - 28 - fm.horizontalAdvance(s), Y(t) + fm.ascent() / 2 - 3), s);
    }
    p.drawText(QRectF(marco.left(), marco.bottom() + 40 + fm.height(), marco.width(), fm.height() + 10),
               Qt::AlignCenter,
               Trayecta::tr("Distancia horizontal X (m); escala: 1 cm en la hoja son %1 m")
                   .arg(formato(100 / f * std::fabs(escena.unidades_x()) / esc, QStringLiteral("0.#"), sep)));
    p.save();
    p.translate(kMargen + 10, marco.center().y());
    p.rotate(-90);
    p.drawText(QRectF(-marco.height() / 2, 0, marco.height(), fm.height() + 10), Qt::AlignCenter,
               Trayecta::tr("Altura Y (m)"));
    p.restore();

    // Each experiment: a disc of its marks' colour and its launch.
    const double y0 = marco.bottom() + 190, ancho_columna = (kLaminaAncho - 2 * kMargen) / columnas;
    const int por_columna = (static_cast<int>(mostradas.size()) + columnas - 1) / columnas;
    for (int i = 0; i < mostradas.size(); ++i) {
        const int e = mostradas[i];
        const double x = kMargen + (i / por_columna) * ancho_columna, y = y0 + (i % por_columna) * kRenglon;
        const uint32_t c = ~color_paleta(Registros(st, e).color()) & 0xffffffu;
        p.setPen(QPen(Qt::black, 2));
        p.setBrush(QColor(c & 0xff, (c >> 8) & 0xff, (c >> 16) & 0xff));
        p.drawEllipse(QPointF(x + 20, y + kRenglon / 2), 14, 14);
        p.drawText(QPointF(x + 60, y + kRenglon / 2 + fm.ascent() / 2 - 4),
                   leyenda_experiencia(st, e, lanzamientos, mostradas));
    }
    p.restore();
}

}  // namespace tya
