// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A flight's result in one line of text, for the status line a screen reader announces, and
// the stored flights listed the same way for the scene's description.
#include <QChar>
#include <QString>
#include <optional>

#include "experiment_state.h"
#include "vuelo.h"

namespace tya {

// What the records of a flight do not keep: the medium, the particle's density and how the
// flight ended. The window notes it when the flight returns; flights read from a file have none.
struct LanceVuelo {
    bool aire = false;
    Fijo densidad;
    FinVuelo fin = FinVuelo::Suelo;
};

// The launch the state holds right after a flight that ended with `fin`.
inline LanceVuelo lance_actual(const EstadoExp& st, FinVuelo fin) { return {st.Aire != 0, st.Densidad, fin}; }

// The particle's material as the launch panel names it ("plomo" ... "madera"), or its density
// ("d = 3,2 g/cm³") when it is none of the list.
QString nombre_material(Fijo densidad, QChar separador);

// How a flight ended, in the words the result line and the sweep tables use: "Impacto", "Fin de
// Simulación", "Detenido", "Fuera de escala", or nothing for a flight that landed.
QString mensaje_fin(FinVuelo fin);

// "Experiencia 2, aire, plomo: alcance 469,76 m, altura máxima 120 m, tiempo 11,27 s. Fin de
// Simulación." for experiment e (0 to 9). Without `lance` the medium comes from the drag of the
// summary row, the material is left out and only the limit of samples is known as an end.
// With a target the closest approach is given too, since the flight does not follow the height.
QString linea_resultado(const EstadoExp& st, int e, const std::optional<LanceVuelo>& lance, bool blanco,
                        QChar separador);

// Every stored flight, one result line each, in order; "Ninguna experiencia." when there are none.
QString describir_vuelos(const EstadoExp& st, const PorExp<std::optional<LanceVuelo>>& lances, bool blanco,
                         QChar separador);

}  // namespace tya
