// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "apoyo.h"
#include "graphs/tablas.h"

using namespace tya;
using namespace tya::prueba;

namespace {
const QChar kComa(QLatin1Char(','));
}  // namespace

TEST(Tablas, FilasYCampos) {
    auto propio = std::make_unique<EstadoExp>();
    EstadoExp& st = *propio;
    guardar(st, 1, {{0, 0, 0, 0}, {0.004, 12.3456, 0.004, 3}, {-12.3456, -0.2, 0.37, -9.8765}, {1234.5, 0, 0, 1234.5}},
            {0.37, -0.2, 0.5, -3.456}, 2.6);
    // One row per sample and the final one; only exact zeros read "0" in the sample rows, the
    // final row reads "0" from 0 up to 1; the final time, not the step counter.
    const QStringList pos = {"0\t0\t0", "0,75\t0,00\t12,35", "1,50\t-12,35\t-0,20", "2,25\t1234,50\t0",
                             "2,60\t0\t-0,20"};
    EXPECT_EQ(tabla_posiciones(st, 1, kComa), pos);
    EXPECT_EQ(texto_copia(pos), pos.join("\r\n") + "\r\n");
    const QStringList vel = {"0\t0\t0", "0,75\t0,00\t3,00", "1,50\t0,37\t-9,88", "2,25\t0\t1234,50", "2,60\t0\t-3,46"};
    EXPECT_EQ(tabla_velocidades(st, 1, kComa), vel);
    // The separator passed in is the only one used.
    EXPECT_EQ(tabla_posiciones(st, 1, QLatin1Char('.'))[2], QStringLiteral("1.50\t-12.35\t-0.20"));

    // The final row's "0" ends below 1.
    guardar(st, 2, {{5, 5, 5, 5}}, {0.9999, 1, 0.9999, 1}, 0);
    EXPECT_EQ(tabla_posiciones(st, 2, kComa).back(), "0,00\t0\t1,00");
    EXPECT_EQ(tabla_velocidades(st, 2, kComa).back(), "0,00\t0\t1,00");

    // The longest flight: every sample listed, the times from the 0.75 s period without drift.
    guardar(st, 3, std::vector<Muestra>(kMarcasMax, Muestra{1, 2, 3, 4}), {1, 2, 3, 4}, 1424.6);
    const QStringList largas = tabla_posiciones(st, 3, kComa);
    EXPECT_EQ(largas.mid(kMarcasMax - 2),
              QStringList({"1423,50\t1,00\t2,00", "1424,25\t1,00\t2,00", "1424,60\t1,00\t2,00"}));
}

TEST(Tablas, SinExperienciaNoHayFilas) {
    Banco b;
    EstadoExp& st = *b.st;
    b.volar();
    b.volar();
    guardar(st, 4, {{1, 1, 1, 1}}, {1, 1, 1, 1}, 1);
    st.NExp = 3;                 // experiment 3 was never stored, 4 lies beyond NExp
    st.VelMarca[1][1] = Fijo();  // experiment 2 has lost its velocity record
    for (int sel : {0, 2, 3, 4, 11, -1, 32767}) {
        EXPECT_EQ(tabla_posiciones(st, sel, kComa), QStringList()) << sel;
        EXPECT_EQ(tabla_velocidades(st, sel, kComa), QStringList()) << sel;
    }
}
