#pragma once
// A plot of one flight result against a parameter stepped across a range, for a worksheet:
// labelled ticks and units on both axes, the curve, and its highest point marked.
#include <QImage>
#include <QList>
#include <QPointF>
#include <QString>
#include <cstdint>

namespace tya {

struct EjeBarrido {
    QString nombre;  // "Ang"
    QString unidad;  // "º", "m", "m/s"
};

constexpr int kBarridoAnchoPx = 800, kBarridoAltoPx = 500;

// `puntos` in the order swept (x the parameter, y the result); `color` as 32-bit RGB, red
// in the low byte. No points gives the empty frame.
QImage imagen_barrido(const QList<QPointF>& puntos, const EjeBarrido& x, const EjeBarrido& y, uint32_t color);

// Tick marks for a range: a step of 1, 2 or 5 times a power of ten giving at most about
// `marcas` of them, never below 0.0001 (the values have four decimals).
double paso_marcas(double desde, double hasta, int marcas);

}  // namespace tya
