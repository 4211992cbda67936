// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A flight with no window: the state, a stub of the window, a clock that never waits and boxes
// answered from a script, for trayecta-calc, its sweeps, the tests and the benchmarks.
#include <memory>

#include "platform/dialogos.h"
#include "platform/reloj.h"
#include "vuelo.h"

namespace tya {

// Marks drawn nowhere.
class LienzoNulo : public LienzoVuelo {
public:
    void retenido(bool) override {}
    void marca(double, double, double, int) override {}
    uint32_t color_en(double, double) override { return 0; }
};

// The window as a flight without one sees it: whether the launch placed a target, and how many
// times the flight let events through (once a step).
class VentanaSinVentana : public VentanaVuelo {
public:
    bool blanco = false;
    long eventos = 0;
    void procesar_eventos() override { ++eventos; }
    bool blanco_colocado() const override { return blanco; }
};

class VueloSinVentana {
public:
    VueloSinVentana() = default;
    VueloSinVentana(const VueloSinVentana&) = delete;
    VueloSinVentana& operator=(const VueloSinVentana&) = delete;
    virtual ~VueloSinVentana() = default;

    std::unique_ptr<EstadoExp> st = std::make_unique<EstadoExp>();
    RelojContador reloj;
    DialogosGuion dialogos;
    VentanaSinVentana sin_ventana;

    // The launch the state holds, flown as the next experiment with the target marker's half
    // sizes the state keeps: marks on `lienzo`, the window's part played by `ventana`.
    FinVuelo volar(LienzoVuelo& lienzo, VentanaVuelo& ventana);
    // Marks drawn nowhere, the window's part played by the stub.
    FinVuelo volar();
};

}  // namespace tya
