// SPDX-License-Identifier: GPL-3.0-or-later
// The start-up factor and the command line: what a classroom screen and a file manager give.
#include "core/tamano_ventana.h"

#include <gtest/gtest.h>

#include "core/argumentos.h"
#include "idioma.h"
#include "scene/escena.h"

using namespace tya;

TEST(TamanoVentana, ElDisenoLlenaCadaPantallaYCabeEnLasChicas) {
    // The ground band's width in the window's pixels at 100 %.
    const double banda = 6450 * kAreaAnchoPx / (kEscenaX2 - kEscenaX1);
    const struct {
        int ancho, alto;
        double factor;
    } casos[] = {{1024, 768, 1.125}, {1366, 768, 1.5}, {1920, 1080, 2.125}, {3840, 2160, 4.25}, {800, 600, 1}};
    for (const auto& c : casos) {
        const double f = factor_automatico({c.ancho, c.alto});
        EXPECT_EQ(f, c.factor) << c.ancho;
        // Everything the window must show is on the screen, title bar included, once it fits at all.
        if (c.ancho >= kTamanoDiseno.width()) {
            EXPECT_TRUE(kTamanoDiseno.width() * f <= c.ancho && kTamanoDiseno.height() * f + kReservaTitulo <= c.alto)
                << c.ancho;
        }
        if (c.ancho >= 1920) { EXPECT_GE(banda * f, 0.6 * c.ancho) << c.ancho; }
    }
    EXPECT_EQ(tamano_valido(150), 150);
    EXPECT_EQ(tamano_valido(175), 0);
    EXPECT_EQ(tamano_valido(-1), 0);
}

TEST(TamanoVentana, UnaCajaQueSaleVuelveALaZona) {
    const QRect zona(0, 20, 900, 500);
    const struct {
        QRect caja;
        QPoint donde;
    } casos[] = {
        {{100, 100, 300, 200}, {100, 100}},  // inside: stays
        {{700, 400, 300, 200}, {600, 320}},  // beyond the right and bottom edges
        {{-50, 0, 300, 200}, {0, 20}},       // before the left and top edges
        {{100, 100, 1000, 600}, {0, 20}},    // larger than the zone: its corner inside
    };
    for (const auto& c : casos) EXPECT_EQ(a_la_vista(c.caja, zona), c.donde) << c.caja.x();
}

// What every classroom screen gives: the sizes it may choose, and windows and panels that
// stay on it and off the flight.
TEST(TamanoVentana, CadaVentanaYPanelCabeEnCadaPantalla) {
    const Superficie escena = nueva_superficie_escena(3840, 2160);
    const QRect vuelo = zona_vuelo(escena);
    const struct {
        int ancho, alto, mayor;
    } pantallas[] = {{1024, 768, 100},  {1280, 800, 125},  {1366, 768, 150},
                     {1600, 1000, 150}, {1920, 1080, 200}, {3840, 2160, 300}};
    for (const auto& p : pantallas) {
        const QSize fisica(p.ancho, p.alto);
        EXPECT_EQ(tamano_mayor_que_cabe(fisica), p.mayor) << p.ancho;
        EXPECT_FALSE(tamano_cabe(p.mayor == 300 ? 301 : p.mayor + 25, fisica)) << p.ancho;
        EXPECT_TRUE(tamano_cabe(0, fisica)) << p.ancho;
        // In the window's own pixels at the automatic size, below a 24-pixel menu bar.
        const double f = factor_automatico(fisica);
        const QRect pantalla(0, 0, int(p.ancho / f), int(p.alto / f));
        const QRect ventana = pantalla.adjusted(0, 24, 0, 0);
        // A text window longer than any screen is cut to it and scrolls.
        const QRect texto = recortada_a(QRect(60, 100, 470, 1200), pantalla);
        EXPECT_TRUE(pantalla.contains(texto)) << p.ancho;
        // The sample table and the replay panel, wished where the flight's ground is.
        for (const QSize caja : {QSize(130, 190), QSize(300, 150)}) {
            const QPoint donde = lugar_libre(caja, ventana, {vuelo}, vuelo.bottomLeft());
            EXPECT_TRUE(ventana.contains(QRect(donde, caja))) << p.ancho << " " << caja.width();
            EXPECT_FALSE(QRect(donde, caja).intersects(vuelo)) << p.ancho << " " << caja.width();
        }
    }
    // No free place: the one that covers least, still inside.
    const QRect zona(0, 0, 100, 100);
    EXPECT_EQ(lugar_libre({60, 60}, zona, {QRect(0, 0, 100, 50)}, {0, 0}), QPoint(0, 40));
    EXPECT_EQ(lugar_libre({60, 60}, zona, {QRect(0, 0, 70, 100)}, {0, 0}), QPoint(40, 0));
    // Weighed: the lighter box is the one covered.
    EXPECT_EQ(lugar_libre({60, 60}, zona, {{QRect(0, 0, 100, 50), 3}, QRect(0, 50, 100, 50)}, {0, 0}), QPoint(0, 40));
    EXPECT_EQ(lugar_libre({60, 60}, zona, {QRect(0, 0, 100, 50), {QRect(0, 50, 100, 50), 3}}, {0, 0}), QPoint(0, 0));
}

TEST(Argumentos, UnArchivoONadaYUnMensajeParaLoDemas) {
    prueba::EnEspanol guardia;
    const struct {
        QStringList args;
        QString archivo;
        const char* error;
    } casos[] = {
        {{}, {}, nullptr},
        {{"clase.TYA"}, "/aula/clase.TYA", nullptr},
        {{"../otra/x.tya"}, "/otra/x.tya", nullptr},
        {{"--", "-raro.TYA"}, "/aula/-raro.TYA", nullptr},
        {{"/tmp/a.TYA"}, "/tmp/a.TYA", nullptr},
        {{"a.TYA", "b.TYA"}, {}, "sobra «b.TYA»"},
        {{"-x"}, {}, "opción desconocida «-x»"},
        {{"--ayuda", "a.TYA"}, {}, "opción desconocida «--ayuda»"},
        {{""}, {}, "vacío"},
    };
    for (const auto& c : casos) {
        const Argumentos a = leer_argumentos(c.args, "/aula");
        EXPECT_EQ(a.archivo, c.archivo) << c.args.join(' ').toStdString();
        if (c.error)
            EXPECT_TRUE(a.error.contains(QString::fromUtf8(c.error)) && a.error.contains("Uso: trayecta"))
                << a.error.toStdString();
        else
            EXPECT_TRUE(a.error.isEmpty()) << a.error.toStdString();
    }
    // A query is answered instead of opening anything, even before a file name.
    const Argumentos v = leer_argumentos({"--version", "a.TYA"}, "/aula");
    EXPECT_EQ(std::tuple(v.respuesta, v.archivo, v.error),
              std::tuple(QString("trayecta " TRAYECTA_VERSION "\n"), QString(), QString()));
}
