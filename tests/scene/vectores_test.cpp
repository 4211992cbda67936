// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "apoyo.h"
#include "scene/vectores.h"

using namespace tya;
using namespace tya::prueba;

TEST(Vectores, PunteroClicYFlechas) {
    Banco b;
    b.volar();
    auto& st = *b.st;
    Superficie& s = b.sup;
    s.modo(Modo::Invertido);
    Raton r;
    // Points at sample i of experiment 1 as the window would, from a far-off start so the move
    // is always accepted.
    auto apuntar = [&](int i) {
        r.XRaton = r.YRaton = 0;
        return seguir_puntero(r, st, s, st.Xs[0][i], st.Ys[0][i]);
    };
    // Over a mark: accepted, cross-hair, the mark's colour taken.
    EXPECT_EQ(std::pair(apuntar(6), r.ColorCursor), std::pair(Puntero::Cruz, st.ColorExp[0]));
    // A move that keeps x² + y² within 36 of the last accepted value is ignored.
    const float x0 = r.XRaton;
    EXPECT_EQ(std::pair(seguir_puntero(r, st, s, x0 + 0.001f, r.YRaton), r.XRaton), std::pair(Puntero::SinCambio, x0));
    // The click picks experiment 1 at the sample under the pointer and fills the table, in the
    // locale's form.
    auto m = clic_escena(r, st, s);
    ASSERT_TRUE(m);
    EXPECT_EQ(std::tuple(m->experiencia, m->indice, m->valores[0], m->valores[6]),
              std::tuple(1, 6, con_separador(QString(" 3.75")), con_separador(QString("-9.81"))));
    // Empty sky: arrow pointer, and a click does nothing; nor below the ground line on a drawn colour.
    EXPECT_EQ(seguir_puntero(r, st, s, 6000, 3000), Puntero::Flecha);
    EXPECT_FALSE(clic_escena(r, st, s));
    r.YRaton = -5;
    r.ColorCursor = st.ColorExp[0];
    EXPECT_FALSE(clic_escena(r, st, s));
    // During a flight the pointer is not followed.
    st.EnVuelo = 1;
    EXPECT_EQ(std::pair(seguir_puntero(r, st, s, 100, 100), r.YRaton), std::pair(Puntero::SinCambio, -5.0f));
    st.EnVuelo = 0;
    // Experiment 9 with experiment 1's colour, as the cycle of colours gives it: the higher number wins.
    st.Pos[8] = st.Pos[0];
    st.ColorExp[8] = st.ColorExp[0];
    st.NExp = 9;
    EXPECT_EQ(apuntar(3), Puntero::Cruz);
    EXPECT_EQ(clic_escena(r, st, s).value().experiencia, 9);
    // With the experiments forgotten (target placed), old traces no longer respond.
    st.NExp = 0;
    EXPECT_FALSE(clic_escena(r, st, s));

    // The vectors of a sample drawn in the sky, with Vx = 0 and Vy > 0: the shaft goes up and
    // the head points up.
    const uint32_t verde = rgb(5, 155, 5), rojo_ = rgb(205, 5, 5);  // the pens' complements
    const int i = 3;
    st.Vx[0][i] = st.Ax[0][i] = Fijo();
    st.Vy[0][i] = Fijo::entero(60);
    st.Ay[0][i] = Fijo::desde(-9.81);
    const float X = 3000, Y = 1500;
    dibujar_vectores(st, s, X, Y, 1, i);
    // No acceleration: a zero-length line and no head; the velocity points down now.
    st.Ay[0][i] = Fijo();
    st.Vy[0][i] = Fijo::entero(-60);
    dibujar_vectores(st, s, X + 1500, Y, 1, i);
    // Shafts of 300 units (5 per m/s) and 30 units per m/s², barbs behind the tips.
    for (auto [x, y, color] : {std::tuple(X, Y + 150, verde),
                               {X + 20, Y + 260, verde},
                               {X - 20, Y + 260, verde},
                               {X, Y - 150, rojo_},
                               {X + 20, Y - 254.3f, rojo_},
                               {X + 1500, Y - 150, verde},
                               {X + 1520, Y - 260, verde}})
        EXPECT_EQ(s.color_en(x, y), color) << x << " " << y;
    EXPECT_NE(s.color_en(X + 1520, Y + 40), rojo_);
    // Drawing the same vectors twice in the inverting mode restores the picture.
    s.modo(Modo::InvertirFondo);
    const QImage limpio = s.imagen().copy();
    dibujar_vectores(st, s, X + 3000, Y, 1, i);
    EXPECT_NE(s.imagen(), limpio);
    dibujar_vectores(st, s, X + 3000, Y, 1, i);
    EXPECT_EQ(s.imagen(), limpio);
}

TEST(Vectores, BuscarMuestra) {
    Banco b;
    // 1: forwards, 2: backwards, 3: straight up, 4: a short hop.
    for (auto [vo, angulo, xo] : {std::tuple(100, 45, 0), {100, 135, 3000}, {80, 90, 1000}, {10, 80, 500}}) {
        b.lanzamiento(vo, angulo, xo, 0);
        b.volar();
    }
    auto& st = *b.st;
    // Forwards and backwards, by X: the nearest sample, either side of the midpoint.
    for (int k : {1, 2})
        for (int i : {1, 2, 7, 13, 20})
            for (double d : {0.3, -0.3})
                EXPECT_EQ(indice_muestra(buscar_muestra(st, k, st.Xs[k - 1][i] + d, 0)), i)
                    << k << " " << i << " " << d;
    EXPECT_EQ(std::pair(buscar_muestra(st, 1, -500, 0), buscar_muestra(st, 1, 5000, 0)), std::pair(1.0, 20.0));
    // Straight up, by Y: a point between samples takes the nearer; above the apex (t = 8.25 s), the apex.
    const float y4 = st.Ys[2][4], y5 = st.Ys[2][5];
    EXPECT_EQ(std::tuple(buscar_muestra(st, 3, 1000, y4 + (y5 - y4) * 0.2f),
                         buscar_muestra(st, 3, 1000, y4 + (y5 - y4) * 0.8f), buscar_muestra(st, 3, 1000, 1e6f)),
              std::tuple(4.0, 5.0, 12.0));
    // The short hop, with stale slots of a longer earlier flight beyond N: never an index past N.
    const int m = muestras(st.Pos[3]);
    ASSERT_LT(m, 5);
    for (int j = m + 1; j < 40; ++j) {
        st.Xs[3][j] = 9000.0f + j;
        st.Ys[3][j] = 50.0f * j;
    }
    EXPECT_EQ(std::pair(buscar_muestra(st, 4, -1e6, 0), buscar_muestra(st, 4, 1e6, 1e6f)), std::pair(1.0, double(m)));
    // Made a vertical flight of two samples: judged by Y from its first and last samples, not
    // by a stale sample 5, and the last sample never paired with a stale one.
    st.Pos[3][1] = Fijo::entero(2);
    st.Xs[3][1] = st.Xs[3][2] = 500;
    st.Ys[3][1] = 0;
    st.Ys[3][2] = 10;
    st.Ys[3][3] = 1000;
    EXPECT_EQ(std::pair(buscar_muestra(st, 4, 500, 2), buscar_muestra(st, 4, 500, 900)), std::pair(1.0, 2.0));
    // No experiment or no samples: sample 1, never an index beyond the records.
    EXPECT_EQ(std::pair(buscar_muestra(st, 0, 0, 0), buscar_muestra(st, 11, 0, 0)), std::pair(1.0, 1.0));
}
