// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Value tables of one experiment: rows of time and two components.
#include <QChar>
#include <QString>
#include <QStringList>

#include "core/experiment_state.h"

namespace tya {

// The rows of experiment `experiencia` (1 to 10; the window passes NGrafSel): none when it names
// no stored experiment. Nothing else is touched: the window switches the scene's retained mode
// off itself when it shows a table.
QStringList tabla_posiciones(const EstadoExp& st, int experiencia, QChar separador);
QStringList tabla_velocidades(const EstadoExp& st, int experiencia, QChar separador);

// The rows as the copy text holds them, each ended by CR LF.
QString texto_copia(const QStringList& filas);

}  // namespace tya
