// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The experiments' colours and mark shapes: the usual palette, and a projector palette of ten
// dark colours that stay readable on the scene and on the graphs when the room is bright.
#include <QPointF>
#include <array>
#include <cstdint>
#include <vector>

#include "experiment_state.h"

namespace tya {

enum class Paleta { Normal, Proyector };

// A mark's outline, one per experiment in the projector palette, so colour is never the only clue.
enum class Forma { Circulo, Cuadrado, Triangulo, Rombo, Cruz, Aspa, TrianguloInvertido, Estrella, Hexagono, Pentagono };

// Palette indices ten flights take one after another from a cleared scene.
constexpr std::array<int, kExperiencias> kIndicesNormales = {3, 6, 9, 10, 11, 12, 13, 14, 3, 6};

// What the projector palette shows on screen, experiment 1 first: dark enough for 3:1 on the
// light grey scene and on the white graphs, far enough apart to be told from one another.
constexpr std::array<uint32_t, kExperiencias> kVistosProyector = {
    rgb(0, 70, 230),  rgb(200, 0, 0),   rgb(0, 125, 60),  rgb(150, 0, 170), rgb(185, 85, 0),
    rgb(20, 20, 120), rgb(0, 115, 130), rgb(115, 110, 0), rgb(105, 50, 25), rgb(215, 0, 120)};

// What a pen colour shows as on a surface in inverted mode (scene and graph boxes).
constexpr uint32_t en_pantalla(uint32_t pluma) { return ~pluma & 0xffffffu; }

// The pen colour of experiment e (0 to 9) whose record keeps palette index `indice`: the usual
// palette follows the index, the projector palette the experiment, so ten flights never share
// a colour. The pen is what the inverted surfaces take: its complement is what shows.
uint32_t pluma_experiencia(Paleta p, int e, int64_t indice);
// What experiment e shows as on the scene and the graphs.
inline uint32_t color_experiencia(Paleta p, int e, int64_t indice) {
    return en_pantalla(pluma_experiencia(p, e, indice));
}

// The mark of experiment e: a disc in the usual palette, a shape per experiment in the projector's.
Forma forma_experiencia(Paleta p, int e);

// One vertex of a shape's outline, around the mark's centre, for a mark of radius 1 (y upwards).
struct Vertice {
    double x, y;
};
// Outline of a shape as a closed polygon, filled so its centre pixel carries the colour the
// vector pointer reads back; the circle gives no vertices (it is drawn as a disc).
const std::vector<Vertice>& contorno(Forma f);

// Pen width in pixels of marks' outlines, vectors and curves: one pixel in the usual palette, as
// always; in the projector's two pixels at the normal size, growing with the window's scale.
int grosor_linea(Paleta p, double factor_escala);

// How the experiments are drawn: the palette chosen and the window's scale factor.
struct Estilo {
    Paleta paleta = Paleta::Normal;
    double factor_escala = 1;
    int grosor() const { return grosor_linea(paleta, factor_escala); }
    bool operator==(const Estilo&) const = default;
};

// Radius in pixels of a shaped mark: never so small that its shape cannot be told, larger with
// the lines' width. A disc keeps the radius it is given.
double radio_forma_px(const Estilo& estilo, double radio_px);
// The outline of shape f at radius r, in pixels from the mark's centre, y downwards as an
// image's rows go.
std::vector<QPointF> vertices_px(Forma f, double r);

// Relative luminance of a colour (0 black, 1 white), sRGB as screens show it.
double luminancia(uint32_t color);
// Contrast ratio between two colours, from 1 (same luminance) to 21 (black on white).
double contraste(uint32_t a, uint32_t b);
// How far apart two colours look (CIE 1976 distance in L*a*b*): about 2 is barely seen,
// above 20 they are plainly different colours.
double diferencia_color(uint32_t a, uint32_t b);

}  // namespace tya
