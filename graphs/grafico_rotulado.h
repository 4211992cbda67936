// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The time graphs drawn for a worksheet rather than as their boxes show them: tick values and
// units on both axes, a title in plain words, a legend with each experiment's launch.
#include <QList>
#include <array>

#include "core/experiment_state.h"
#include "graficos.h"
#include "lamina.h"

namespace tya {

// One experiment's launch line as it was flown: Xo Yo Vo Ang Aire Viento R Densidad Cd.
using CamposLanzamiento = std::array<double, kCantidadesEnBitacora>;

// Experiment `experiencia` (1 to 10) or every stored one (kTodasLasExperiencias); `vertical`
// as for imagen_grafico: Y or Vy when set, X or Vx when clear. `lanzamientos[k - 1]` is the
// launch of experiment k: the legend names the medium from its Aire value and every field
// that differs between the curves. Without them (experiments read from a file, which keeps
// no medium) the legend gives the drag constant k the flight kept.
Lamina lamina_rotulada(const EstadoExp& st, Magnitud magnitud, bool vertical, int experiencia,
                       const QList<CamposLanzamiento>& lanzamientos = {});

// The legend of experiment e + 1 among the experiments `mostradas` (numbers - 1).
QString leyenda_experiencia(const EstadoExp& st, int e, const QList<CamposLanzamiento>& lanzamientos,
                            const QList<int>& mostradas);

}  // namespace tya
