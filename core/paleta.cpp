// SPDX-License-Identifier: GPL-3.0-or-later
#include "paleta.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tya {

namespace {

constexpr std::array<Forma, kExperiencias> kFormas = {
    Forma::Circulo, Forma::Cuadrado,           Forma::Triangulo, Forma::Rombo,    Forma::Cruz,
    Forma::Aspa,    Forma::TrianguloInvertido, Forma::Estrella,  Forma::Hexagono, Forma::Pentagono};

// Regular polygon of n vertices on the unit circle, the first at angle `inicio` (degrees).
std::vector<Vertice> regular(int n, double inicio, double radio = 1) {
    std::vector<Vertice> v;
    for (int k = 0; k < n; ++k) {
        const double a = (inicio + 360.0 * k / n) * std::numbers::pi / 180.0;
        v.push_back({radio * std::cos(a), radio * std::sin(a)});
    }
    return v;
}

// A plus sign with arms a third of the mark wide, turned by `giro` degrees; the arms' outer
// corners lie on the unit circle, so it covers no more than the disc it replaces.
std::vector<Vertice> cruz(double giro) {
    const double b = 1.0 / 3, l = std::sqrt(1 - b * b), g = giro * std::numbers::pi / 180.0;
    const Vertice base[] = {{b, l},   {b, b},   {l, b},   {l, -b}, {b, -b}, {b, -l},
                            {-b, -l}, {-b, -b}, {-l, -b}, {-l, b}, {-b, b}, {-b, l}};
    std::vector<Vertice> v;
    for (const Vertice& p : base)
        v.push_back({p.x * std::cos(g) - p.y * std::sin(g), p.x * std::sin(g) + p.y * std::cos(g)});
    return v;
}

std::vector<Vertice> estrella() {
    std::vector<Vertice> v;
    const std::vector<Vertice> fuera = regular(5, 90), dentro = regular(5, 126, 0.45);
    for (int k = 0; k < 5; ++k) {
        v.push_back(fuera[static_cast<size_t>(k)]);
        v.push_back(dentro[static_cast<size_t>(k)]);
    }
    return v;
}

// sRGB channel to linear light.
double lineal(int c) {
    const double v = c / 255.0;
    return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
}

struct Lab {
    double l, a, b;
};

Lab a_lab(uint32_t c) {
    const double r = lineal(rojo(c)), g = lineal(verde(c)), b = lineal(azul(c));
    // D65 white.
    const double x = (0.4124 * r + 0.3576 * g + 0.1805 * b) / 0.95047;
    const double y = 0.2126 * r + 0.7152 * g + 0.0722 * b;
    const double z = (0.0193 * r + 0.1192 * g + 0.9505 * b) / 1.08883;
    auto f = [](double t) { return t > 216.0 / 24389 ? std::cbrt(t) : (24389.0 / 27 * t + 16) / 116; };
    return {116 * f(y) - 16, 500 * (f(x) - f(y)), 200 * (f(y) - f(z))};
}

}  // namespace

uint32_t pluma_experiencia(Paleta p, int e, int64_t indice) {
    if (p == Paleta::Proyector && e >= 0 && e < kExperiencias)
        return en_pantalla(kVistosProyector[static_cast<size_t>(e)]);
    return color_paleta(indice);
}

Forma forma_experiencia(Paleta p, int e) {
    if (p == Paleta::Proyector && e >= 0 && e < kExperiencias) return kFormas[static_cast<size_t>(e)];
    return Forma::Circulo;
}

const std::vector<Vertice>& contorno(Forma f) {
    static const std::array<std::vector<Vertice>, 10> formas = {
        std::vector<Vertice>{}, regular(4, 45), regular(3, 90), regular(4, 90), cruz(0), cruz(45),
        regular(3, 270),        estrella(),     regular(6, 0),  regular(5, 90)};
    return formas[static_cast<size_t>(f)];
}

int grosor_linea(Paleta p, double factor_escala) {
    if (p == Paleta::Normal || !(factor_escala > 0)) return 1;
    return std::max(2, static_cast<int>(std::lround(2 * std::min(factor_escala, 16.0))));
}

double radio_forma_px(const Estilo& estilo, double radio_px) {
    if (estilo.paleta == Paleta::Normal) return radio_px;
    // Seven pixels across at the normal size: the least a triangle and a square are told apart by.
    return std::max(radio_px, 1.75 * estilo.grosor());
}

std::vector<QPointF> vertices_px(Forma f, double r) {
    std::vector<QPointF> v;
    for (const Vertice& p : contorno(f)) v.emplace_back(p.x * r, -p.y * r);
    return v;
}

double luminancia(uint32_t c) {
    return 0.2126 * lineal(rojo(c)) + 0.7152 * lineal(verde(c)) + 0.0722 * lineal(azul(c));
}

double contraste(uint32_t a, uint32_t b) {
    const double la = luminancia(a), lb = luminancia(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

double diferencia_color(uint32_t a, uint32_t b) {
    const Lab x = a_lab(a), y = a_lab(b);
    return std::hypot(x.l - y.l, x.a - y.a, x.b - y.b);
}

}  // namespace tya
