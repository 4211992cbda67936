// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The scene by keyboard: the markers moved by whole pixels as a drag would drop them, and the
// stored marks walked one by one.
#include <QPointF>
#include <QString>
#include <optional>

#include "core/experiment_state.h"
#include "platform/superficie.h"

namespace tya {

// The scene point a drop lands on when the pointer stands `dx`, `dy` pixels from the pixel of
// the scene point (x, y): the values the arrow keys give are those of a drag to that pixel.
QPointF destino_con_teclas(const Superficie& s, double x, double y, int dx, int dy);

// A stored mark: experiment k (1 to NExp) and its sample i (1 to its count).
struct MarcaEscena {
    int k = 0, i = 0;
    bool operator==(const MarcaEscena&) const = default;
};

// The mark after `desde` (sentido 1) or before it (-1) among those the scene shows at its zoom,
// in the order they were flown; from none (or one no longer stored), the first or the last.
// Nothing past either end.
std::optional<MarcaEscena> marca_vecina(const EstadoExp& st, std::optional<MarcaEscena> desde, int sentido);

// Where the mark is drawn, in scene units at the zoom.
QPointF punto_marca(const EstadoExp& st, MarcaEscena m);

// "Experiencia 2, muestra 5 de 20: t 3 s, X 120,5 m, Y 80 m", in the locale's separator.
QString describir_marca(const EstadoExp& st, MarcaEscena m);

}  // namespace tya
