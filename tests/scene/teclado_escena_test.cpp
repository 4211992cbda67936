// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>

#include "core/registros.h"
#include "core/vuelo_sin_ventana.h"
#include "idioma.h"
#include "scene/escena.h"
#include "scene/teclado_escena.h"

using namespace tya;

namespace {
// Two flights from the foot of the wall at 100 m/s; the first, at 45°, of 20 samples, passes
// 645 m (the tenfold zoom's edge) after 9 s, its 13th.
struct DosVuelos : VueloSinVentana {
    DosVuelos() {
        for (int ang : {45, 60}) {
            st->Vo() = Fijo::entero(100);
            st->Ang() = Fijo::entero(ang);
            st->R() = Fijo::entero(1);
            volar();
        }
    }
};
}  // namespace

TEST(TecladoEscena, LasFlechasDanElPuntoDeUnaSueltaEnElPixelVecino) {
    const Superficie s = nueva_superficie_escena(1400, 700);
    const struct {
        double x, y;
        int dx, dy;
    } casos[] = {{0, 0, 1, 0}, {0, 0, -1, 0}, {3000, 2000, 0, -10}, {6400, 3750, 10, 10}, {123.4567, 0.5, 0, 1}};
    for (const auto& c : casos) {
        const QPointF p = destino_con_teclas(s, c.x, c.y, c.dx, c.dy);
        // A drop reports the pointer's pixel, so the point must be a whole pixel off the marker's.
        const double px = s.x_px(p.x()), py = s.y_px(p.y());
        EXPECT_NEAR(px, std::round(s.x_px(c.x)) + c.dx, 1e-3) << c.x;
        EXPECT_NEAR(py, std::round(s.y_px(c.y)) + c.dy, 1e-3) << c.y;
        // Taken again from where it landed, no step is lost or doubled on the way back.
        const QPointF vuelta = destino_con_teclas(s, p.x(), p.y(), -c.dx, -c.dy);
        EXPECT_NEAR(s.x_px(vuelta.x()), std::round(s.x_px(c.x)), 1e-3);
        EXPECT_NEAR(s.y_px(vuelta.y()), std::round(s.y_px(c.y)), 1e-3);
    }
}

TEST(TecladoEscena, RecorreLasMarcasQueLaEscenaMuestra) {
    DosVuelos v;
    EstadoExp& st = *v.st;
    ASSERT_EQ(st.NExp, 2);
    using M = std::optional<MarcaEscena>;
    const int n1 = Registros(st, 0).muestras(), n2 = Registros(st, 1).muestras();
    ASSERT_EQ(n1, 20);
    const struct {
        M desde;
        int sentido;
        M espera;
    } casos[] = {
        {std::nullopt, 1, MarcaEscena{1, 1}},        // from none, the first
        {std::nullopt, -1, MarcaEscena{2, n2}},      // or the last
        {MarcaEscena{1, n1}, 1, MarcaEscena{2, 1}},  // on into the next experiment
        {MarcaEscena{2, 1}, -1, MarcaEscena{1, n1}},
        {MarcaEscena{2, n2}, 1, std::nullopt},  // nothing past either end
        {MarcaEscena{1, 1}, -1, std::nullopt},
        {MarcaEscena{3, 1}, 1, MarcaEscena{1, 1}},  // a mark no longer stored starts again
    };
    for (const auto& c : casos) EXPECT_EQ(marca_vecina(st, c.desde, c.sentido), c.espera);
    // At the tenfold zoom the first flight's marks beyond the scene are passed over.
    st.Escala = 10;
    M m = MarcaEscena{1, 1};
    int vistas = 1;
    while ((m = marca_vecina(st, m, 1)) && m->k == 1) ++vistas;
    EXPECT_EQ(vistas, 13);
    st.Escala = 1;
    {
        prueba::EnEspanol espanol;
        EXPECT_EQ(describir_marca(st, {1, 1}).toStdString(), "Experiencia 1, muestra 1 de 20: t 0 s, X 0 m, Y 0 m");
    }
    st.NExp = 0;
    EXPECT_EQ(marca_vecina(st, std::nullopt, 1), std::nullopt);
}
