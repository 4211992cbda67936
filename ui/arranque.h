// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the main window gets from outside it at start-up: the window-size and language submenus,
// the projector palette kept in the settings, the recent files in "Archivo", experiment files
// dropped on it from the file manager, and safe pasting.
namespace tya {

class Dialogos;
class MenuRecientes;
class Preferencias;
class Princip;

// Before the window loads. The recent list is the window's child; it is returned for the tests.
MenuRecientes* completar_ventana(Princip& ventana, Preferencias& preferencias, Dialogos& dialogos);

}  // namespace tya
