// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The time graphs drawn for a worksheet rather than as their boxes show them: tick values and
// units on both axes, a title naming the quantity, a legend with each experiment's launch.
#include "core/experiment_state.h"
#include "graficos.h"
#include "lamina.h"

namespace tya {

// Experiment `experiencia` (1 to 10) or every stored one (kTodasLasExperiencias); `vertical`
// as for imagen_grafico: Y or Vy when set, X or Vx when clear.
Lamina lamina_rotulada(const EstadoExp& st, Magnitud magnitud, bool vertical, int experiencia);

}  // namespace tya
