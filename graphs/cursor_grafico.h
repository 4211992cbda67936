// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The vertical line a time cursor shows on a graph box, at the time of one sample.
#include <optional>

#include "core/experiment_state.h"
#include "graficos.h"
#include "platform/superficie.h"

namespace tya {

// The pixel column of sample i (1 = t 0) on a box whose frame `m` the graph routine chose, on
// the same time axis as the curves (shifted right by T/20); nothing when the box shows no
// graph or the instant lies beyond its edges.
std::optional<int> columna_cursor(const Superficie& caja, const MarcoGrafico& m, const EstadoExp& st, int i);

}  // namespace tya
