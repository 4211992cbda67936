// SPDX-License-Identifier: GPL-3.0-or-later
// The table of launch quantities: one entry per quantity where every list finds it, and the
// tooltips' ranges from INIC.DAT.
#include "core/cantidades.h"

#include <gtest/gtest.h>

#include <set>

#include "core/experiment_state.h"
#include "core/inic.h"
#include "idioma.h"

using namespace tya;

TEST(Cantidades, CadaUnaEnSuLugarYSinRepetirse) {
    std::set<int> datos;
    std::set<QString> nombres_vistos;
    auto st = std::make_unique<EstadoExp>();
    for (const DefCantidad& c : kCantidades) {
        SCOPED_TRACE(c.nombre);
        EXPECT_EQ(&cantidad(c.id), &c);  // the entries follow the launch line's order
        EXPECT_TRUE(datos.insert(c.dato).second);
        EXPECT_TRUE(nombres_vistos.insert(QString::fromUtf8(c.nombre)).second);
        EXPECT_EQ(cantidad_por_nombre(QString::fromUtf8(c.nombre).toLower()), &c);
        EXPECT_EQ(cantidad_de_param(c.dato), es_parametro(c) ? &c : nullptr);
        st->poner(c.id, Fijo::entero(static_cast<int>(c.id) + 1));  // 1 or more, as Aire is read
    }
    // Each reads back its own value: no two share a place in the state.
    for (const DefCantidad& c : kCantidades)
        EXPECT_EQ(st->valor(c.id), Fijo::entero(static_cast<int>(c.id) + 1)) << c.nombre;
    EXPECT_EQ(cantidad_de_param(0), nullptr);
    EXPECT_EQ(cantidad_de_param(kParametros + 1), nullptr);
    EXPECT_EQ(static_cast<int>(datos.size()), static_cast<int>(kCantidades.size()));
    // The lists trayecta-calc's help and manual give.
    EXPECT_EQ(nombres(&DefCantidad::barrido), "Xo Yo Vo Ang Viento R Densidad Cd");
    EXPECT_EQ(kCantidadesEnBitacora, 9);
}

TEST(Cantidades, AyudaConElRangoDeInic) {
    prueba::EnEspanol guardia;
    ValoresInic v;
    QString error;
    ASSERT_TRUE(leer_inic(QStringLiteral(TYA_DATOS "/INIC.DAT"), v, error)) << error.toStdString();
    ValoresInic otro;
    ASSERT_TRUE(leer_inic_texto(
        "50,120,10\n0,90,0\n0,800,0\n0,300,0\n" + QString("0,1,0\n").repeated(4) + "2,5,1\n0,20,-20\n", otro, error))
        << error.toStdString();
    const struct {
        Cantidad c;
        const char* enviado;
        const char* clase;
    } casos[] = {
        {Cantidad::Vo, "Velocidad Inicial, de 0 a 340 m/S", "Velocidad Inicial, de 10 a 120 m/S"},
        {Cantidad::Ang, "Angulo Inicial, de -180º a +180º", "Angulo Inicial, de 0º a 90º"},
        {Cantidad::Xo, "X inicial, de 0 a 6450 m", "X inicial, de 0 a 800 m"},
        {Cantidad::Yo, "Y Inicial, de 0 a 4200 m", "Y Inicial, de 0 a 300 m"},
        // INIC.DAT allows 0; a flight raises the radius to 0.01.
        {Cantidad::R, "Radio de Partícula, de 0.01cm a 100 cm", "Radio de Partícula, de 1cm a 5 cm"},
        {Cantidad::Viento, "Viento Horiz. De -50 m/S a +50m/S", "Viento Horiz. De -20 m/S a +20m/S"},
        {Cantidad::XoB, "", ""},
        {Cantidad::Densidad, "", ""},
    };
    for (const auto& c : casos) {
        EXPECT_EQ(texto_ayuda(cantidad(c.c), v.max, v.min).toStdString(), c.enviado);
        EXPECT_EQ(texto_ayuda(cantidad(c.c), otro.max, otro.min).toStdString(), c.clase);
    }
}
