// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <random>

#include "core/paso.h"

using namespace tya;

namespace {
// The product as the fixed-point rule defines it, in 128 bits: floor quotient, ties to even.
int64_t producto_exacto(int64_t a, int64_t b) {
    const __int128 p = static_cast<__int128>(a) * b;
    __int128 q = p / 10000, r = p % 10000;
    if (r < 0) {
        r += 10000;
        q -= 1;
    }
    if (r > 5000 || (r == 5000 && (q & 1) != 0)) q += 1;
    return static_cast<int64_t>(q);
}
}  // namespace

// The FPU shortcuts must give the bits of the exact rules: products on both sides of the 2^53
// switch, exact halves among them, and whole steps against the general path.
TEST(Paso, AtajosIgualAlCalculoExacto) {
    std::mt19937_64 azar(7);
    for (int k = 0; k < 200000; ++k) {
        const int bits = 1 + static_cast<int>(azar() % 62);
        const int64_t a = static_cast<int64_t>(azar() >> (64 - bits)) * ((k & 1) ? -1 : 1);
        const int64_t b = (k % 3 == 0) ? 5000 * (1 + static_cast<int64_t>(azar() % 4))
                                       : static_cast<int64_t>(azar() % 4000001) - 2000000;
        __int128 p = static_cast<__int128>(a) * b;
        if (p / 10000 > INT64_MAX || p / 10000 < INT64_MIN) continue;
        ASSERT_EQ((Fijo::crudo(a) * Fijo::crudo(b)).crudo(), producto_exacto(a, b)) << a << " * " << b;
    }
    const MedioPaso rapido(Fijo::crudo(150), 4, 0.0013, 0.05);
    MedioPaso general = rapido;
    general.s2_rapido = 0;
    std::uniform_real_distribution<double> v(-400, 400), pos(0, 5000);
    for (int k = 0; k < 20000; ++k) {
        EstadoPaso e;
        e.t = Fijo::crudo(150 * (k % 9000));
        e.x = Fijo::desde(pos(azar));
        e.y = Fijo::desde(pos(azar));
        e.vx = Fijo::desde(v(azar));
        e.vy = Fijo::desde(v(azar));
        EstadoPaso a = e, b = e;
        Escaladas nuevas;
        ASSERT_EQ(avanzar(a, rapido, nuevas), Via::Rapida);
        ASSERT_EQ(avanzar(b, general, nuevas), Via::Lenta);
        const PasoGeneral g = avanzar_lento(b, general);
        ASSERT_TRUE(g.completo && !g.partido);
        b = g.e;
        ASSERT_TRUE(a.t == b.t && a.x == b.x && a.y == b.y && a.vx == b.vx && a.vy == b.vy) << k;
    }
}
