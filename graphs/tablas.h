#pragma once
// Value tables of the selected experiment: rows of time and two components.
#include <QChar>
#include <QStringList>

#include "core/experiment_state.h"

namespace tya {

class Superficie;

// Fill st.TextoCopia (rows ended by CR LF) and return the rows for the list box, for
// experiment st.NGrafSel. The scene's retained mode is switched off when `escena` is given.
QStringList tabla_posiciones(EstadoExp& st, QChar separador, Superficie* escena = nullptr);
QStringList tabla_velocidades(EstadoExp& st, QChar separador, Superficie* escena = nullptr);

// True when NGrafSel names a stored experiment (1 to NExp) with samples in both records.
bool seleccion_valida(const EstadoExp& st);

}  // namespace tya
