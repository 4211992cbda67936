// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window's size on the screen: the factor set before the application object exists, the
// "Tamaño de la ventana" submenu of "Ver", and panels and windows kept inside what is seen.
#include <QObject>

class QMenu;

namespace tya {

class Dialogos;
class Preferencias;

// Before the QApplication exists: sets Qt's own scale factor for `porcentaje` (0: automatic,
// from the available screen). Leaves alone a factor the user set in the environment. True
// when it set one, which the caller takes back out of the environment once the application
// exists, so the programs it starts are not enlarged.
bool fijar_factor_al_arrancar(int argc, char** argv, int porcentaje);
void quitar_factor_del_entorno();

// The submenu under "Ver": "Automático" and the fixed sizes, the kept one checked. A choice is
// kept and takes effect at the next start, which the user is told.
QMenu* menu_tamano_ventana(QMenu* ver, Preferencias& preferencias, Dialogos& dialogos);

// For the whole application: a panel shown over the main window's scene stays inside the
// scene's view, and a window shown stays inside its screen's available part.
class ALaVista : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;
};

}  // namespace tya
