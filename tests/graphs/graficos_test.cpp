#include <gtest/gtest.h>

#include <cmath>

#include "aplicacion.h"
#include "apoyo.h"
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

bool vacia(const Superficie& s) {
    const QImage& img = s.imagen();
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if ((img.pixel(x, y) & 0xffffffu) != 0xffffffu) return false;
    return true;
}

MarcoGrafico uno(EstadoExp& st, Superficie& c, bool velocidades, bool vertical) {
    return velocidades ? graficar_velocidades(st, c, vertical) : graficar_posiciones(st, c, vertical);
}

}  // namespace

TEST(Graficos, LapsoYAnchoDelMarco) {
    const Fijo dt = Fijo::crudo(150);
    // 0.75 N rounded to even; 50 x 1900 does not fit in 16 bits.
    const int casos[][2] = {{1, 1}, {2, 2}, {6, 4}, {7, 5}, {10, 8}, {1900, 1425}};
    for (const auto& c : casos) EXPECT_EQ(lapso_grafico(dt, c[0]), c[1]) << c[0];

    // Each routine stores its own span in TfinEnt; positions get a tenth more room on the right.
    // A comparison of the longest flight: 1900 samples.
    auto propio = std::make_unique<EstadoExp>();
    EstadoExp& st = *propio;
    st.NGrafSel = 1;
    const struct { int k, n; double tf; int rutina, T; double derecha; } marcos[] = {
        {1, 11, 7.9, 0, 8, 8.8}, {1, 7, 4.6, 1, 5, 5}, {2, kMarcasMax, 1424.5, 2, 1425, 1425}};
    for (const auto& c : marcos) {
        uniforme(st, c.k, c.n, 10, 1, 0.5, c.tf);
        st.TfinEnt = 999;
        AcumComparacion a;
        Superficie caja = nueva_caja_grafico(c.rutina == 2 ? CajaGrafico::ComparaP : CajaGrafico::Curvas);
        const MarcoGrafico m = c.rutina == 2 ? comparar_posiciones(st, a, caja, true) : uno(st, caja, c.rutina == 1, c.rutina == 0);
        EXPECT_EQ(std::tuple(m.T, m.derecha, st.TfinEnt), std::tuple(c.T, c.derecha, c.T)) << c.n;
        EXPECT_EQ(a.NmaxPos, c.rutina == 2 ? kMarcasMax : 0);
    }
}

TEST(Graficos, ReglasDelRangoVertical) {
    const struct { double hi, lo; bool horizontal, uno; double arriba, abajo; } casos[] = {
        {40, -30, false, false, 1.05 * 40, 1.05 * -30},        // 1
        {100, 0, true, false, 1.05 * 100, 1.05 * -100 / 10},   // 2
        {100, 20, false, true, 1.05 * 100, 1.05 * -80 / 10},   // 2
        {0, -50, true, false, 50.0 / 10, 1.05 * -50},          // 3, no factor on top
        {-10, -50, false, true, 40.0 / 10, 1.05 * -50},        // 3
        {0, 0, true, false, 10, -10},                          // both zero
        {0, 0, false, true, 10, -10},
        {25, 25, true, false, 25 + 2.5, -1.05 * 25},           // 4, whatever the sign
        {-25, -25, true, false, 25 + 2.5, -1.05 * 25},
        {50, 50, true, true, 50 + 5.0, -5.0},
        {-50, -50, true, true, -50 + 5.0, -5.0},
        {25, 25, false, false, 1.05 * 25, 0},                  // the vertical component never uses 4
        {-25, -25, false, false, 0, 1.05 * -25},
    };
    for (const auto& c : casos) {
        const RangoVertical r = rango_vertical(c.hi, c.lo, c.horizontal, c.uno);
        EXPECT_EQ(std::pair(r.arriba, r.abajo), std::pair(c.arriba, c.abajo)) << c.hi << " " << c.lo << c.horizontal << c.uno;
    }

    // As the routines apply them to flights.
    Banco b;
    EstadoExp& st = *b.st;
    Superficie c = nueva_caja_grafico(CajaGrafico::Curvas);
    const double vx0 = 70.7107;
    const struct { double vo, ang, xo; bool velocidades, vertical; double arriba, abajo; } vuelos[] = {
        {100, 45, 0, true, false, vx0 + vx0 / 10, -1.05 * vx0},    // vacuum: constant Vx, rule 4
        {100, 135, 3000, true, false, vx0 + vx0 / 10, -1.05 * vx0},  // Vx < 0: the same range
        {100, 90, 0, true, false, 10, -10},                         // vertical from X = 0
        {100, 90, 100, false, false, 105, -10.5},                   // from X = 100: rule 2
        {0, 0, 0, false, true, 10, -10},                            // ends in its first step
    };
    for (const auto& v : vuelos) {
        b.lanzamiento(v.vo, v.ang, v.xo, 0);
        b.volar();
        const MarcoGrafico m = uno(st, c, v.velocidades, v.vertical);
        EXPECT_TRUE(m.dibujado && std::abs(m.arriba - v.arriba) < 1e-9 && std::abs(m.abajo - v.abajo) < 1e-9)
            << v.ang << " " << v.xo << ": " << m.arriba << " " << m.abajo;
    }
}

TEST(Graficos, SeleccionInvalidaNoDibujaNada) {
    auto propio = std::make_unique<EstadoExp>();
    EstadoExp& st = *propio;
    uniforme(st, 1, 8, 10, 5, 3, 5.5);
    uniforme(st, 2, 4, 10, 5, 3, 2.5);
    guardar(st, 4, {{0, 0, 0, 0}}, {0, 0, 0, 0}, 0);
    st.NExp = 3;  // experiment 3 was never stored, 4 is beyond NExp
    for (int sel : {0, 3, 4, 11, -1, 32767}) {
        Superficie c = nueva_caja_grafico(CajaGrafico::Curvas);
        st.NGrafSel = 1;
        graficar_posiciones(st, c, true);  // an old graph in the box
        st.NGrafSel = static_cast<int16_t>(sel);
        st.TfinEnt = 77;
        for (bool velocidades : {false, true}) EXPECT_FALSE(uno(st, c, velocidades, true).dibujado || !vacia(c)) << sel;
        EXPECT_EQ(st.TfinEnt, 77) << sel;
    }
    // No experiment stored: the comparisons draw nothing and widen nothing.
    st.NExp = 0;
    AcumComparacion a;
    Superficie p = nueva_caja_grafico(CajaGrafico::ComparaP);
    EXPECT_FALSE(comparar_posiciones(st, a, p, true).dibujado || comparar_velocidades(st, a, p, false).dibujado || !vacia(p));
    EXPECT_EQ(a.NmaxPos + a.NmaxVel, 0);
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
    EXPECT_EQ(std::tuple(m.arriba, m.abajo, m.T), std::tuple(1.05 * 40, 1.05 * -80, 15));  // T: the 20 samples seen before
    m = comparar_velocidades(st, a, v, false);
    EXPECT_EQ(std::pair(m.arriba, m.abajo), std::pair(1.05 * 25, 1.05 * (0 - 25) / 10));
}

namespace {

// The graph drawn step by step as described: frame, axes, "0", then for each curve its first
// point at T/20 and one line per sample and to the end of the flight.
QImage a_mano(const EstadoExp& st, std::vector<int> exps, bool velocidades, bool vertical, const MarcoGrafico& m,
              CajaGrafico tipo) {
    Superficie c = nueva_caja_grafico(tipo);
    c.modo(Modo::Invertido);
    c.escala(0, m.arriba, m.derecha, m.abajo);
    c.borrar();
    const uint32_t blanco = color_paleta(15);
    const double t20 = m.T / 20.0;
    c.linea(t20, 0, m.derecha, 0, blanco);
    c.linea(t20, m.arriba, t20, m.abajo, blanco);
    c.posicion(c.ancho_texto(QStringLiteral("0")) / 2, c.alto_texto(QStringLiteral("0")) / 2);
    c.texto(QStringLiteral("0"), blanco);
    for (int k : exps) {
        const Registro& R = velocidades ? st.VelMarca[k - 1] : st.Pos[k - 1];
        const int n = muestras(R), d = vertical ? 1 : 0;
        const uint32_t color = color_paleta(static_cast<int64_t>(st.Pos[k - 1][0].real()));
        const Fijo f20 = Fijo::desde(t20);
        c.punto(static_cast<float>(t20), static_cast<float>(R[2 + d].real()), color);
        for (int j = 2; j <= n; ++j)
            c.linea_a(static_cast<float>((Fijo::crudo(7500 * (j - 1)) + f20).real()), static_cast<float>(R[2 * j + d].real()),
                      color);
        c.linea_a(static_cast<float>(st.VelMarca[k - 1][2 * n + 8].real() + t20), static_cast<float>(R[2 * n + 6 + d].real()),
                  color);
    }
    return c.imagen();
}

}  // namespace

TEST(Graficos, CadaSegmentoComoDibujadoUnoAUno) {
    auto propio = std::make_unique<EstadoExp>();
    EstadoExp& st = *propio;
    // Long flights with several samples per pixel: a slow wave, a value that wanders around a
    // pixel boundary, and a steady fall; and a short flight whose every segment shows.
    std::vector<Muestra> ola, ruido, caida;
    uint32_t semilla = 12345;
    auto azar = [&]() { semilla = semilla * 1103515245u + 12345u; return ((semilla >> 16) & 0x7fff) / 32767.0; };
    for (int i = 0; i < kMarcasMax; ++i) {
        ola.push_back({10 * i + 300 * std::sin(i / 40.0), 1000 + 300 * std::sin(i / 50.0), 3 * std::cos(i / 70.0),
                       -5 + 20 * std::sin(i / 30.0)});
        ruido.push_back({500 + 8 * azar(), 2000 + 10 * azar(), 0.2 * azar() - 0.1, 0.3 * azar()});
        caida.push_back({2.0 * i, 3900 - 2.1 * i, 2, -2.1});
    }
    guardar(st, 1, ola, {ola.back().x + 1, 900, 1, -3}, 1424.3, 3);
    guardar(st, 2, ruido, {505, 2005, 0, 0.1}, 1424.26, 6);
    guardar(st, 3, caida, {3800, -90, 2, -2.1}, 1424.25, 9);
    uniforme(st, 4, 20, 0, 70, 30, 14.4, 10);
    for (bool vertical : {false, true})
        for (bool velocidades : {false, true}) {
            const CajaGrafico tipo = velocidades ? CajaGrafico::ComparaV : CajaGrafico::ComparaP;
            AcumComparacion a;
            Superficie caja = nueva_caja_grafico(tipo);
            const MarcoGrafico m = velocidades ? comparar_velocidades(st, a, caja, vertical)
                                               : comparar_posiciones(st, a, caja, vertical);
            EXPECT_EQ(caja.imagen(), a_mano(st, {1, 2, 3, 4}, velocidades, vertical, m, tipo)) << vertical << velocidades;
            // The image for files and printing is the box's, whatever the window showed before.
            EXPECT_EQ(imagen_grafico(st, velocidades ? Magnitud::Velocidades : Magnitud::Posiciones, vertical,
                                     kTodasLasExperiencias),
                      caja.imagen());
            for (int k = 1; k <= 4; ++k) {
                st.NGrafSel = static_cast<int16_t>(k);
                Superficie c = nueva_caja_grafico(CajaGrafico::Curvas);
                const MarcoGrafico u = uno(st, c, velocidades, vertical);
                EXPECT_EQ(c.imagen(), a_mano(st, {k}, velocidades, vertical, u, CajaGrafico::Curvas)) << vertical << velocidades << k;
                st.NGrafSel = static_cast<int16_t>(k % 4 + 1);
                uno(st, c, !velocidades, !vertical);
                EXPECT_EQ(imagen_grafico(st, velocidades ? Magnitud::Velocidades : Magnitud::Posiciones, vertical, k),
                          a_mano(st, {k}, velocidades, vertical, u, CajaGrafico::Curvas));
            }
        }
    // The comparison image starts from the accumulators it is given and leaves them alone.
    AcumComparacion a;
    a.VyminComp = Fijo::entero(-500);
    const QImage ancha = imagen_grafico(st, Magnitud::Velocidades, true, kTodasLasExperiencias, a);
    EXPECT_EQ(std::tuple(a.VyminComp, a.NmaxVel), std::tuple(Fijo::entero(-500), 0));
    Superficie cv = nueva_caja_grafico(CajaGrafico::ComparaV);
    comparar_velocidades(st, a, cv, true);
    EXPECT_EQ(ancha, cv.imagen());
}
