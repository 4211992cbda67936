// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "aplicacion.h"
#include "apoyo.h"
#include "graphs/grafico_barrido.h"
#include "graphs/graficos.h"

using namespace tya;
using namespace tya::prueba;

namespace {

// n samples of constant velocity (vx, vy) from (0, y0); the flight ends at tf.
void uniforme(EstadoExp& st, int k, int n, double y0, double vx, double vy, double tf, int color = 3) {
    std::vector<Muestra> m;
    for (int i = 0; i < n; ++i) m.push_back({vx * 0.75 * i, y0 + vy * 0.75 * i, vx, vy});
    guardar(st, k, m, {vx * tf, y0 + vy * tf, vx, vy}, tf, color);
}

MarcoGrafico uno(EstadoExp& st, int k, Superficie& c, bool velocidades, bool vertical, const Estilo& estilo = {}) {
    return velocidades ? graficar_velocidades(st, k, c, vertical, estilo)
                       : graficar_posiciones(st, k, c, vertical, estilo);
}

// How many of experiment k's samples, and the end of its flight, miss a pixel of the colour
// experiment k shows in `paleta` where a curve shifted right by T/20 puts them on the box.
int fuera_de_su_curva(const Superficie& c, const EstadoExp& st, int k, bool velocidades, bool vertical, int T,
                      Paleta paleta) {
    const Muestreo r = Registros(st, k - 1).de(velocidades ? Magnitud::Velocidades : Magnitud::Posiciones);
    const int n = r.muestras();
    const uint32_t tinta = color_experiencia(paleta, k - 1, Registros(st, k - 1).color());
    const double t20 = T / 20.0;
    // A point off the box (the end of a velocity curve, on the right) has no colour to check.
    auto falta = [&](double t, Fijo v) {
        const uint32_t color = c.color_en(t + t20, v.real());
        return color != tinta && color != 0xffffffffu;
    };
    int fuera = falta(r.tiempo_final().real(), r.final(vertical));
    for (int j = 1; j <= n; ++j) fuera += falta(0.75 * (j - 1), r.componente(j, vertical));
    return fuera;
}

}  // namespace

TEST(Graficos, LapsoYReglasDelRangoVertical) {
    // The span: 0.75 N rounded to even; 50 x 1900 does not fit in 16 bits.
    const int lapsos[][2] = {{1, 1}, {2, 2}, {6, 4}, {7, 5}, {10, 8}, {1900, 1425}};
    for (const auto& l : lapsos) EXPECT_EQ(lapso_grafico(Fijo::crudo(150), l[0]), l[1]) << l[0];

    const struct {
        double hi, lo;
        bool horizontal, uno;
        double arriba, abajo;
    } casos[] = {
        {40, -30, false, false, 1.05 * 40, 1.05 * -30},       // 1
        {100, 0, true, false, 1.05 * 100, 1.05 * -100 / 10},  // 2
        {100, 20, false, true, 1.05 * 100, 1.05 * -80 / 10},  // 2
        {0, -50, true, false, 50.0 / 10, 1.05 * -50},         // 3, no factor on top
        {-10, -50, false, true, 40.0 / 10, 1.05 * -50},       // 3
        {0, 0, false, true, 10, -10},                         // both zero
        {25, 25, true, false, 25 + 2.5, -1.05 * 25},          // 4, whatever the sign
        {-25, -25, true, false, 25 + 2.5, -1.05 * 25},
        {-50, -50, true, true, -50 + 5.0, -5.0},
        {25, 25, false, false, 1.05 * 25, 0},  // the vertical component never uses 4
        {-25, -25, false, false, 0, 1.05 * -25},
    };
    for (const auto& c : casos) {
        const RangoVertical r = rango_vertical(c.hi, c.lo, c.horizontal, c.uno);
        EXPECT_EQ(std::pair(r.arriba, r.abajo), std::pair(c.arriba, c.abajo))
            << c.hi << " " << c.lo << c.horizontal << c.uno;
    }

    // As the routines apply them to flights: which extremes, which component, which rule.
    Banco b;
    Superficie c = nueva_caja_grafico(CajaGrafico::Curvas);
    const double vx0 = 70.7107;
    const struct {
        double vo, ang, xo;
        bool velocidades, vertical;
        double arriba, abajo;
    } vuelos[] = {
        {100, 45, 0, true, false, vx0 + vx0 / 10, -1.05 * vx0},  // vacuum: constant Vx, rule 4
        {100, 90, 100, false, false, 105, -10.5},                // from X = 100: rule 2
        {0, 0, 0, false, true, 10, -10},                         // ends in its first step
    };
    for (const auto& v : vuelos) {
        b.lanzamiento(v.vo, v.ang, v.xo, 0);
        b.volar();
        const MarcoGrafico m = uno(*b.st, b.st->NExp, c, v.velocidades, v.vertical);
        EXPECT_TRUE(m.dibujado && std::abs(m.arriba - v.arriba) < 1e-9 && std::abs(m.abajo - v.abajo) < 1e-9)
            << v.ang << " " << v.xo << ": " << m.arriba << " " << m.abajo;
    }
}

TEST(Graficos, SeleccionInvalidaNoDibujaNada) {
    // Which selections name a stored experiment is the tables' test too; here, what a graph does
    // with one that does not: the old graph is cleared.
    auto propio = std::make_unique<EstadoExp>();
    EstadoExp& st = *propio;
    uniforme(st, 1, 8, 10, 5, 3, 5.5);
    Superficie c = nueva_caja_grafico(CajaGrafico::Curvas);
    const QImage blanca = c.imagen();
    graficar_posiciones(st, 1, c, true);
    for (bool velocidades : {false, true})
        EXPECT_FALSE(uno(st, 2, c, velocidades, true).dibujado || c.imagen() != blanca);
    // No experiment stored: the comparisons draw nothing and widen nothing.
    st.NExp = 0;
    AcumComparacion a;
    Superficie p = nueva_caja_grafico(CajaGrafico::ComparaP);
    EXPECT_FALSE(comparar_posiciones(st, a, p, true).dibujado || comparar_velocidades(st, a, p, false).dibujado);
    EXPECT_EQ(std::pair(p.imagen(), a.NmaxPos + a.NmaxVel),
              std::pair(nueva_caja_grafico(CajaGrafico::ComparaP).imagen(), 0));
}

TEST(Graficos, ComparacionConAcumuladoresQueSoloSeEnsanchan) {
    auto propio = std::make_unique<EstadoExp>();
    EstadoExp& st = *propio;
    AcumComparacion a;
    Superficie v = nueva_caja_grafico(CajaGrafico::ComparaV);
    guardar(st, 1, {{0, 0, 25, 40}, {1, 1, 25, -30}}, {1, 0, 25, -30}, 1.2);
    guardar(st, 2, {{0, 0, 3, 10}, {1, 1, 3, -50}}, {1, 0, 3, -50}, 1.2);
    uniforme(st, 3, 20, 0, 1, 0, 14.5);
    MarcoGrafico m = comparar_velocidades(st, a, v, true);
    EXPECT_EQ(std::tuple(m.arriba, m.abajo, m.T), std::tuple(1.05 * 40, 1.05 * -50, 15));
    // Vx widened too, though Vy was drawn; positions were not compared.
    EXPECT_EQ(std::tuple(a.VxmaxComp, a.NmaxPos, a.YmaxComp), std::tuple(Fijo::entero(25), 0, Fijo()));

    // After the scene is cleared, new experiments with a smaller range keep the old one.
    st.NExp = 0;
    guardar(st, 1, {{0, 0, 5, 5}, {1, 1, 5, -80}}, {1, 0, 5, -80}, 1.2);
    m = comparar_velocidades(st, a, v, true);
    EXPECT_EQ(std::tuple(m.arriba, m.abajo, m.T),
              std::tuple(1.05 * 40, 1.05 * -80, 15));  // T: the 20 samples seen before
    m = comparar_velocidades(st, a, v, false);
    EXPECT_EQ(std::pair(m.arriba, m.abajo), std::pair(1.05 * 25, 1.05 * (0 - 25) / 10));

    // The comparison image starts from the accumulators it is given.
    AcumComparacion b;
    b.VyminComp = Fijo::entero(-500);
    const QImage ancha = imagen_grafico(st, Magnitud::Velocidades, true, kTodasLasExperiencias, b);
    comparar_velocidades(st, b, v, true);
    EXPECT_EQ(ancha, v.imagen());
}

TEST(Graficos, CadaMuestraEnSuSitioYSuColor) {
    auto propio = std::make_unique<EstadoExp>();
    EstadoExp& st = *propio;
    // A long flight that wanders, with several samples per pixel, and a short straight one apart
    // from it.
    std::vector<Muestra> ola;
    for (int i = 0; i < kMarcasMax; ++i)
        ola.push_back({2000 + 10 * i + 300 * std::sin(i / 40.0), 1000 + 300 * std::sin(i / 50.0),
                       3 * std::cos(i / 70.0), -5 + 20 * std::sin(i / 30.0)});
    guardar(st, 1, ola, {ola.back().x + 1, 900, 1, -3}, 1424.3, 6);
    uniforme(st, 2, 20, 0, 70, 30, 14.4, 10);
    const int T[] = {1425, 15};
    for (Paleta paleta : {Paleta::Normal, Paleta::Proyector})
        for (bool vertical : {false, true})
            for (bool velocidades : {false, true}) {
                SCOPED_TRACE(testing::Message() << "vertical " << vertical << ", velocidades " << velocidades
                                                << ", paleta " << int(paleta));
                const Estilo estilo{paleta, 1};
                const Magnitud magnitud = velocidades ? Magnitud::Velocidades : Magnitud::Posiciones;
                for (int k = 1; k <= 2; ++k) {
                    Superficie c = nueva_caja_grafico(CajaGrafico::Curvas);
                    const MarcoGrafico m = uno(st, k, c, velocidades, vertical, estilo);
                    // Its own span; positions get a tenth more room on the right.
                    const double derecha = velocidades ? T[k - 1] : 1.1 * T[k - 1];
                    EXPECT_EQ(std::tuple(int(m.T), m.derecha), std::tuple(T[k - 1], derecha)) << k;
                    EXPECT_EQ(fuera_de_su_curva(c, st, k, velocidades, vertical, m.T, paleta), 0) << k;
                    // The axis in black ink, from the top; the image for files and printing is the box's.
                    EXPECT_EQ(c.color_en(m.T / 20.0, m.arriba), 0u);
                    EXPECT_EQ(imagen_grafico(st, magnitud, vertical, k, {}, estilo), c.imagen()) << k;
                }
                // The comparison: every curve with the span of the longest, which the accumulators keep.
                AcumComparacion a;
                Superficie caja = nueva_caja_grafico(velocidades ? CajaGrafico::ComparaV : CajaGrafico::ComparaP);
                const MarcoGrafico m = velocidades ? comparar_velocidades(st, a, caja, vertical, estilo)
                                                   : comparar_posiciones(st, a, caja, vertical, estilo);
                EXPECT_EQ(std::tuple(m.T, m.derecha, a.NmaxPos + a.NmaxVel), std::tuple(1425, 1425, kMarcasMax));
                for (int k = 1; k <= 2; ++k)
                    EXPECT_EQ(fuera_de_su_curva(caja, st, k, velocidades, vertical, m.T, paleta), 0) << k;
                EXPECT_EQ(imagen_grafico(st, magnitud, vertical, kTodasLasExperiencias, {}, estilo), caja.imagen());
            }
}

TEST(Graficos, LeyendaDeLasExperienciasGuardadas) {
    auto propio = std::make_unique<EstadoExp>();
    EstadoExp& st = *propio;
    // Experiments 1 and 9 share a palette index: the projector's legend still tells them apart.
    for (int k = 1; k <= 9; ++k) uniforme(st, k, 4, 0, 10, 5, 2.5, kIndicesNormales[static_cast<size_t>(k - 1)]);
    const QImage l = leyenda_comparacion(st, {Paleta::Proyector, 1});
    std::map<uint32_t, int> pixeles;
    for (int y = 0; y < l.height(); ++y)
        for (int x = 0; x < l.width(); ++x) {
            const QRgb p = l.pixel(x, y);
            ++pixeles[rgb(qRed(p), qGreen(p), qBlue(p))];
        }
    for (int e = 0; e < kExperiencias; ++e) {
        const uint32_t c = color_experiencia(Paleta::Proyector, e, 3);
        // A mark and a piece of line: more than a line alone; nothing for the experiment not stored.
        if (e < 9)
            EXPECT_GT(pixeles[c], 26) << e + 1;  // a line alone, 11 by 2, gives about 24
        else
            EXPECT_EQ(pixeles.count(c), 0u) << e + 1;
    }
    EXPECT_GT(pixeles[0], 0);  // the numbers, in the axes' black
}
