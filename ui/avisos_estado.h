// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The changes of the shared state that the menus, the status line, the replay and the graph
// panel follow, each announced once by the command that makes it.
#include <QObject>

#include "core/resumen_vuelo.h"

namespace tya {

class AvisosEstado : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

signals:
    // The stored experiments changed outside a flight: the scene was cleared (none stored) or
    // a file's experiments replaced them.
    void experiencias_borradas();
    void experiencias_recuperadas();
    // A launch is about to fly (the guards passed, Parar cleared).
    void vuelo_iniciado();
    // A flight was closed and stored as experiment NExp.
    void vuelo_terminado(const LanceVuelo& lance);
    // The target was placed (true) or taken away.
    void blanco_colocado(bool colocado);
};

}  // namespace tya
