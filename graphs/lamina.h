// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A worksheet plot laid out on an A4 page in landscape: a title, labelled ticks and units on both
// axes, up to ten curves told apart by colour, line and marker (so that they survive a grey
// printer), the legend under the plot, and the points that ended otherwise drawn apart. Drawn
// with a painter, so the same sheet goes to an image, a PDF or an SVG.
#include <QImage>
#include <QList>
#include <QPointF>
#include <QString>
#include <cstdint>
#include <functional>

class QPainter;

namespace tya {

struct EjeLamina {
    QString nombre;   // in plain words: "Ángulo de lanzamiento"
    QString unidad;   // "°", "m", "m/s"; empty for a pure number
    QString simbolo;  // "Ang", for the maximum's label; the name when empty
};

// How the flight of a point ended, when not on the ground: such points are not joined to the
// curve but drawn apart with their own symbol, explained under the legend.
enum class FinPunto : uint8_t { Normal, Impacto, FueraDeEscala, Limite };

struct SerieLamina {
    QList<QPointF> puntos;  // in the order drawn
    QString leyenda;        // empty: the curve is not in the legend
    QList<FinPunto> fines;  // one per point; empty: every point is normal
};

enum class MarcaMaximo {
    Ninguna,
    Rotulo,  // ringed and labelled beside it (one curve)
    Anillo,  // ringed, its value in the legend (a family)
};

struct Lamina {
    QString titulo;
    EjeLamina x, y;
    QList<SerieLamina> series;
    MarcaMaximo maximo = MarcaMaximo::Ninguna;
};

// The page in tenths of a millimetre: A4 landscape.
constexpr int kLaminaAncho = 2970, kLaminaAlto = 2100;
// A4 at 300 dots per inch, landscape: the size of a sheet's PNG unless another is asked for.
constexpr int kLaminaAnchoPx = 3508, kLaminaAltoPx = 2480;
constexpr int kSeriesDistintas = 10;

// On a white kLaminaAncho x kLaminaAlto area at the painter's origin. No points gives the
// empty frame.
void dibujar_lamina(QPainter& p, const Lamina& l);

// Curve i's look (0 to 9): a colour of a palette that colour-blind readers tell apart, a dash
// pattern and a marker of its own. The same three for the legend's swatch.
uint32_t color_serie(int i);  // 32-bit RGB, red in the high byte as QRgb
// The legend's swatch of curve i: where it is drawn for a sheet of `series` curves.
struct LugarMuestra {
    double x, y, ancho, alto;
};
LugarMuestra lugar_muestra(const Lamina& l, int i);

// "469.76 m", "41°": degrees stick to the number; two decimals at most, the reader's separator.
QString con_unidad(double v, const QString& unidad);
// A value as the tables show it: two decimals at most, the reader's separator.
QString numero_lamina(double v);

// Tick marks for a range: a step of 1, 2 or 5 times a power of ten giving at most about
// `marcas` of them, never below 0.0001 (the values have four decimals).
double paso_marcas(double desde, double hasta, int marcas);

// Index of the highest normal point when it lies strictly inside the curve (a maximum the
// sweep has passed), -1 otherwise: a highest first or last value is only an end.
int maximo_interior(const SerieLamina& s);

// A sheet as a PNG shows it: white, `tamano` pixels (A4 at 300 dpi unless given), with `dibujar`
// drawing in the page's tenths of a millimetre.
QImage imagen_hoja(const std::function<void(QPainter&)>& dibujar, QSize tamano = QSize(kLaminaAnchoPx, kLaminaAltoPx));

}  // namespace tya
