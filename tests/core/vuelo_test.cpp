#include <gtest/gtest.h>

#include "apoyo.h"

using namespace tya;
using namespace tya::prueba;

TEST(Vuelo, VacioCuarentaYCinco) {
    Banco b;
    EXPECT_EQ(b.volar(), FinVuelo::Suelo);
    auto& st = *b.st;
    const int n = muestras(st.Pos[0]);
    EXPECT_EQ(n, 20);
    EXPECT_EQ(st.Tiempo[0][20].real(), 14.25);
    EXPECT_NEAR(st.VelMarca[0][2 * n + 8].real(), 14.40, 0.01);
    EXPECT_NEAR(st.Pos[0][2 * n + 6].real(), 1018.1, 0.1);
    EXPECT_EQ(st.Pos[0][2 * n + 7].crudo(), 0);
}

TEST(Vuelo, AirePlomo) {
    Banco b;
    b.lanzamiento(100, 45, 0, 0, 1, 1);
    b.volar();
    auto& st = *b.st;
    const int n = muestras(st.Pos[0]);
    EXPECT_NEAR(st.VelMarca[0][2 * n + 8].real(), 11.27, 0.01);
    EXPECT_NEAR(st.Pos[0][2 * n + 6].real(), 469.8, 0.1);
}
