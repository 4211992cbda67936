// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A flight with no window, for trayecta-calc, its sweeps, the tests and the benchmarks: the state,
// the flight run to its end, and boxes answered from a script for what shows them.
#include <memory>

#include "ganchos_vuelo.h"
#include "platform/dialogos.h"
#include "vuelo.h"

namespace tya {

// What a flight run to its end is told and tells: whether the launch placed a target, and the
// steps it took.
struct VueloAlFinal {
    bool blanco = false;
    long pasos = 0;
};

class VueloSinVentana {
public:
    VueloSinVentana() = default;
    VueloSinVentana(const VueloSinVentana&) = delete;
    VueloSinVentana& operator=(const VueloSinVentana&) = delete;
    virtual ~VueloSinVentana() = default;

    std::unique_ptr<EstadoExp> st = std::make_unique<EstadoExp>();
    DialogosGuion dialogos;
    VueloAlFinal sin_ventana;

    // The launch the state holds, flown as the next experiment straight to its end: no marks, no
    // pauses, no boxes. The target as `sin_ventana.blanco` says.
    FinVuelo volar();
    // The same with its marks on `lienzo`.
    FinVuelo volar(LienzoVuelo& lienzo);
    // Step by step as the window flies it, without its pace: events through `ventana` once a
    // step, marks on `lienzo`, "Impacto" and "Fin de Simulación" in `dialogos`, the window's
    // boxes and the log line through `ventana`.
    FinVuelo volar(LienzoVuelo& lienzo, VentanaVuelo& ventana);
};

}  // namespace tya
