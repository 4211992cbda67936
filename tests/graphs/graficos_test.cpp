#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

#include "aplicacion.h"
#include "apoyo.h"
#include "graphs/graficos.h"

using namespace tya;
using namespace tya::prueba;

namespace {

struct Muestra { double x, y, vx, vy; };

// Stores experiment k as a flight would: one sample every 0.75 s, position extremes from 0,
// velocity extremes from the first sample, then the end state and the final time.
void guardar(EstadoExp& st, int k, const std::vector<Muestra>& m, Muestra fin, double tf, int color = 3) {
    const int e = k - 1, n = static_cast<int>(m.size());
    Registro& p = st.Pos[e];
    Registro& v = st.VelMarca[e];
    p.fill(Fijo());
    v.fill(Fijo());
    p[0] = Fijo::entero(color);
    p[1] = v[1] = Fijo::entero(n);
    double xmax = 0, xmin = 0, ymax = 0, ymin = 0;
    double vxmax = m.empty() ? 0 : m[0].vx, vxmin = vxmax, vymax = m.empty() ? 0 : m[0].vy, vymin = vymax;
    auto extremos = [&](const Muestra& s) {
        xmax = std::max(xmax, s.x); xmin = std::min(xmin, s.x);
        ymax = std::max(ymax, s.y); ymin = std::min(ymin, s.y);
        vxmax = std::max(vxmax, s.vx); vxmin = std::min(vxmin, s.vx);
        vymax = std::max(vymax, s.vy); vymin = std::min(vymin, s.vy);
    };
    for (int i = 1; i <= n; ++i) {
        const Muestra& s = m[static_cast<size_t>(i - 1)];
        p[2 * i] = Fijo::desde(s.x); p[2 * i + 1] = Fijo::desde(s.y);
        v[2 * i] = Fijo::desde(s.vx); v[2 * i + 1] = Fijo::desde(s.vy);
        extremos(s);
    }
    extremos(fin);
    const double pe[] = {ymax, ymin, xmax, xmin, fin.x, fin.y, 51};  // 51: the step counter
    const double ve[] = {vymax, vymin, vxmax, vxmin, fin.vx, fin.vy, tf};
    for (int j = 0; j < 7; ++j) {
        p[2 * n + 2 + j] = Fijo::desde(pe[j]);
        v[2 * n + 2 + j] = Fijo::desde(ve[j]);
    }
    st.NExp = std::max<int16_t>(st.NExp, static_cast<int16_t>(k));
}

// n samples of constant velocity (vx, vy) from (0, y0); the flight ends at tf.
void uniforme(EstadoExp& st, int k, int n, double y0, double vx, double vy, double tf, int color = 3) {
    std::vector<Muestra> m;
    for (int i = 0; i < n; ++i) m.push_back({vx * 0.75 * i, y0 + vy * 0.75 * i, vx, vy});
    guardar(st, k, m, {vx * tf, y0 + vy * tf, vx, vy}, tf, color);
}

// The colour a pen of palette index i shows in inverted mode.
uint32_t visto(int i) { return ~color_paleta(i) & 0xffffffu; }
constexpr uint32_t kNegro = rgb(0, 0, 0);

// Whether `color` shows at (x, y) or a pixel next to it: a vertex that falls on a pixel
// boundary may round either way.
bool cerca(const Superficie& s, double x, double y, uint32_t color) {
    const int a = static_cast<int>(std::floor(s.x_px(x) + 0.5)), b = static_cast<int>(std::floor(s.y_px(y) + 0.5));
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
            const QPoint q(a + dx, b + dy);
            if (!s.imagen().rect().contains(q)) continue;
            const QRgb v = s.imagen().pixel(q);
            if (rgb(qRed(v), qGreen(v), qBlue(v)) == color) return true;
        }
    return false;
}

bool vacia(const Superficie& s) {
    const QImage& img = s.imagen();
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if ((img.pixel(x, y) & 0xffffffu) != 0xffffffu) return false;
    return true;
}

}  // namespace

TEST(Graficos, LapsoRedondeadoAlParYSinDesborde) {
    const Fijo dt = Fijo::crudo(150);
    EXPECT_EQ(lapso_grafico(dt, 1), 1);   // 0.75
    EXPECT_EQ(lapso_grafico(dt, 2), 2);   // 1.5 to the even 2
    EXPECT_EQ(lapso_grafico(dt, 6), 4);   // 4.5 to the even 4
    EXPECT_EQ(lapso_grafico(dt, 7), 5);   // 5.25
    EXPECT_EQ(lapso_grafico(dt, 10), 8);  // 7.5 to the even 8
    EXPECT_EQ(lapso_grafico(dt, 1900), 1425);  // 50 x 1900 does not fit in 16 bits

    // Each routine stores its own span in TfinEnt, over what the flight left there.
    auto propio = std::make_unique<EstadoExp>();
    EstadoExp& st = *propio;
    uniforme(st, 1, 6, 10, 5, 1, 4.1);
    st.NGrafSel = 1;
    st.TfinEnt = 999;
    Superficie c = nueva_caja_grafico(CajaGrafico::Curvas);
    EXPECT_EQ(graficar_posiciones(st, c, true).T, 4);
    EXPECT_EQ(st.TfinEnt, 4);
    uniforme(st, 1, 7, 10, 5, 1, 4.6);
    EXPECT_EQ(graficar_velocidades(st, c, false).T, 5);
    EXPECT_EQ(st.TfinEnt, 5);

    // A comparison of the longest flight: 1900 samples.
    uniforme(st, 2, kMarcasMax, 10, 1, 0.5, 1424.5);
    AcumComparacion a;
    Superficie p = nueva_caja_grafico(CajaGrafico::ComparaP);
    const MarcoGrafico m = comparar_posiciones(st, a, p, true);
    EXPECT_EQ(m.T, 1425);
    EXPECT_EQ(st.TfinEnt, 1425);
    EXPECT_EQ(a.NmaxPos, kMarcasMax);
    EXPECT_DOUBLE_EQ(m.derecha, 1425);
    // The long curve starts on the vertical axis at t = 1425/20.
    EXPECT_TRUE(cerca(p, 71.25, 10, visto(3)));
}

TEST(Graficos, ReglasDelRangoEnSuOrden) {
    auto rango = [](double hi, double lo, bool horizontal, bool uno) {
        const RangoVertical r = rango_vertical(hi, lo, horizontal, uno);
        return std::pair(r.arriba, r.abajo);
    };
    for (bool h : {false, true}) {
        EXPECT_EQ(rango(40, -30, h, false), std::pair(1.05 * 40, 1.05 * -30));           // 1
        EXPECT_EQ(rango(100, 0, h, false), std::pair(1.05 * 100, 1.05 * -100 / 10));     // 2
        EXPECT_EQ(rango(100, 20, h, true), std::pair(1.05 * 100, 1.05 * -80 / 10));      // 2
        EXPECT_EQ(rango(0, -50, h, false), std::pair(50.0 / 10, 1.05 * -50));           // 3, no factor on top
        EXPECT_EQ(rango(-10, -50, h, true), std::pair(40.0 / 10, 1.05 * -50));          // 3
        // Extremes both zero: 5 for X and Vx; the same visible range for Y and Vy.
        EXPECT_EQ(rango(0, 0, h, false), std::pair(10.0, -10.0));
        EXPECT_EQ(rango(0, 0, h, true), std::pair(10.0, -10.0));
    }
    // 4 overrides 2 and 3 for a constant horizontal component, whatever its sign.
    EXPECT_EQ(rango(25, 25, true, false), std::pair(25 + 2.5, -1.05 * 25));
    EXPECT_EQ(rango(-25, -25, true, false), std::pair(25 + 2.5, -1.05 * 25));
    EXPECT_EQ(rango(50, 50, true, true), std::pair(50 + 5.0, -5.0));
    EXPECT_EQ(rango(-50, -50, true, true), std::pair(-50 + 5.0, -5.0));
    // The vertical component never uses 4.
    EXPECT_EQ(rango(25, 25, false, false), std::pair(1.05 * 25, 0.0));
    EXPECT_EQ(rango(-25, -25, false, false), std::pair(0.0, 1.05 * -25));

    // The rules as the routines apply them to flights.
    Banco b;
    EstadoExp& st = *b.st;
    Superficie c = nueva_caja_grafico(CajaGrafico::Curvas);
    b.lanzamiento(100, 45, 0, 0);  // vacuum: constant Vx = 70.7107
    b.volar();
    const double vx0 = st.VelMarca[0][2].real();
    ASSERT_NEAR(vx0, 70.7107, 1e-9);
    MarcoGrafico m = graficar_velocidades(st, c, false);
    EXPECT_DOUBLE_EQ(m.arriba, vx0 + vx0 / 10);
    EXPECT_DOUBLE_EQ(m.abajo, -1.05 * vx0);
    EXPECT_TRUE(cerca(c, m.T / 20.0, vx0, visto(3)));  // the line in the upper part
    const int n = muestras(st.Pos[0]);
    const double ymax = st.Pos[0][2 * n + 2].real();
    m = graficar_posiciones(st, c, true);
    EXPECT_DOUBLE_EQ(m.arriba, 1.05 * ymax);
    EXPECT_DOUBLE_EQ(m.abajo, 1.05 * -ymax / 10);

    b.lanzamiento(100, 135, 3000, 0);  // Vx0 < 0: the same range, the line in the lower part
    b.volar();
    m = graficar_velocidades(st, c, false);
    EXPECT_DOUBLE_EQ(m.arriba, vx0 + vx0 / 10);
    EXPECT_DOUBLE_EQ(m.abajo, -1.05 * vx0);
    EXPECT_TRUE(cerca(c, m.T / 20.0, -vx0, visto(6)));

    b.lanzamiento(100, 90, 0, 0);  // vertical from X = 0: Vx and X both -10 to 10
    b.volar();
    m = graficar_velocidades(st, c, false);
    EXPECT_EQ(std::pair(m.arriba, m.abajo), std::pair(10.0, -10.0));
    m = graficar_posiciones(st, c, false);
    EXPECT_EQ(std::pair(m.arriba, m.abajo), std::pair(10.0, -10.0));
    b.lanzamiento(100, 90, 100, 0);  // from X = 100 the extremes are 0 and 100: rule 2
    b.volar();
    m = graficar_posiciones(st, c, false);
    EXPECT_DOUBLE_EQ(m.arriba, 105);
    EXPECT_DOUBLE_EQ(m.abajo, -10.5);

    b.lanzamiento(0, 0, 0, 0);  // ends in its first step: Y extremes 0 and 0, N = 1
    b.volar();
    m = graficar_posiciones(st, c, true);
    EXPECT_TRUE(m.dibujado);
    EXPECT_EQ(m.T, 1);
    EXPECT_EQ(std::pair(m.arriba, m.abajo), std::pair(10.0, -10.0));
}

TEST(Graficos, MarcoEjesYCero) {
    auto propio = std::make_unique<EstadoExp>();
    EstadoExp& st = *propio;
    uniforme(st, 1, 11, 40, 10, 2, 7.9);  // T = 8 (8.25)
    st.NGrafSel = 1;
    for (bool posiciones : {true, false}) {
        Superficie c = nueva_caja_grafico(CajaGrafico::Curvas);
        // Y from 40 m and a constant Vx of 10: both curves stay clear of the axes.
        const MarcoGrafico m = posiciones ? graficar_posiciones(st, c, true) : graficar_velocidades(st, c, false);
        ASSERT_EQ(m.T, 8);
        EXPECT_DOUBLE_EQ(m.derecha, posiciones ? 8.8 : 8.0);
        EXPECT_EQ(c.modo(), Modo::Invertido);
        // The frame fills the box: top-left (0, top), bottom-right (right, bottom).
        EXPECT_NEAR(c.x_unidades(c.ancho_px()), m.derecha, 1e-9);
        EXPECT_NEAR(c.y_unidades(0), m.arriba, 1e-9);
        EXPECT_NEAR(c.y_unidades(c.alto_px()), m.abajo, 1e-9);
        const double t20 = 0.4, px = c.unidades_x();
        // Time axis from T/20 to the right edge, vertical axis at T/20 from top to bottom.
        EXPECT_EQ(c.color_en(t20 + px, 0), kNegro);
        EXPECT_EQ(c.color_en(c.x_unidades(c.ancho_px() - 1), 0), kNegro);
        EXPECT_EQ(c.color_en(t20 - 2 * px, 0), kFondoGrafico);
        EXPECT_EQ(c.color_en(t20, c.y_unidades(0)), kNegro);
        EXPECT_EQ(c.color_en(t20, c.y_unidades(c.alto_px() - 1)), kNegro);
        // "0" printed from half its width and half its height.
        const QString cero = QStringLiteral("0");
        const int x0 = static_cast<int>(c.x_px(c.ancho_texto(cero) / 2));
        const int y0 = static_cast<int>(c.y_px(c.alto_texto(cero) / 2));
        const int x1 = static_cast<int>(c.x_px(1.5 * c.ancho_texto(cero)));
        const int y1 = static_cast<int>(c.y_px(-c.alto_texto(cero) / 2));
        int negros = 0, fuera = 0;
        for (int y = 0; y < c.alto_px(); ++y)
            for (int x = 0; x < x0 - 1; ++x) fuera += (c.imagen().pixel(x, y) & 0xffffffu) != 0xffffffu;
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x) negros += (c.imagen().pixel(x, y) & 0xffffffu) == 0;
        EXPECT_GT(negros, 4);
        EXPECT_EQ(fuera, 0);  // left of the label the box is empty
    }
}

TEST(Graficos, CurvaEnSuColorHastaElFinalDelVuelo) {
    auto propio = std::make_unique<EstadoExp>();
    EstadoExp& st = *propio;
    // Three samples rising 10, 20, 30 m; the flight ends on the ground at t = 1.8 s.
    guardar(st, 1, {{0, 10, 4, 13.3}, {3, 20, 4, 13.3}, {6, 30, 4, 13.3}}, {7.2, 0, 4, -30}, 1.8, 12);
    st.NGrafSel = 1;
    Superficie c = nueva_caja_grafico(CajaGrafico::Curvas);
    const MarcoGrafico m = graficar_posiciones(st, c, true);
    ASSERT_EQ(m.T, 2);  // 2.25
    const double t20 = 0.1, px = c.unidades_x();
    const uint32_t color = visto(12);  // red pen shows cyan
    EXPECT_EQ(color, rgb(0, 255, 255));
    EXPECT_EQ(c.color_en(t20, 10), color);  // on the vertical axis, drawn over it
    EXPECT_TRUE(cerca(c, 0.75 + t20, 20, color));
    EXPECT_TRUE(cerca(c, 1.5 + t20, 30, color));
    // The closing segment ends on the time axis at the exact end of the flight, not at the
    // step counter kept in the same place of Pos, and the axis goes on past it.
    EXPECT_TRUE(cerca(c, 1.8 + t20, 0, color));
    EXPECT_EQ(c.color_en(1.8 + t20 + 3 * px, 0), kNegro);
    EXPECT_EQ(c.color_en(1.8 + t20 + 3 * px, 1), kFondoGrafico);

    // Velocities of the same experiment: Vy from 13.3 to -30 at the end.
    const MarcoGrafico v = graficar_velocidades(st, c, true);
    EXPECT_TRUE(cerca(c, 1.5 + t20, 13.3, color));
    EXPECT_TRUE(cerca(c, 1.8 + t20, -30, color));
    EXPECT_DOUBLE_EQ(v.abajo, 1.05 * -30);

    // One sample: the point and the segment to the end only.
    guardar(st, 2, {{0, 0, 10, 0}}, {0.5, 0, 10, 0}, 0.05, 9);
    st.NGrafSel = 2;
    const MarcoGrafico u = graficar_velocidades(st, c, false);
    EXPECT_EQ(u.T, 1);
    EXPECT_TRUE(cerca(c, 0.05, 10, visto(9)));
    EXPECT_TRUE(cerca(c, 0.1, 10, visto(9)));
    EXPECT_EQ(c.color_en(0.1 + 3 * c.unidades_x(), 10), kFondoGrafico);
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
        ASSERT_FALSE(vacia(c));
        st.NGrafSel = static_cast<int16_t>(sel);
        st.TfinEnt = 77;
        EXPECT_FALSE(graficar_posiciones(st, c, true).dibujado) << sel;
        EXPECT_TRUE(vacia(c)) << sel;
        graficar_posiciones(st, c, false);
        EXPECT_TRUE(vacia(c)) << sel;
        EXPECT_FALSE(graficar_velocidades(st, c, true).dibujado) << sel;
        EXPECT_TRUE(vacia(c)) << sel;
        EXPECT_EQ(st.TfinEnt, 77) << sel;
        if (sel != kTodasLasExperiencias) {
            EXPECT_EQ(imagen_grafico(st, Magnitud::Posiciones, true, sel), nueva_caja_grafico(CajaGrafico::Curvas).imagen())
                << sel;
        }
    }
    // No experiment stored: the comparisons draw nothing and widen nothing.
    st.NExp = 0;
    AcumComparacion a;
    Superficie p = nueva_caja_grafico(CajaGrafico::ComparaP);
    EXPECT_FALSE(comparar_posiciones(st, a, p, true).dibujado);
    EXPECT_FALSE(comparar_velocidades(st, a, p, false).dibujado);
    EXPECT_TRUE(vacia(p));
    EXPECT_EQ(a.NmaxPos, 0);
    EXPECT_EQ(a.NmaxVel, 0);
}

TEST(Graficos, ComparacionDeVariasExperiencias) {
    auto propio = std::make_unique<EstadoExp>();
    EstadoExp& st = *propio;
    uniforme(st, 1, 8, 0, 40, 0, 5.6, 3);
    uniforme(st, 2, 4, 0, 20, 0, 2.5, 6);
    uniforme(st, 3, 2, 0, -10, 0, 1.0, 9);
    AcumComparacion a;
    Superficie v = nueva_caja_grafico(CajaGrafico::ComparaV);
    const MarcoGrafico m = comparar_velocidades(st, a, v, false);
    ASSERT_EQ(m.T, 6);
    EXPECT_DOUBLE_EQ(m.derecha, 6);
    EXPECT_DOUBLE_EQ(m.arriba, 1.05 * 40);
    EXPECT_DOUBLE_EQ(m.abajo, 1.05 * -10);
    const double t20 = 0.3, px = v.unidades_x();
    struct { double valor, tf; int color; } curvas[] = {{40, 5.6, 3}, {20, 2.5, 6}, {-10, 1.0, 9}};
    for (const auto& k : curvas) {
        EXPECT_TRUE(cerca(v, t20, k.valor, visto(k.color))) << k.valor;  // on the vertical axis
        EXPECT_TRUE(cerca(v, k.tf + t20 - px, k.valor, visto(k.color))) << k.valor;
        EXPECT_EQ(v.color_en(k.tf + t20 + 3 * px, k.valor), kFondoGrafico) << k.valor;  // shorter ends left
    }
    // No line from the end of one curve to the start of the next.
    EXPECT_EQ(v.color_en((5.9 + 0.3) / 2, 30), kFondoGrafico);
    EXPECT_EQ(v.color_en((2.8 + 0.3) / 2, 5), kFondoGrafico);

    // The positions of the same experiments: X from 0, each ending at its final X.
    Superficie p = nueva_caja_grafico(CajaGrafico::ComparaP);
    const MarcoGrafico q = comparar_posiciones(st, a, p, false);
    EXPECT_DOUBLE_EQ(q.arriba, 1.05 * 40 * 5.6);
    EXPECT_DOUBLE_EQ(q.abajo, 1.05 * -10);
    EXPECT_TRUE(cerca(p, 5.6 + t20, 40 * 5.6, visto(3)));
    EXPECT_TRUE(cerca(p, 1.0 + t20, -10, visto(9)));
}

TEST(Graficos, AcumuladoresSoloSeEnsanchan) {
    auto propio = std::make_unique<EstadoExp>();
    EstadoExp& st = *propio;
    AcumComparacion a;
    Superficie v = nueva_caja_grafico(CajaGrafico::ComparaV);
    guardar(st, 1, {{0, 0, 25, 40}, {1, 1, 25, -30}}, {1, 0, 25, -30}, 1.2);
    guardar(st, 2, {{0, 0, 3, 10}, {1, 1, 3, -50}}, {1, 0, 3, -50}, 1.2);
    uniforme(st, 3, 20, 0, 1, 0, 14.5);  // N = 20, Vx 1, Vy 0
    MarcoGrafico m = comparar_velocidades(st, a, v, true);
    EXPECT_DOUBLE_EQ(m.arriba, 1.05 * 40);
    EXPECT_DOUBLE_EQ(m.abajo, 1.05 * -50);
    EXPECT_EQ(m.T, 15);
    // The horizontal component was widened too, though Vy was drawn.
    EXPECT_EQ(a.VxmaxComp, Fijo::entero(25));
    // Positions were not compared: their accumulators are untouched.
    EXPECT_EQ(a.NmaxPos, 0);
    EXPECT_EQ(a.YmaxComp, Fijo());

    // After the scene is cleared, new experiments with a smaller range keep the old one.
    st.NExp = 0;
    guardar(st, 1, {{0, 0, 5, 5}, {1, 1, 5, -80}}, {1, 0, 5, -80}, 1.2);
    m = comparar_velocidades(st, a, v, true);
    EXPECT_DOUBLE_EQ(m.abajo, 1.05 * -80);
    EXPECT_DOUBLE_EQ(m.arriba, 1.05 * 40);
    guardar(st, 1, {{0, 0, 5, 3}, {1, 1, 5, -20}}, {1, 0, 5, -20}, 1.2);
    m = comparar_velocidades(st, a, v, true);
    EXPECT_DOUBLE_EQ(m.abajo, -84);
    EXPECT_EQ(m.T, 15);  // the 20 samples seen before
    m = comparar_velocidades(st, a, v, false);
    EXPECT_DOUBLE_EQ(m.arriba, 1.05 * 25);
    EXPECT_DOUBLE_EQ(m.abajo, 1.05 * (0 - 25) / 10);

    // The comparison boxes take the same accumulators from one call to the next.
    const AcumComparacion antes = a;
    comparar_velocidades(st, a, v, true);
    EXPECT_EQ(a.VyminComp, antes.VyminComp);
    EXPECT_EQ(a.NmaxVel, 20);
}

namespace {

// The graph drawn step by step as described: frame, then for each curve its first point and
// one line per sample and to the end of the flight, every one of them drawn.
QImage a_mano(const EstadoExp& st, std::vector<int> exps, bool velocidades, bool vertical, int16_t T, double derecha,
              RangoVertical r, CajaGrafico tipo) {
    Superficie c = nueva_caja_grafico(tipo);
    c.modo(Modo::Invertido);
    c.escala(0, r.arriba, derecha, r.abajo);
    c.borrar();
    const uint32_t blanco = color_paleta(15);
    c.linea(T / 20.0, 0, derecha, 0, blanco);
    c.linea(T / 20.0, r.arriba, T / 20.0, r.abajo, blanco);
    c.posicion(c.ancho_texto(QStringLiteral("0")) / 2, c.alto_texto(QStringLiteral("0")) / 2);
    c.texto(QStringLiteral("0"), blanco);
    for (int k : exps) {
        const Registro& R = velocidades ? st.VelMarca[k - 1] : st.Pos[k - 1];
        const int n = muestras(R), d = vertical ? 1 : 0;
        const uint32_t color = color_paleta(static_cast<int64_t>(st.Pos[k - 1][0].real()));
        const Fijo t20 = Fijo::desde(T / 20.0);
        c.punto(static_cast<float>(T / 20.0), static_cast<float>(R[2 + d].real()), color);
        for (int j = 2; j <= n; ++j)
            c.linea_a(static_cast<float>((Fijo::crudo(7500 * (j - 1)) + t20).real()),
                      static_cast<float>(R[2 * j + d].real()), color);
        c.linea_a(static_cast<float>(st.VelMarca[k - 1][2 * n + 8].real() + t20.real()),
                  static_cast<float>(R[2 * n + 6 + d].real()), color);
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
            AcumComparacion a;
            Superficie caja = nueva_caja_grafico(velocidades ? CajaGrafico::ComparaV : CajaGrafico::ComparaP);
            const MarcoGrafico m = velocidades ? comparar_velocidades(st, a, caja, vertical)
                                               : comparar_posiciones(st, a, caja, vertical);
            EXPECT_EQ(caja.imagen(), a_mano(st, {1, 2, 3, 4}, velocidades, vertical, m.T, m.derecha, {m.arriba, m.abajo},
                                            velocidades ? CajaGrafico::ComparaV : CajaGrafico::ComparaP))
                << vertical << velocidades;
            for (int k = 1; k <= 4; ++k) {
                st.NGrafSel = static_cast<int16_t>(k);
                Superficie c = nueva_caja_grafico(CajaGrafico::Curvas);
                const MarcoGrafico u = velocidades ? graficar_velocidades(st, c, vertical) : graficar_posiciones(st, c, vertical);
                EXPECT_EQ(c.imagen(), a_mano(st, {k}, velocidades, vertical, u.T, u.derecha, {u.arriba, u.abajo},
                                             CajaGrafico::Curvas))
                    << vertical << velocidades << k;
            }
        }
}

TEST(Graficos, ImagenIgualALaCaja) {
    Banco b;
    EstadoExp& st = *b.st;
    b.lanzamiento(100, 45, 0, 0);
    b.volar();
    b.lanzamiento(60, 70, 200, 100, 1, 1, 10);
    b.volar();
    b.lanzamiento(80, 20, 0, 300, 1, 0.5, -20);
    b.volar();

    Superficie curvas = nueva_caja_grafico(CajaGrafico::Curvas);
    for (bool vertical : {false, true})
        for (int k = 1; k <= 3; ++k) {
            st.NGrafSel = 1;
            graficar_velocidades(st, curvas, !vertical);  // whatever the window showed before
            st.NGrafSel = static_cast<int16_t>(k);
            graficar_posiciones(st, curvas, vertical);
            EXPECT_EQ(imagen_grafico(st, Magnitud::Posiciones, vertical, k), curvas.imagen()) << k;
            graficar_velocidades(st, curvas, vertical);
            EXPECT_EQ(imagen_grafico(st, Magnitud::Velocidades, vertical, k), curvas.imagen()) << k;
        }
    // Two different experiments give different images.
    EXPECT_NE(imagen_grafico(st, Magnitud::Posiciones, true, 1), imagen_grafico(st, Magnitud::Posiciones, true, 2));

    // The comparison, with the accumulators the window holds at that moment.
    AcumComparacion a;
    a.VyminComp = Fijo::entero(-500);  // an earlier comparison saw a fast fall
    Superficie cv = nueva_caja_grafico(CajaGrafico::ComparaV), cp = nueva_caja_grafico(CajaGrafico::ComparaP);
    const AcumComparacion copia = a;
    const QImage iv = imagen_grafico(st, Magnitud::Velocidades, true, kTodasLasExperiencias, a);
    EXPECT_EQ(a.VyminComp, copia.VyminComp);
    EXPECT_EQ(a.NmaxVel, 0);  // the window's accumulators are not touched
    comparar_velocidades(st, a, cv, true);
    EXPECT_EQ(iv, cv.imagen());
    EXPECT_EQ(iv.size(), QSize(kComparaAnchoPx, kComparaAltoPx));
    const QImage ip = imagen_grafico(st, Magnitud::Posiciones, false, kTodasLasExperiencias);
    comparar_posiciones(st, a, cp, false);
    EXPECT_EQ(ip, cp.imagen());
    EXPECT_NE(iv, imagen_grafico(st, Magnitud::Velocidades, true, kTodasLasExperiencias));  // fresh: a narrower range
}
