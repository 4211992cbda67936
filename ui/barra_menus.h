// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's menu bar: every entry with its caption, access key, shortcut and initial
// state. The entries are wired to their handlers where the window is assembled.
#include <array>

class QAction;
class QMenu;
class QMenuBar;

namespace tya {

struct BarraMenus {
    // The menus that get entries after the bar is made: the recent files go in "Archivo" above
    // the separator before "Salir", the window size and the language in "Ver".
    QMenu *archivo = nullptr, *ver = nullptr;
    QAction* antes_de_salir = nullptr;
    // "&Archivo"
    QAction *guardar = nullptr, *recuperar = nullptr, *ver_sesiones = nullptr, *documentar = nullptr,
            *imprimir_valores = nullptr, *imprimir_grafica = nullptr, *salir = nullptr;
    // "&Edición"
    QAction* copiar_pantalla = nullptr;
    // "&Ver"
    QAction *valores_extremos = nullptr, *posiciones = nullptr, *velocidades = nullptr, *repetir = nullptr,
            *zoom = nullptr, *modelo = nullptr, *proyector = nullptr;
    // "&Blanco"
    QAction* colocar_blanco = nullptr;
    // "A&ctividades"
    QAction *trabajo_practico = nullptr, *problemas = nullptr;
    // Commands on the bar itself.
    QAction *lanzar = nullptr, *parar = nullptr, *borrar = nullptr, *sugerencias = nullptr;
    // "A&YUDA": contents, search and about.
    QAction *contenidos = nullptr, *buscar = nullptr, *acerca = nullptr;

    // The six entries a launch or a recovery enables and clearing the scene disables.
    std::array<QAction*, 6> de_experiencias() const {
        return {imprimir_valores, imprimir_grafica, posiciones, guardar, velocidades, valores_extremos};
    }
};

// Fills `barra` with the menus, in display order; each entry's object name is its control's.
// Every entry has an access key of its own within its menu.
BarraMenus crear_barra_menus(QMenuBar* barra);
// The entries `crear_barra_menus` put on `barra`, for what completes the window after it is made.
const BarraMenus& menus_de(const QMenuBar* barra);

}  // namespace tya
