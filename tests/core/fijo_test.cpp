// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "core/fijo.h"
#include "core/formato.h"

using namespace tya;

TEST(Fijo, RedondeoAlParYDesborde) {
    // The double product v·10000 rounded as the processor rounds it: an exact binary half goes
    // to even, a decimal near-tie (0.00015·10000 = 1.4999999999999998) to its nearer side.
    const struct {
        double v;
        int64_t crudo;
    } casos[] = {
        {0.00005, 0},
        {0.00015, 1},
        {-0.00025, -2},
        {-0.00035, -4},
        {1.00005, 10001},
        {12.34567, 123457},
        {123456789012.3457, 1234567890123457},
        {123456789012.34, 1234567890123400},
        {225179981368.52475, 2251799813685248},
        {-225179981368.52465, -2251799813685246},
    };
    for (const auto& c : casos) EXPECT_EQ(Fijo::desde(c.v).crudo(), c.crudo) << c.v;
    // Around the shortcut's limit (2^51 after scaling) and on a spread of values, the same bits
    // as nearbyint.
    for (double v = 1e-7; v < 9e14; v *= 1.0137) {
        for (double s : {v, -v, v + 0.00005, 225179981368.5248 - v * 1e-9})
            ASSERT_EQ(Fijo::desde(s).crudo(), static_cast<int64_t>(std::nearbyint(s * 10000.0))) << s;
    }
    // Products are checked against the exact rule in paso_test.
    EXPECT_THROW(Fijo::desde(1e15), DesbordeFijo);
    EXPECT_THROW(Fijo::desde(1e12) * Fijo::desde(1e12), DesbordeFijo);
    EXPECT_THROW(Fijo::crudo(INT64_MAX) + Fijo::crudo(1), DesbordeFijo);
    EXPECT_EQ(Fijo::saturado(1e300).crudo(), INT64_MAX);
    EXPECT_EQ(Fijo::saturado(std::nan("")).crudo(), 0);
    for (const auto& [v, e] : {std::pair(2.5, 2), {3.5, 4}, {-2.5, -2}, {1e9, 32767}, {-1e9, -32768}})
        EXPECT_EQ(entero16(v), e) << v;
}

TEST(Formato, FormasYMascaras) {
    const QChar p('.'), c(',');
    const std::pair<QString, const char*> casos[] = {
        {forma_simple(Fijo::desde(12)), " 12"},
        {forma_simple(Fijo::desde(-3.25)), "-3.25"},
        {forma_simple(Fijo::desde(0.5)), " 0.5"},
        {forma_simple(Fijo::desde(1018.1234)), " 1018.1234"},
        {forma_simple(Fijo()), " 0"},
        {forma_impresion(Fijo::desde(7.1)), " 7.1 "},
        {forma_archivo(Fijo::desde(-0.0001)), "-0.0001"},
        {forma_simple_entero(3), " 3"},
        {forma_simple_f32(1018.125f), " 1018.125"},
        {forma_simple_f32(-0.5f), "-0.5"},
        {forma_simple_f32(123456789.0f), " 1.234568E+08"},
        {formato(Fijo::desde(53.0330), "###0.00", p), "53.03"},
        {formato(Fijo::desde(0.004), "###0.00", p), "0.00"},
        {formato(Fijo::desde(-0.2), "###0.00", c), "-0,20"},
        {formato(Fijo::desde(0.005), "##0.00", p), "0.01"},
        {formato(Fijo::desde(-0.004), "##0.00", p), "0.00"},
        {formato(Fijo::desde(100), "##0.0#", p), "100.0"},
        {formato(Fijo::desde(12.347), "##0.0#", p), "12.35"},
        {formato(Fijo::desde(11.3), "#0.0#", c), "11,3"},
        {formato(Fijo::desde(0.4), "0.#", p), "0.4"},
        {formato(Fijo::desde(5), "0.#", p), "5"},
        {formato(Fijo::desde(6449.6), "###0", p), "6450"},
        {formato(Fijo(), "##0", p), "0"},
        {ajustar("100.0", 8), "100.0   "},
        {ajustar("123456789", 6), "123456"},
    };
    for (const auto& [hecho, esperado] : casos) EXPECT_EQ(hecho, QString::fromLatin1(esperado));
}

TEST(Formato, LecturaDeNumeros) {
    // Either separator, in any locale; reading stops at a second one.
    const std::pair<const char*, double> casos[] = {{"1,5", 1.5},  {"1,5,2", 1.5}, {"1.5,2", 1.5}, {"12.7", 12.7},
                                                    {"  -3x", -3}, {"", 0},        {"abc", 0},     {".", 0}};
    for (const auto& [t, v] : casos) EXPECT_EQ(leer_numero(QString::fromLatin1(t)), v) << t;
    double v = 0;
    EXPECT_TRUE(leer_numero_completo(" 2,5 ", v) && v == 2.5);
    EXPECT_FALSE(leer_numero_completo("2.5a", v) || leer_numero_completo("", v));
    // More digits than a double holds: infinite, never a small value that passes a range check.
    const QString enorme = QString(400, QLatin1Char('9'));
    EXPECT_EQ(leer_numero(enorme), HUGE_VAL);
    EXPECT_EQ(leer_numero(QLatin1Char('-') + enorme), -HUGE_VAL);
    EXPECT_FALSE(leer_numero_completo(enorme, v));
}
