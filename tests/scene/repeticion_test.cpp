// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QPainter>

#include "apoyo.h"
#include "scene/repeticion.h"
#include "scene/vectores.h"

using namespace tya;
using namespace tya::prueba;

TEST(Repeticion, MuestrasYRitmo) {
    Banco b;
    b.volar();
    EstadoExp& st = *b.st;
    st.VelMarca[0][1] = Fijo::entero(12);  // a file whose records disagree: the shorter one
    for (auto [k, nexp, n] : {std::tuple(1, 1, 12), {0, 1, 0}, {2, 1, 0}, {1, 0, 0}, {1, 11, 0}}) {
        st.NExp = int16_t(nexp);
        EXPECT_EQ(muestras_repeticion(st, k), n) << k << " " << nexp;
    }
    // One sample per 0.01 s of real time (0.29 s is 29 samples, though the quotient falls a hair
    // short), four at the fast pace, one per 0.75 s in real time, never past the last one.
    using enum Ritmo;
    for (auto [desde, s, ritmo, n, i] : {std::tuple(1, 0.0, Vuelo, 40, 1),
                                         {1, 0.29, Vuelo, 40, 30},
                                         {1, 0.029, Vuelo, 40, 3},
                                         {5, 0.03, Rapido, 40, 17},
                                         {1, 9.0, Vuelo, 40, 40},
                                         {1, 0.5, Rapido, 1, 1},
                                         {1, 0.74, Real, 40, 1},
                                         {1, 0.75, Real, 40, 2},
                                         {3, 7.5, Real, 40, 13}})
        EXPECT_EQ(muestra_al_reproducir(desde, s, segundos_por_muestra(ritmo), n), i)
            << desde << " " << s << " " << int(ritmo);
}

// What the cursor paints over the scene is, line for line, what a click on the mark draws
// into it; at zoom 10 a sample beyond the scene shows nothing.
TEST(Repeticion, VectoresComoLosDelClic) {
    Banco b;
    b.volar();                                // 100 m/s at 45° in vacuum: at t = 10.5 s beyond 645 m
    b.lanzamiento(100, 60, 0, 0, 1, 1, -20);  // in air against the wind: every vector differs
    b.volar();
    EstadoExp& st = *b.st;
    for (auto [escala, k, i, visible] :
         {std::tuple(1, 2, 9, true), {1, 2, 1, true}, {10, 2, 2, true}, {10, 1, 15, false}}) {
        st.Escala = int16_t(escala);
        const CursorEscena c = cursor_escena(st, b.sup, k, i);
        ASSERT_EQ(c.visible, visible) << escala << " " << i;
        if (!visible) continue;
        Superficie dibujada = b.sup;
        dibujada.modo(Modo::Invertido);
        dibujar_vectores(st, dibujada, st.Xs[k - 1][i], st.Ys[k - 1][i], k, i);
        QImage pintada = b.sup.imagen().copy();
        {
            QPainter p(&pintada);
            pintar_lineas(p, c);
        }
        EXPECT_EQ(pintada, dibujada.imagen()) << escala << " " << i;
        EXPECT_NE(pintada, b.sup.imagen());
        EXPECT_TRUE(c.zona.contains(c.centro.toPoint()) && c.zona.contains(c.lineas[0].b));
    }
}
