// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "aplicacion.h"
#include "apoyo.h"
#include "graphs/cursor_grafico.h"

using namespace tya;
using namespace tya::prueba;

// The cursor's column passes through the curve's own pixel of each sample, on the single and
// the comparison graphs; none beyond the box's right edge or on a box with no graph.
TEST(CursorGrafico, ColumnaSobreLaCurva) {
    Banco b;
    b.volar();                       // 100 m/s at 45°: 20 samples, T = 15
    b.lanzamiento(60, 30, 200, 50);  // its curves clear of the first one's
    b.volar();
    EstadoExp& st = *b.st;
    const Registros exp(st, 0);
    const int n = exp.muestras();
    const uint32_t tinta = ~color_paleta(exp.color()) & 0xffffffu;
    AcumComparacion acum;
    for (int caja = 0; caja < 3; ++caja) {
        Superficie c = nueva_caja_grafico(caja == 0 ? CajaGrafico::Curvas : CajaGrafico::ComparaP);
        const bool velocidades = caja == 1;
        const MarcoGrafico m = caja == 0   ? graficar_posiciones(st, 1, c, true)
                               : caja == 1 ? graficar_velocidades(st, 1, c, true)
                                           : comparar_posiciones(st, acum, c, true);
        const Muestreo r = exp.de(velocidades ? Magnitud::Velocidades : Magnitud::Posiciones);
        for (int i : {1, 2, 9, n}) {
            const std::optional<int> x = columna_cursor(c, m, st, i);
            // The velocity and comparison graphs end at T while the curves are shifted T/20
            // right: the last sample lies on the edge, off the box.
            if (caja != 0 && i == n) {
                EXPECT_FALSE(x);
                continue;
            }
            ASSERT_TRUE(x) << caja << " " << i;
            const int y = static_cast<int>(std::floor(c.y_px(static_cast<float>(r.vertical(i).real())) + 0.5));
            EXPECT_EQ(c.imagen().pixel(*x, std::min(y, c.alto_px() - 1)) & 0xffffffu,
                      qRgb(rojo(tinta), verde(tinta), azul(tinta)) & 0xffffffu)
                << caja << " " << i;
        }
    }
    Superficie vacia = nueva_caja_grafico(CajaGrafico::Curvas);
    EXPECT_FALSE(columna_cursor(vacia, MarcoGrafico{}, st, 1));
}
