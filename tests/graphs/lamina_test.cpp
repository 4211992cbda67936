// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QImage>
#include <cmath>

#include "graphs/grafico_barrido.h"
#include "graphs/lamina.h"

using namespace tya;

namespace {

// What a grey printer keeps of curve i's legend swatch: the grey of its ink, how much of the
// line the dashes cover, and how much of the marker's square the marker fills.
struct Huella {
    double gris, trazo, marcador;
};

Huella huella(const QImage& img, const Lamina& l, int i) {
    const double f = img.width() / double(kLaminaAncho);
    const LugarMuestra m = lugar_muestra(l, i);
    const int yc = qRound((m.y + m.alto / 2) * f), xc = qRound((m.x + m.ancho / 2) * f), r = qRound(20 * f);
    auto tinta = [&](int x, int y) { return qGray(img.pixel(x, y)) < 230; };
    Huella h{0, 0, 0};
    int n = 0, fuera = 0;
    for (int x = int(m.x * f); x < int((m.x + m.ancho) * f); ++x) {
        if (std::abs(x - xc) <= r) continue;
        ++fuera;
        if (tinta(x, yc)) {
            h.gris += qGray(img.pixel(x, yc));
            ++n;
        }
    }
    h.trazo = double(n) / fuera;
    h.gris = n ? h.gris / n : 255;
    for (int y = yc - r; y <= yc + r; ++y)
        for (int x = xc - r; x <= xc + r; ++x) h.marcador += tinta(x, y);
    h.marcador /= (2 * r + 1) * (2 * r + 1);
    return h;
}

}  // namespace

// Ten curves printed in grey: every legend swatch differs from every other, and none fades
// into the white paper.
TEST(Laminas, DiezCurvasDistintasEnGris) {
    QList<CurvaFamilia> curvas;
    for (int i = 0; i < kSeriesDistintas; ++i)
        curvas << CurvaFamilia{
            QStringLiteral("Vo = %1 m/s").arg(10 * (i + 1)), {{0, 0}, {45, 10.0 * (i + 1)}, {90, 0}}, {}};
    const Lamina l = lamina_familia(QStringLiteral("Alcance"), curvas, {"Ángulo", "°", "Ang"},
                                    {"Alcance", "m", "Xfin"});
    const QImage gris = imagen_lamina(l, QSize(1754, 1240))
                            .convertToFormat(QImage::Format_Grayscale8)
                            .convertToFormat(QImage::Format_RGB32);
    QList<Huella> h;
    for (int i = 0; i < kSeriesDistintas; ++i) {
        h << huella(gris, l, i);
        EXPECT_LT(h[i].gris, 180) << "curve " << i << " fades in grey";
    }
    for (int i = 0; i < kSeriesDistintas; ++i)
        for (int j = i + 1; j < kSeriesDistintas; ++j) {
            const bool distintas = std::fabs(h[i].gris - h[j].gris) >= 15 ||
                                   std::fabs(h[i].trazo - h[j].trazo) >= 0.1 ||
                                   std::fabs(h[i].marcador - h[j].marcador) >= 0.1;
            EXPECT_TRUE(distintas) << i << " and " << j;
        }
}

// Only a highest point with lower ones on both sides is a maximum; points that ended otherwise
// take no part.
TEST(Laminas, MaximoInterior) {
    using F = FinPunto;
    struct Caso {
        QList<double> y;
        QList<F> fines;
        int maximo;
    };
    const QList<Caso> casos = {
        {{0, 5, 3}, {}, 1},
        {{0, 1, 2, 3}, {}, -1},  // still rising at its end
        {{0, 0, 0}, {}, -1},     // flat
        {{3, 2, 1}, {}, -1},
        {{0, 9, 2, 1}, {F::Normal, F::Impacto, F::Normal, F::Normal}, 2},  // the spike is not the maximum
        {{0, 2, 9, 1}, {F::Normal, F::Normal, F::Normal, F::Limite}, -1},  // nor is the end before it
        {{0, 2}, {}, -1},
    };
    for (const Caso& c : casos) {
        SerieLamina s;
        for (int k = 0; k < c.y.size(); ++k) s.puntos << QPointF(k, c.y[k]);
        s.fines = c.fines;
        EXPECT_EQ(maximo_interior(s), c.maximo) << c.y.size() << " " << c.y.value(1);
    }
}
