// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The start-up files of the working directory: INIC.DAT and trazo.txt.
#include <QString>

#include "experiment_state.h"

namespace tya {

struct ValoresInic {
    std::array<Fijo, kParametros + 1> valor{}, max{};
    std::array<int16_t, kParametros + 1> min{};
};

// Reads INIC.DAT: a record of start-up value, maximum and minimum for each parameter, in the
// order of Param. On failure returns
// false and says in `error` which file and record cannot be read.
bool leer_inic(const QString& ruta, ValoresInic& v, QString& error);
bool leer_inic_texto(const QString& texto, ValoresInic& v, QString& error);
void aplicar_inic(const ValoresInic& v, EstadoExp& st);

// Reads trazo.txt: the session-documentation switch, 0 or 1.
bool leer_trazo(const QString& ruta, uint8_t& trazo, QString& error);
// Writes a one-number settings line as " 1 " or " 0 " with CR LF; false if it could not, with
// the reason in `motivo`, and the file then holds what it held before.
bool escribir_valor(const QString& ruta, int valor, QString* motivo = nullptr);
// The first number of a one-value file, blanks ignored; false if missing or unreadable.
bool leer_valor(const QString& ruta, double& valor);

// The name of Param(i) in the table of quantities; empty for any other index.
const char* nombre_param(int i);

}  // namespace tya
