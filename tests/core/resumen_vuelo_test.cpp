// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QRegularExpression>

#include "core/formato.h"
#include "core/resumen_vuelo.h"
#include "core/vuelo_sin_ventana.h"
#include "idioma.h"
#include "separador.h"

using namespace tya;
using namespace tya::prueba;

namespace {
// A line written with "." in its numbers, as the locale should show it (sentences keep their stops).
std::string local(const char* t) {
    return QString::fromUtf8(t)
        .replace(QRegularExpression(QStringLiteral("(\\d)\\.(\\d)")),
                 QStringLiteral("\\1") + QChar(separador_esperado()) + QStringLiteral("\\2"))
        .toStdString();
}
}  // namespace

TEST(ResumenVuelo, LineasDeVuelosReales) {
    EnEspanol guardia;
    VueloSinVentana v;
    EstadoExp& st = *v.st;
    PorExp<std::optional<LanceVuelo>> lances;
    const struct {
        int aire;
        Fijo densidad;
        const char* linea;
    } casos[] = {
        {0, kDensMat[0], "Experiencia 1, vacío, plomo: alcance 1018.19 m, altura máxima 254 m, tiempo 14.4 s."},
        {1, kDensMat[0], "Experiencia 2, aire, plomo: alcance 469.76 m, altura máxima 158 m, tiempo 11.27 s."},
        {1, Fijo::crudo(32000),
         "Experiencia 3, aire, d = 3.2 g/cm³: alcance 224.67 m, altura máxima 92 m, tiempo 8.51 s."},
    };
    for (const auto& c : casos) {
        st.Vo() = Fijo::entero(100);
        st.Ang() = Fijo::entero(45);
        st.R() = Fijo::entero(1);
        st.Aire = int16_t(c.aire);
        st.Densidad = c.densidad;
        const FinVuelo fin = v.volar();
        EXPECT_EQ(fin, FinVuelo::Suelo);
        lances[size_t(st.NExp - 1)] = lance_actual(st, fin);
        EXPECT_EQ(linea_resultado(st, st.NExp - 1, lance_actual(st, fin), false, separador_local()).toStdString(),
                  local(c.linea));
    }
    // The same flights listed; one read from a file knows only its medium, by its drag.
    lances[1].reset();
    EXPECT_EQ(describir_vuelos(st, lances, false, separador_local()).split(QLatin1Char('\n')).value(1).toStdString(),
              local("Experiencia 2, aire: alcance 469.76 m, altura máxima 158 m, tiempo 11.27 s."));
    // How a flight ended closes its line.
    const struct {
        FinVuelo fin;
        const char* cola;
    } fines[] = {{FinVuelo::Impacto, " Impacto."},
                 {FinVuelo::Limite, " Fin de Simulación."},
                 {FinVuelo::Parada, " Detenido."},
                 {FinVuelo::Desborde, " Fuera de escala."}};
    for (const auto& f : fines)
        EXPECT_TRUE(linea_resultado(st, 0, LanceVuelo{false, kDensMat[4], f.fin}, false, '.')
                        .endsWith(QString::fromUtf8(f.cola)));
    // The launch panel's materials by their densities; any other density is given as a number.
    const char* const materiales[] = {"plomo", "acero", "piedra", "hielo", "madera"};
    for (size_t k = 0; k < kDensMat.size(); ++k)
        EXPECT_EQ(nombre_material(kDensMat[k], '.').toStdString(), materiales[k]);
    EXPECT_EQ(nombre_material(Fijo::crudo(10001), ',').toStdString(), "d = 1,0001 g/cm³");
    st.NExp = 0;
    EXPECT_EQ(describir_vuelos(st, lances, false, '.').toStdString(), "Ninguna experiencia.");
}
