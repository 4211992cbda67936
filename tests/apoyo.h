// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A headless set-up for tests: state, scene surface, a clock that does not wait, scripted boxes.
#include "archivos.h"
#include "separador.h"
#include <QFile>
#include <memory>
#include <vector>

#include "core/experiment_state.h"
#include "core/registros.h"
#include "core/vuelo_sin_ventana.h"
#include "scene/escena.h"

namespace tya::prueba {

struct VentanaFalsa : VentanaVuelo, VentanaEscena {
    bool blanco = false;
    long eventos = 0;
    bool blanco_colocado() const override { return blanco; }
    std::function<void()> en_evento;
    QString radio, ngraf;
    int movimientos_blanco = 0;
    Esquina cruz{}, ultimo_blanco{};
    FilaZoom zoom{};
    void procesar_eventos() override {
        ++eventos;
        if (en_evento) en_evento();
    }
    void mostrar_radio(const QString& t) override { radio = t; }
    void mover_blanco(double x, double y) override {
        ++movimientos_blanco;
        ultimo_blanco = {float(x), float(y)};
    }
    void mostrar_ngraf(const QString& t) override { ngraf = t; }
    void colocar_cruz(Esquina e) override { cruz = e; }
    void colocar_blanco(Esquina e) override { ultimo_blanco = e; }
    void zoom_cambiado(const FilaZoom& f) override { zoom = f; }
};

struct Banco : VueloSinVentana {
    Superficie sup = nueva_superficie_escena(1400, 700);
    VentanaFalsa ventana;
    Escena escena{*st, sup, &ventana};

    Banco() {
        escena.preparar();
        // Limits of the shipped start-up file.
        const double mx[] = {0, 340, 180, 6450, 4200, 6450, 4200, 100, 100, 100, 50};
        const int mn[] = {0, 0, -180, 0, 0, 0, 0, -100, -100, 0, -50};
        for (int i = 1; i <= 10; ++i) {
            st->Max[i] = Fijo::desde(mx[i]);
            st->Min[i] = int16_t(mn[i]);
        }
        lanzamiento(100, 45, 0, 0);
    }
    void lanzamiento(double vo, double ang, double xo, double yo, int aire = 0, double r = 1, double viento = 0) {
        st->Vo() = Fijo::desde(vo);
        st->Ang() = Fijo::desde(ang);
        st->Xo() = Fijo::desde(xo);
        st->Yo() = Fijo::desde(yo);
        st->Aire = int16_t(aire);
        st->R() = Fijo::desde(r);
        st->Viento() = Fijo::desde(viento);
    }
    FinVuelo volar() { return VueloSinVentana::volar(escena, ventana); }
};

struct Muestra {
    double x, y, vx, vy;
};

// Stores experiment k as a flight would: one sample every 0.75 s, position extremes from 0,
// velocity extremes from the first sample, then the end state, a step counter and the final time.
inline void guardar(EstadoExp& st, int k, const std::vector<Muestra>& m, Muestra fin, double tf, int color = 3) {
    const int e = k - 1, n = static_cast<int>(m.size());
    st.Pos[e].fill(Fijo());
    st.VelMarca[e].fill(Fijo());
    EscritorRegistros r(st, e);
    r.color(color);
    double pe[] = {0, 0, 0, 0};  // Y, X highest and lowest
    double ve[] = {m.empty() ? 0 : m[0].vy, m.empty() ? 0 : m[0].vy, m.empty() ? 0 : m[0].vx, m.empty() ? 0 : m[0].vx};
    for (int i = 1; i <= n + 1; ++i) {
        const Muestra& s = i <= n ? m[static_cast<size_t>(i - 1)] : fin;
        if (i <= n) {
            r.posicion(i, Fijo::desde(s.x), Fijo::desde(s.y));
            r.velocidad(i, Fijo::desde(s.vx), Fijo::desde(s.vy));
        }
        pe[0] = std::max(pe[0], s.y);
        pe[1] = std::min(pe[1], s.y);
        pe[2] = std::max(pe[2], s.x);
        pe[3] = std::min(pe[3], s.x);
        ve[0] = std::max(ve[0], s.vy);
        ve[1] = std::min(ve[1], s.vy);
        ve[2] = std::max(ve[2], s.vx);
        ve[3] = std::min(ve[3], s.vx);
    }
    auto f = [](double v) { return Fijo::desde(v); };
    r.cerrar({n, f(pe[0]), f(pe[1]), f(pe[2]), f(pe[3]), f(fin.x), f(fin.y), 51, f(ve[0]), f(ve[1]), f(ve[2]), f(ve[3]),
              f(fin.vx), f(fin.vy), f(tf)});
    st.NExp = std::max<int16_t>(st.NExp, static_cast<int16_t>(k));
}

}  // namespace tya::prueba
