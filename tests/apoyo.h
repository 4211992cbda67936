#pragma once
// A headless set-up for tests: state, scene surface, a clock that does not wait, scripted boxes.
#include <memory>

#include "core/experiment_state.h"
#include "core/vuelo.h"
#include "platform/dialogos.h"
#include "platform/reloj.h"
#include "scene/escena.h"

namespace tya::prueba {

struct VentanaFalsa : VentanaVuelo, VentanaEscena {
    bool blanco = false;
    int eventos = 0;
    std::function<void()> en_evento;
    QString radio, ngraf;
    int movimientos_blanco = 0;
    Esquina cruz{}, ultimo_blanco{};
    bool menus = false;
    FilaZoom zoom{};
    void procesar_eventos() override { ++eventos; if (en_evento) en_evento(); }
    bool blanco_colocado() const override { return blanco; }
    void mostrar_radio(const QString& t) override { radio = t; }
    void mover_blanco(double x, double y) override { ++movimientos_blanco; ultimo_blanco = {float(x), float(y)}; }
    void mostrar_ngraf(const QString& t) override { ngraf = t; }
    void menus_experiencias(bool h) override { menus = h; }
    void colocar_cruz(Esquina e) override { cruz = e; }
    void colocar_blanco(Esquina e) override { ultimo_blanco = e; }
    void zoom_cambiado(const FilaZoom& f) override { zoom = f; }
};

struct Banco {
    std::unique_ptr<EstadoExp> st = std::make_unique<EstadoExp>();
    Superficie sup = nueva_superficie_escena(1400, 700);
    VentanaFalsa ventana;
    Escena escena{*st, sup, &ventana};
    RelojContador reloj;
    DialogosGuion dialogos;
    EntornoVuelo en{*st, escena, ventana, reloj, dialogos};

    Banco() {
        escena.preparar();
        // Limits of the shipped start-up file.
        const double mx[] = {0, 340, 180, 6450, 4200, 6450, 4200, 100, 100, 100, 50};
        const int mn[] = {0, 0, -180, 0, 0, 0, 0, -100, -100, 0, -50};
        for (int i = 1; i <= 10; ++i) { st->Max[i] = Fijo::desde(mx[i]); st->Min[i] = int16_t(mn[i]); }
        lanzamiento(100, 45, 0, 0);
    }
    void lanzamiento(double vo, double ang, double xo, double yo, int aire = 0, double r = 1, double viento = 0) {
        st->Vo() = Fijo::desde(vo); st->Ang() = Fijo::desde(ang);
        st->Xo() = Fijo::desde(xo); st->Yo() = Fijo::desde(yo);
        st->Aire = int16_t(aire); st->R() = Fijo::desde(r); st->Viento() = Fijo::desde(viento);
    }
    FinVuelo volar() { return calcular_vuelo(en, st->MedioAnchoBlanco, st->MedioAltoBlanco); }
};

}  // namespace tya::prueba
