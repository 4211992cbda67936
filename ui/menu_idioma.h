// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The "Idioma" submenu of "Ver": the offered languages, each by its own name, the chosen one
// checked. A choice is kept and takes effect at the next start, which the user is told.
class QMenu;

namespace tya {

class Dialogos;
class Preferencias;

// Checked: the language kept in `preferencias`, else the one this run shows.
QMenu* menu_idioma(QMenu* ver, Preferencias& preferencias, Dialogos& dialogos);

}  // namespace tya
