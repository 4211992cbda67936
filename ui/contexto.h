// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What every panel and menu of the main window works with: the shared state, the boxes and
// clock of the platform, the working folder and the scene it draws on.
#include <QString>

#include "controles.h"

namespace tya {

class AvisosEstado;
class Dialogos;
class Escena;
class Reloj;
struct EstadoExp;

struct ContextoVentana {
    EstadoExp& st;
    Dialogos& dialogos;
    Reloj& reloj;
    QString dir;      // the working folder
    Superficie& sup;  // the scene's surface
    Escena& escena;
    VistaSuperficie* vista;  // the scene's view: every panel and marker stands on it
    AvisosEstado& avisos;    // where the commands announce what they changed
    // Shows on screen what was drawn on the scene since the last call.
    void refrescar_escena() const { vista->refrescar(); }
};

}  // namespace tya
