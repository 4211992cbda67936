#include <gtest/gtest.h>

#include "apoyo.h"
#include "scene/vectores.h"

using namespace tya;
using namespace tya::prueba;

namespace {

// Points the mouse at sample i of experiment k as the window would, from a far-off start so
// the move is always accepted.
Puntero apuntar(Raton& r, Banco& b, int k, int i) {
    r.XRaton = 0;
    r.YRaton = 0;
    const auto& st = *b.st;
    return seguir_puntero(r, st, b.sup, st.Xs[k - 1][i] * st.Escala, st.Ys[k - 1][i] * st.Escala);
}

}  // namespace

TEST(Vectores, PunteroYClic) {
    Banco b;
    b.volar();
    auto& st = *b.st;
    b.sup.modo(Modo::Invertido);
    Raton r;
    // Over a mark: accepted, cross-hair, the mark's colour taken.
    EXPECT_EQ(std::pair(apuntar(r, b, 1, 6), r.ColorCursor), std::pair(Puntero::Cruz, st.ColorExp[0]));
    // A move that keeps x² + y² within 36 of the last accepted value is ignored.
    const float x = r.XRaton;
    EXPECT_EQ(std::pair(seguir_puntero(r, st, b.sup, x + 0.001f, r.YRaton), r.XRaton), std::pair(Puntero::SinCambio, x));
    // The click picks experiment 1 at the sample under the pointer and fills the table.
    auto m = clic_escena(r, st, b.sup);
    ASSERT_TRUE(m);
    EXPECT_EQ(std::tuple(m->experiencia, m->indice, m->valores[0], m->valores[5], m->valores[6]),
              std::tuple(1, 6, QString(" 3.75"), QString(" 0"), QString("-9.81")));  // vacuum: no horizontal acceleration
    // Empty sky: arrow pointer, and a click does nothing.
    EXPECT_EQ(seguir_puntero(r, st, b.sup, 6000, 3000), Puntero::Flecha);
    EXPECT_FALSE(clic_escena(r, st, b.sup));
    // Below the ground line nothing happens even on a drawn colour.
    r.YRaton = -5;
    r.ColorCursor = st.ColorExp[0];
    EXPECT_FALSE(clic_escena(r, st, b.sup));
    // During a flight the pointer is not followed.
    st.EnVuelo = 1;
    EXPECT_EQ(std::pair(seguir_puntero(r, st, b.sup, 100, 100), r.YRaton), std::pair(Puntero::SinCambio, -5.0f));
    st.EnVuelo = 0;
    // With the experiments forgotten (target placed), old traces no longer respond.
    EXPECT_EQ(apuntar(r, b, 1, 6), Puntero::Cruz);
    st.NExp = 0;
    EXPECT_FALSE(clic_escena(r, st, b.sup));
}

TEST(Vectores, ElMayorNumeroGanaConColoresRepetidos) {
    Banco b;
    for (int n = 0; n < 10; ++n) {
        b.lanzamiento(60, 45, 600 * n, 0);  // apart, so no trace covers another
        b.volar();
    }
    auto& st = *b.st;
    ASSERT_EQ(st.ColorExp[0], st.ColorExp[8]);
    Raton r;
    apuntar(r, b, 1, 3);
    const auto m = clic_escena(r, st, b.sup);
    ASSERT_TRUE(m);
    EXPECT_EQ(m->experiencia, 9);
    EXPECT_TRUE(m->indice >= 1 && m->indice <= muestras(st.Pos[8])) << m->indice;
}

TEST(Vectores, BuscarMuestra) {
    Banco b;
    b.volar();                       // 1: forwards
    b.lanzamiento(100, 135, 3000, 0);
    b.volar();                       // 2: backwards
    b.lanzamiento(80, 90, 1000, 0);
    b.volar();                       // 3: straight up
    b.lanzamiento(10, 80, 500, 0);
    b.volar();                       // 4: a short hop
    auto& st = *b.st;
    // Forwards and backwards, by X: the nearest sample, either side of the midpoint.
    for (int k : {1, 2})
        for (int i : {1, 2, 7, 13, 20})
            for (double d : {0.3, -0.3})
                EXPECT_EQ(indice_muestra(buscar_muestra(st, k, st.Xs[k - 1][i] + d, 0)), i) << k << " " << i << " " << d;
    EXPECT_EQ(std::pair(buscar_muestra(st, 1, -500, 0), buscar_muestra(st, 1, 5000, 0)), std::pair(1.0, 20.0));
    // Straight up, by Y: a point between samples takes the nearer; above the apex, the apex.
    const int n = muestras(st.Pos[2]);
    const float y4 = st.Ys[2][4], y5 = st.Ys[2][5];
    EXPECT_EQ(std::pair(buscar_muestra(st, 3, 1000, y4 + (y5 - y4) * 0.2f), buscar_muestra(st, 3, 1000, y4 + (y5 - y4) * 0.8f)),
              std::pair(4.0, 5.0));
    int apice = 1;
    for (int j = 1; j <= n; ++j)
        if (st.Ys[2][j] >= st.Ys[2][apice]) apice = j;
    EXPECT_EQ(buscar_muestra(st, 3, 1000, 1e6f), apice);
    // A short hop after them: three samples, stale slots of a longer earlier flight beyond N.
    const int m = muestras(st.Pos[3]);
    ASSERT_LT(m, 5);
    for (int j = m + 1; j < 40; ++j) {
        st.Xs[3][j] = 9000.0f + j;
        st.Ys[3][j] = 50.0f * j;
    }
    for (double x : {-1e6, 0.0, 500.5, 1e6})
        for (float y : {-1e6f, 0.0f, 3.0f, 1e6f}) {
            const double i = buscar_muestra(st, 4, x, y);
            EXPECT_TRUE(i >= 1 && indice_muestra(i) <= m) << x << " " << y << ": " << i;
        }
    // Vertical flight of two samples: the scan never pairs the last sample with a stale one.
    st.Pos[3][1] = Fijo::entero(2);
    st.Xs[3][1] = st.Xs[3][2] = 500;
    st.Ys[3][1] = 0;
    st.Ys[3][2] = 10;
    st.Ys[3][3] = 1000;
    EXPECT_EQ(buscar_muestra(st, 4, 500, 900), 2);
    // No experiment or no samples: sample 1, never an index beyond the records.
    EXPECT_EQ(std::pair(buscar_muestra(st, 0, 0, 0), buscar_muestra(st, 11, 0, 0)), std::pair(1.0, 1.0));
}

TEST(Vectores, VectoresVerdeYRojo) {
    Banco b;
    b.volar();
    auto& st = *b.st;
    Superficie& s = b.sup;
    s.modo(Modo::Invertido);
    const uint32_t verde = rgb(5, 155, 5), rojo_ = rgb(205, 5, 5);  // the pens' complements
    // A sample in the sky with Vx = 0 and Vy > 0: the shaft goes up and the head points up.
    const int i = 3;
    st.Vx[0][i] = st.Ax[0][i] = Fijo();
    st.Vy[0][i] = Fijo::entero(60);
    st.Ay[0][i] = Fijo::desde(-9.81);
    const float X = 3000, Y = 1500;
    dibujar_vectores(st, s, X, Y, 1, i);
    // No acceleration: a zero-length line and no head; the velocity points down now.
    const QImage antes = s.imagen().copy();
    st.Ay[0][i] = Fijo();
    st.Vy[0][i] = Fijo::entero(-60);
    dibujar_vectores(st, s, X + 1500, Y, 1, i);
    // Shafts of 300 units (5 per m/s) and 30 units per m/s², barbs behind the tips.
    for (auto [x, y, color] : {std::tuple(X, Y + 150, verde), {X + 20, Y + 260, verde}, {X - 20, Y + 260, verde}, {X, Y - 150, rojo_},
                               {X + 20, Y - 254.3f, rojo_}, {X + 1500, Y - 150, verde}, {X + 1520, Y - 260, verde}})
        EXPECT_EQ(s.color_en(x, y), color) << x << " " << y;
    EXPECT_NE(s.color_en(X + 1520, Y + 40), rojo_);
    // Drawing the same vectors again in the inverting mode restores the picture.
    s.modo(Modo::InvertirFondo);
    const QImage limpio = s.imagen().copy();
    dibujar_vectores(st, s, X + 3000, Y, 1, i);
    dibujar_vectores(st, s, X + 3000, Y, 1, i);
    EXPECT_EQ(s.imagen(), limpio);
    EXPECT_NE(antes, limpio);
}
