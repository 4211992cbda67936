// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "apoyo.h"
#include "core/traduccion.h"
#include "platform/reloj.h"

using namespace tya;
using namespace tya::prueba;

namespace {
// FNV-1a over the raw values of a record, to pin a flight's digits.
uint64_t huella(const EstadoExp& st, int e) {
    uint64_t h = 1469598103934665603ull;
    auto mezclar = [&](int64_t v) {
        for (int b = 0; b < 8; ++b) {
            h ^= uint64_t(v >> (8 * b)) & 0xff;
            h *= 1099511628211ull;
        }
    };
    const int n = muestras(st.Pos[e]);
    for (int k = 0; k <= 2 * n + 8; ++k) mezclar(st.Pos[e][k].crudo());
    for (int k = 1; k <= 2 * n + 8; ++k) mezclar(st.VelMarca[e][k].crudo());
    for (const Fijo& f : st.Extremos[e]) mezclar(f.crudo());
    return h;
}
}  // namespace

// The examples' digits. Every vacuum velocity update is a decimal near-tie (9.81 × 0.015), so
// sample 2's Y and the landing move if a near-tie is ever sent to even again.
TEST(Vuelo, EjemplosVacioYAire) {
    const struct {
        int aire;
        int n;
        int64_t y2, tf, xf;
        uint64_t huella;
        int eventos;
    } casos[] = {
        {0, 20, 502186, 143989, 10181942, 3398361459643206077ull, 960},
        {1, 16, 471457, 112676, 4697601, 3858149149516854444ull, 752},
    };
    for (const auto& c : casos) {
        Banco b;
        b.lanzamiento(100, 45, 0, 0, c.aire, 1);
        EXPECT_EQ(b.volar(), FinVuelo::Suelo);
        const auto& st = *b.st;
        const Registros exp(st, 0);
        EXPECT_EQ(exp.muestras(), c.n);
        EXPECT_EQ(exp.y(2).crudo(), c.y2);
        EXPECT_EQ(exp.tf().crudo(), c.tf);
        EXPECT_EQ(exp.xf().crudo(), c.xf);
        EXPECT_EQ(exp.yf().crudo(), 0) << "the landing is interpolated to the ground";
        EXPECT_EQ(huella(st, 0), c.huella) << "golden: " << huella(st, 0);
        EXPECT_EQ(b.ventana.eventos, c.eventos) << "one event-pump call per 0.015 s step";
        EXPECT_EQ(std::tuple(st.NGrafSel, st.EnVuelo, b.ventana.ngraf), std::tuple(1, 0, QString("1")));
    }
}

TEST(Vuelo, FinalesDelVuelo) {
    {  // One-step flights come back to t = 0 and the launch point.
        Banco b;
        b.lanzamiento(50, -30, 100, 0);
        b.volar();
        const Registros exp(*b.st, 0);
        EXPECT_EQ(std::tuple(exp.muestras(), exp.tf().crudo(), exp.yf().crudo()), std::tuple(1, 0, 0));
        EXPECT_NEAR(exp.xf().real(), 100, 0.001);
    }
    {  // Stop from inside the flight's event processing: stopped in the air, no interpolation.
        Banco b;
        b.ventana.en_evento = [&] {
            if (b.ventana.eventos == 120) b.st->Parar = 1;
        };
        EXPECT_EQ(b.volar(), FinVuelo::Parada);
        const Registros exp(*b.st, 0);
        EXPECT_EQ(exp.muestras(), 3);
        EXPECT_GT(exp.yf().real(), 0);
    }
    {  // Target hit: message, YmaxEnt stays 0, Dmin below 10.
        Banco b;
        b.ventana.blanco = true;
        b.st->XoB() = Fijo::entero(200);
        b.st->YoB() = Fijo::entero(160);
        EXPECT_EQ(b.volar(), FinVuelo::Impacto);
        EXPECT_EQ(std::pair(b.dialogos.mensajes, b.st->YmaxEnt),
                  std::pair(QStringList{Trayecta::tr("Impacto")}, int16_t(0)));
        EXPECT_TRUE(Registros(*b.st, 0).resumen(CampoResumen::Dmin).real() < 10 && b.ventana.movimientos_blanco > 0);
    }
    {  // 1900 samples from a great height; the radius is raised to 0.01.
        Banco b;
        b.lanzamiento(0, 0, 10, 1e7, 0, 0);
        EXPECT_EQ(b.volar(), FinVuelo::Limite);
        EXPECT_EQ(std::pair(b.dialogos.mensajes, Registros(*b.st, 0).muestras()),
                  std::pair(QStringList{Trayecta::tr("Fin de Simulación")}, 1900));
        EXPECT_EQ(b.st->Tiempo[0][1900], Fijo::desde(1424.25));
        EXPECT_EQ(std::pair(b.st->R(), b.ventana.radio), std::pair(Fijo::crudo(100), QString("0.01")));
    }
    {  // Far outside every range: an orderly end, indices in bounds.
        Banco b;
        b.lanzamiento(1e14, 45, 0, 0);
        EXPECT_EQ(b.volar(), FinVuelo::Desborde);
        EXPECT_EQ(b.st->EnVuelo, 0);
        EXPECT_LE(Registros(*b.st, 0).muestras(), 1900);
    }
    {  // s = 0: wind equal to vx, no vertical speed.
        Banco b;
        b.lanzamiento(20, 0, 0, 100, 1, 1, 20);
        b.volar();
        EXPECT_EQ(std::pair(b.st->Ax[0][1], b.st->Ay[0][1]), std::pair(Fijo(), Fijo::desde(-9.81)));
    }
}

// A bullet slows less than a sphere of the same radius and material.
// The summary row keeps the launch as it was given, the target's values too when none was placed.
TEST(Vuelo, ResumenConElLanzamiento) {
    Banco b;
    b.lanzamiento(50, 30, 10, 20);
    b.st->XoB() = Fijo::entero(3000);
    b.st->YoB() = Fijo::entero(15);
    b.st->Vxb() = Fijo::desde(-5.5);
    b.st->Vyb() = Fijo::entero(2);
    b.volar();
    using C = CampoResumen;
    const std::pair<C, double> esperados[] = {{C::Xo, 10},    {C::Yo, 20},  {C::Vo, 50},    {C::Ang, 30},
                                              {C::XoB, 3000}, {C::YoB, 15}, {C::Vxb, -5.5}, {C::Vyb, 2}};
    for (const auto& [campo, valor] : esperados)
        EXPECT_EQ(Registros(*b.st, 0).resumen(campo), Fijo::desde(valor)) << static_cast<int>(campo);
}

TEST(Vuelo, FormaDelProyectil) {
    Banco esfera, bala;
    esfera.lanzamiento(300, 30, 0, 0, 1, 1);
    bala.lanzamiento(300, 30, 0, 0, 1, 1);
    bala.st->Cd = kCdForma[1];
    esfera.volar();
    bala.volar();
    EXPECT_GT(Registros(*bala.st, 0).resumen(CampoResumen::Xmax), Registros(*esfera.st, 0).resumen(CampoResumen::Xmax));
}

TEST(Vuelo, PausaConRelojQueDaLaVuelta) {
    // The clock passes midnight: a reading below the mark ends the wait.
    struct Medianoche : Reloj {
        double t = 86399.995;
        double segundos() override {
            double r = t;
            t += 0.002;
            if (t >= 86400) t -= 86400;
            return r;
        }
    } reloj;
    const double marca = reloj.segundos();
    EXPECT_LT(esperar_desde(reloj, marca, 0.01), 1.0);
}

// Light or small particles fast enough that one whole step's drag would overshoot: bounded
// speeds, never behind the launch point in still air, down to the ground or near terminal speed.
TEST(Vuelo, ParticulasLivianasAcotadas) {
    const struct {
        double vo, yo, r, densidad;
        FinVuelo fin;
    } casos[] = {
        {35, 3500, 1, 0.01, FinVuelo::Limite},  // just past the limit of one whole step
        {100, 3500, 1, 0.01, FinVuelo::Limite},
        {80, 0, 1, 0.01, FinVuelo::Suelo},
        {100, 0, 0.01, 0.7, FinVuelo::Suelo},  // a wood speck
    };
    for (const auto& c : casos) {
        Banco b;
        b.lanzamiento(c.vo, 45, 0, c.yo, 1, c.r);
        b.st->Densidad = Fijo::desde(c.densidad);
        b.st->Cd = kCdForma[0];
        EXPECT_EQ(b.volar(), c.fin) << c.vo;
        const Registros exp(*b.st, 0);
        for (int j = 1; j <= exp.muestras(); ++j) {
            EXPECT_LE(std::hypot(b.st->Vx[0][j].real(), b.st->Vy[0][j].real()),
                      c.vo + 9.81 * b.st->Tiempo[0][j].real() + 0.01);
            EXPECT_GE(b.st->Xs[0][j], 0.0f);
        }
        EXPECT_GT(exp.tf().real(), 0.1);
        EXPECT_GE(exp.xf().real(), 0);
        const double r = c.r, masa = 4.0 / 3 * M_PI * r * r * r * c.densidad / 1000;
        const double k = 0.5 * kCdForma[0].real() * 0.0013 * M_PI * r * r / 10;
        if (c.fin == FinVuelo::Limite) {
            EXPECT_NEAR(-exp.resumen(CampoResumen::VfY).real(), std::sqrt(masa * 9.81 / k), 0.01);
        }
    }
}
