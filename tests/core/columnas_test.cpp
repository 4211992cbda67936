// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "core/columnas.h"

using namespace tya;

// The print position's rule: a column left of the position starts a new line there.
TEST(Columnas, SaltoDeLineaPorPosicion) {
    struct Caso {
        const char* nombre;
        std::function<void(TextoEnColumnas&)> pasos;
        QStringList lineas;
    };
    const QList<Caso> casos = {
        {"columna a la izquierda",
         [](TextoEnColumnas& t) {
             t.en(5, "ab");
             t.en(3, "x");
         },
         {"    ab", "  x"}},
        {"justo en la posición",
         [](TextoEnColumnas& t) {
             t.en(5, "abc");
             t.en(8, "y");
         },
         {"    abcy"}},
        {"pasada por uno",
         [](TextoEnColumnas& t) {
             t.en(5, "abcd");
             t.en(8, "y");
         },
         {"    abcd", "       y"}},
        {"línea vacía y fin",
         [](TextoEnColumnas& t) {
             t.linea(1, "a");
             t.fin_linea();
             t.en(2, "b");
         },
         {"a", "", " b"}},
        {"texto sigue la posición",
         [](TextoEnColumnas& t) {
             t.en(3, "a");
             t.texto("b");
             t.en(1, "c");
         },
         {"  ab", "c"}},
    };
    for (const Caso& c : casos) {
        TextoEnColumnas t;
        c.pasos(t);
        EXPECT_EQ(t.lineas(), c.lineas) << c.nombre;
    }
    // Measured widths: one character and a half each.
    TextoEnColumnas t([](const QString& s) { return 1.5 * s.size(); });
    t.en(1, "ab");  // ends at 4
    t.en(4, "c");
    t.en(5, "d");  // 5.5 is past 5
    ASSERT_EQ(t.renglones().size(), 2);
    EXPECT_TRUE(t.renglones()[0].size() == 2 && t.renglones()[1][0].columna == 5);
}
