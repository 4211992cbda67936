// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The commands on the scene: launch, stop, clear, zoom, and the scene to the clipboard.
#include <QObject>

#include "contexto.h"
#include "core/vuelo.h"

namespace tya {

class VentanaVuelo;

class ComandosEscena : public QObject {
    Q_OBJECT
public:
    ComandosEscena(const ContextoVentana& ctx, VentanaVuelo& ventana);

    // "&LANZAR" and the launch button: a flight, after confirmation when ten are stored. The
    // menus, panels and status line follow its announcements.
    void lanzar();
    // "&Parar" and the stop button: the running flight ends at its next step.
    void parar();
    void borrar();
    void cambiar_zoom();
    void copiar_pantalla();

private:
    // The flight, step by step, with the window around it; how it ended.
    FinVuelo volar();

    ContextoVentana ctx_;
    VentanaVuelo& ventana_;
};

}  // namespace tya
