// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>

#include "core/entrada_parametros.h"
#include "core/experiment_state.h"
#include "idioma.h"

using namespace tya;

TEST(EntradaParametros, LecturaReglasYMotivo) {
    prueba::EnEspanol guardia;
    // The limits of the shipped start-up file.
    std::array<Fijo, 11> max{};
    std::array<int16_t, 11> min{};
    const double mx[] = {0, 340, 180, 6450, 4200, 6450, 4200, 100, 100, 100, 50};
    const int mn[] = {0, 0, -180, 0, 0, 0, 0, -100, -100, 0, -50};
    for (size_t i = 1; i <= 10; ++i) {
        max[i] = Fijo::desde(mx[i]);
        min[i] = int16_t(mn[i]);
    }

    // Texts: a comma is a decimal separator like the point, whatever the locale; reading stops
    // at a second one; positions keep whole metres; the answer for a density holds only digits
    // and separators.
    const Lectura caja = Lectura::Caja, resp = Lectura::Respuesta;
    const struct {
        int dato;
        const char* texto;
        Lectura l;
        double valor;
        Rechazo r;
        const char* permitido;
    } textos[] = {
        {iVo, "52,5", caja, 52.5, Rechazo::Ninguno, ""},
        {iVo, "52.5", caja, 52.5, Rechazo::Ninguno, ""},
        {iVo, "1,5,2", caja, 1.5, Rechazo::Ninguno, ""},
        {iAng, "-1.5,2", caja, -1.5, Rechazo::Ninguno, ""},
        {iR, "0,5", caja, 0.5, Rechazo::Ninguno, ""},
        {iAng, "x", caja, 0, Rechazo::Ninguno, ""},
        {iVo, "350", caja, 350, Rechazo::FueraDeRango, "de 0 a 340"},
        {iXo, "12,7", caja, 12, Rechazo::Ninguno, ""},
        {iYoB, "-0,5", caja, -1, Rechazo::FueraDeRango, "de 0 a 4200"},
        {dDensidad, "5,5", resp, 5.5, Rechazo::Ninguno, ""},
        {dDensidad, "1.5,2", resp, 1.5, Rechazo::Ninguno, ""},
        {dDensidad, "5 5", resp, 0, Rechazo::NoEsNumero, ""},
        {dDensidad, "-5", resp, 0, Rechazo::NoEsNumero, ""},
        {dDensidad, "0,005", resp, 0.005, Rechazo::FueraDeRango, "de 0.01 a 20"},
    };
    for (const auto& c : textos) {
        const ValorEntrado v = comprobar_entrada(c.dato, QString::fromLatin1(c.texto), c.l, max, min);
        EXPECT_EQ(std::tuple(v.valor, v.rechazo, v.permitido),
                  std::tuple(c.valor, c.r, QString::fromLatin1(c.permitido)))
            << c.texto;
        EXPECT_EQ(v.metros_enteros, c.dato == iXo || c.dato == iYoB) << c.texto;
    }
    // Values already read, as the launch lines give them: medium and shape take two values
    // each; NaN and values beyond the fixed-point range never pass.
    const struct {
        int dato;
        double v;
        const char* permitido;
    } valores[] = {
        {dAire, 1, ""},           {dAire, 0.5, "0 o 1"}, {dCd, 0.2, ""},
        {dCd, 0.3, "0.4 o 0.2"},  {dDensidad, 20, ""},   {iVo, std::nan(""), "de 0 a 340"},
        {iR, 1e30, "de 0 a 100"}, {iViento, -50, ""},
    };
    for (const auto& c : valores)
        EXPECT_EQ(comprobar_entrada(c.dato, c.v, max, min).permitido, QString::fromLatin1(c.permitido)) << c.v;
}
