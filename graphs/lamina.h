// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A worksheet plot: labelled ticks and units on both axes, a title, one or more curves with a
// legend, and each curve's highest point marked when asked. Drawn with a painter, so the same
// figure goes to an image, a PDF or an SVG.
#include <QList>
#include <QPointF>
#include <QString>
#include <cstdint>

class QPainter;

namespace tya {

struct EjeLamina {
    QString nombre;  // "Ang"
    QString unidad;  // "º", "m", "m/s"
};

struct SerieLamina {
    QList<QPointF> puntos;  // in the order drawn
    uint32_t color = 0;     // 32-bit RGB, red in the low byte
    QString leyenda;        // empty: the curve is not in the legend
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

constexpr int kLaminaAnchoPx = 800, kLaminaAltoPx = 500;

// On a white kLaminaAnchoPx x kLaminaAltoPx area at the painter's origin. No points gives the
// empty frame.
void dibujar_lamina(QPainter& p, const Lamina& l);

// "469.8 m", "41º": degrees stick to the number.
QString con_unidad(double v, const QString& unidad);

// Tick marks for a range: a step of 1, 2 or 5 times a power of ten giving at most about
// `marcas` of them, never below 0.0001 (the values have four decimals).
double paso_marcas(double desde, double hasta, int marcas);

}  // namespace tya
