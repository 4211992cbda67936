// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window's size on the screen: the factor set before the application object exists, the
// "Tamaño de la ventana" submenu of "Ver", and panels and windows kept inside what is seen.
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <vector>

#include "core/tamano_ventana.h"

class QMenu;
class QWidget;

namespace tya {

class Dialogos;
class Preferencias;
class Superficie;

// Before the QApplication exists: sets Qt's own scale factor for `porcentaje` (0: automatic,
// from the available screen). Leaves alone a factor the user set in the environment. True
// when it set one, which the caller takes back out of the environment once the application
// exists, so the programs it starts are not enlarged.
bool fijar_factor_al_arrancar(int argc, char** argv, int porcentaje);
void quitar_factor_del_entorno();

// The submenu under "Ver": "Automático" and the fixed sizes, the kept one checked. A choice is
// kept and takes effect at the next start, which the user is told.
QMenu* menu_tamano_ventana(QMenu* ver, Preferencias& preferencias, Dialogos& dialogos);

// Places the window `ventana` (a tool window of the program's own) inside its screen's
// available part, off the flight shown on `escena` (drawn from `sup`) and off the boxes of
// `tambien` (in screen coordinates); near the screen's bottom right when it has the choice.
void colocar_fuera_del_vuelo(QWidget* ventana, const QWidget* escena, const Superficie& sup,
                             std::vector<Obstaculo> tambien);
// A widget's box on the screen, empty when it is hidden.
QRect en_pantalla(const QWidget* w);

// For the whole application: a panel shown over the main window's scene stays inside the
// scene's view, and a window shown stays inside its screen's available part. A panel over the
// scene is moved by dragging its caption, where the screen leaves it no room of its own.
class ALaVista : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    bool arrastrar(QWidget* panel, QEvent* evento);
    QPointer<QWidget> arrastrado_;
    QPoint agarre_;  // where the caption was taken, in the panel
};

}  // namespace tya
