// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <set>

#include "core/paleta.h"
#include "graphs/graficos.h"
#include "scene/escena.h"

using namespace tya;

namespace {
// Whether a point lies inside a polygon (even-odd rule).
bool dentro(const std::vector<Vertice>& v, double x, double y) {
    bool d = false;
    for (size_t i = 0, j = v.size() - 1; i < v.size(); j = i++)
        if ((v[i].y > y) != (v[j].y > y) && x < (v[j].x - v[i].x) * (y - v[i].y) / (v[j].y - v[i].y) + v[i].x) d = !d;
    return d;
}
}  // namespace

TEST(Paleta, ProyectorLegibleYDistinta) {
    // The ground band and the wall are drawn in copy mode: they show their pen colours.
    const uint32_t suelo = kPaleta[2], negro = kPaleta[0];
    std::set<Forma> formas;
    // What the inverted scene really writes for a pen.
    Superficie sup(4, 4, kColorFondo);
    sup.modo(Modo::Invertido);
    for (int e = 0; e < kExperiencias; ++e) {
        SCOPED_TRACE(e + 1);
        // The index must not matter: experiments 1 and 9 share one in the usual cycle.
        const uint32_t c = color_experiencia(Paleta::Proyector, e, kIndicesNormales[static_cast<size_t>(e)]);
        EXPECT_EQ(c, color_experiencia(Paleta::Proyector, e, 3));
        sup.punto(1, 1, pluma_experiencia(Paleta::Proyector, e, 3));
        EXPECT_EQ(sup.color_en(1, 1), c);
        EXPECT_GE(contraste(c, kColorFondo), 3.0) << "on the scene";
        EXPECT_GE(contraste(c, kFondoGrafico), 3.0) << "on the graphs";
        EXPECT_GE(diferencia_color(c, suelo), 20.0) << "marks at the ground";
        EXPECT_GE(diferencia_color(c, negro), 20.0) << "axes and wall";
        for (int k = 0; k < e; ++k)
            EXPECT_GE(diferencia_color(c, color_experiencia(Paleta::Proyector, k, 3)), 20.0) << "against " << k + 1;
        const Forma f = forma_experiencia(Paleta::Proyector, e);
        formas.insert(f);
        // The pointer reads a mark's colour at its centre.
        if (f != Forma::Circulo) { EXPECT_TRUE(dentro(contorno(f), 0.01, 0.01)); }
        for (const Vertice& p : contorno(f)) EXPECT_LE(std::hypot(p.x, p.y), 1.0 + 1e-9);
    }
    EXPECT_EQ(formas.size(), size_t(kExperiencias));
}

TEST(Paleta, NormalComoSiempre) {
    // Pen indices of ten flights and what the inverted scene shows for them.
    const uint32_t vistos[] = {rgb(255, 127, 127), rgb(127, 127, 255), rgb(255, 255, 0), rgb(255, 0, 255),
                               rgb(255, 0, 0),     rgb(0, 255, 255),   rgb(0, 255, 0),   rgb(0, 0, 255),
                               rgb(255, 127, 127), rgb(127, 127, 255)};
    for (int e = 0; e < kExperiencias; ++e) {
        const int indice = kIndicesNormales[static_cast<size_t>(e)];
        EXPECT_EQ(pluma_experiencia(Paleta::Normal, e, indice), color_paleta(indice)) << e + 1;
        EXPECT_EQ(color_experiencia(Paleta::Normal, e, indice), vistos[e]) << e + 1;
        EXPECT_EQ(forma_experiencia(Paleta::Normal, e), Forma::Circulo);
    }
    // A record read from a file keeps its index whatever experiment it lands in.
    EXPECT_EQ(pluma_experiencia(Paleta::Normal, 0, 12), kPaleta[12]);
}

TEST(Paleta, ContrasteYGrosor) {
    const struct {
        uint32_t a, b;
        double r;
    } contrastes[] = {
        {rgb(0, 0, 0), rgb(255, 255, 255), 21.0},
        {rgb(90, 90, 90), rgb(90, 90, 90), 1.0},
        {rgb(0, 0, 255), rgb(224, 224, 224), 6.51},
        {rgb(255, 255, 255), rgb(0, 255, 255), 1.25},
    };
    for (const auto& c : contrastes) {
        EXPECT_NEAR(contraste(c.a, c.b), c.r, 0.01);
        EXPECT_NEAR(contraste(c.b, c.a), c.r, 0.01);
    }
    const struct {
        Paleta p;
        double factor;
        int px;
    } grosores[] = {
        {Paleta::Normal, 1, 1},      {Paleta::Normal, 3, 1},    {Paleta::Proyector, 1, 2},
        {Paleta::Proyector, 1.5, 3}, {Paleta::Proyector, 2, 4}, {Paleta::Proyector, 0.5, 2},
    };
    for (const auto& g : grosores) EXPECT_EQ(grosor_linea(g.p, g.factor), g.px) << g.factor;
}
