// SPDX-License-Identifier: GPL-3.0-or-later
// The surface at a scaled screen: its image for the view next to the one everything else reads.
#include "platform/superficie.h"

#include <gtest/gtest.h>

#include <functional>

using namespace tya;

namespace {
constexpr uint32_t kFondo = 0xffffff, kTinta = 0x0000c0;

// The drawn pixels of an image, cut to their bounding box.
QImage recorte(const QImage& img) {
    QRect caja;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if ((img.pixel(x, y) & 0xffffff) != kFondo) caja |= QRect(x, y, 1, 1);
    return caja.isNull() ? QImage() : img.copy(caja);
}
}  // namespace

TEST(SuperficieEnPantalla, CadaMarcaEsElMismoDibujoEnBloques) {
    using Marca = std::function<void(Superficie&, double, double)>;
    const std::vector<std::pair<const char*, Marca>> marcas = {
        {"cruz", [](Superficie& s, double x, double y) { s.circulo(x, y, 1.2, kTinta); }},
        {"disco", [](Superficie& s, double x, double y) { s.circulo(x, y, 2.6, kTinta); }},
        {"triangulo",
         [](Superficie& s, double x, double y) {
             s.poligono(x, y, {{0, -3}, {3, 2}, {-3, 2}}, kTinta);
         }},
        {"punto", [](Superficie& s, double x, double y) { s.punto(x, y, kTinta); }},
    };
    for (const double r : {1.125, 1.5, 2.125})
        for (const auto& [nombre, marca] : marcas) {
            const int k = r < 1.5 ? 1 : 2;
            QImage primera;
            // Sixteen neighbouring pixels take every place a mark can fall among the screen's pixels.
            for (int i = 0; i < 16; ++i) {
                SCOPED_TRACE(testing::Message() << nombre << " a " << r << ", desplazada " << i);
                Superficie s(48, 40, kFondo);
                s.proporcion(r);
                marca(s, 12 + i, 14 + i / 2);
                const QImage aqui = recorte(s.imagen_pantalla());
                if (i == 0) {
                    primera = aqui;
                    // The surface's own pattern, each pixel a k by k block.
                    const QImage propia = recorte(s.imagen());
                    EXPECT_EQ(aqui, propia.scaled(propia.size() * k));
                }
                EXPECT_EQ(aqui, primera);
            }
        }
}

TEST(SuperficieEnPantalla, LoQueSeLeeNoCambiaYLosModosSeConservan) {
    auto dibujar = [](Superficie& s) {
        s.retenido(true);
        s.escala(0, 0, 60, 50);
        s.caja(5, 5, 40, 30, 0x408000);
        s.linea(0, 0, 59, 41, 0x102030);
        s.grosor(3);
        s.linea(3, 45, 50, 20, 0x00a0a0);
        s.grosor(1);
        s.modo(Modo::Invertido);
        s.circulo(20, 20, 1.2, kTinta);
        s.retenido(false);
        s.modo(Modo::InvertirFondo);
        s.linea(10, 40, 30, 10, 0);
    };
    Superficie uno(60, 50, kFondo), escalada(60, 50, kFondo);
    escalada.proporcion(1.125);
    dibujar(uno);
    dibujar(escalada);
    // Reading, copying and printing see the same pixels whatever the screen.
    EXPECT_EQ(escalada.imagen(), uno.imagen());
    EXPECT_EQ(escalada.imagen_retenida(), uno.imagen_retenida());
    EXPECT_EQ(uno.imagen_pantalla(), uno.imagen());
    EXPECT_EQ(escalada.color_en(20, 20), ~kTinta & 0xffffff);
    EXPECT_EQ(escalada.imagen_pantalla().size(), QSize(68, 57));
    // The view shows it one to one by its device pixel ratio.
    EXPECT_EQ(escalada.imagen_pantalla().devicePixelRatio(), 1.125);
    // The inverted mark on the screen's image holds the exact complement too.
    const QImage pantalla = escalada.imagen_pantalla();
    EXPECT_EQ(pantalla.pixel(23, 23), escalada.imagen().pixel(20, 20));
    // Drawing twice in the background-inverting mode leaves the screen's image as it was.
    EXPECT_NE(pantalla, escalada.imagen_retenida_pantalla());
    const QImage antes = escalada.imagen_pantalla();
    escalada.circulo(45, 40, 2.6, 0);
    EXPECT_NE(escalada.imagen_pantalla(), antes);
    escalada.circulo(45, 40, 2.6, 0);
    escalada.linea(10, 40, 30, 10, 0);
    EXPECT_EQ(escalada.imagen_pantalla(), escalada.imagen_retenida_pantalla());
    // Growing and clearing keep the screen's image beside the surface's.
    escalada.redimensionar(80, 64);
    escalada.retenido(true);
    escalada.borrar();
    EXPECT_EQ(escalada.imagen_retenida_pantalla().size(), QSize(90, 72));
    EXPECT_EQ(escalada.imagen_retenida_pantalla().devicePixelRatio(), 1.125);
    EXPECT_TRUE(recorte(escalada.imagen_pantalla()).isNull());
}
