// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every number form the program writes: plain, print and format masks.
#include <QChar>
#include <QString>

#include "fijo.h"

namespace tya {

// Plain form: a blank before values not below zero, "-" otherwise, "." and up to four decimals.
QString forma_simple(Fijo v);
QString forma_simple(double v);          // rounded to four decimals first
QString forma_simple_f32(float v);       // seven significant digits at most
QString forma_simple_entero(int64_t v);  // " 3", "-2"
// Print form: the plain form followed by a blank.
QString forma_impresion(Fijo v);
// Experiment-file form: the plain form without the leading blank.
QString forma_archivo(Fijo v);
// The same with another decimal separator: tables a person reads take the reader's.
QString forma_archivo(Fijo v, QChar separador);
// Copy-text form: the plain form without the "0" before the point below 1 (" .5", "-.25").
QString forma_copia(Fijo v);

// Format masks such as "###0.00", "##0.0#", "#0.0", "0.#": "0" a digit always shown,
// "#" a digit shown only when significant. Rounded half away from zero, as masks do.
QString formato(Fijo v, const QString& mascara, QChar separador);
QString formato(double v, const QString& mascara, QChar separador);

// Left-justified in a field of the given width: padded with blanks or cut.
QString ajustar(const QString& texto, int ancho);

// The number at the start of a text: blanks skipped, optional sign, digits, a decimal
// separator ("." or ",", whatever the locale) and digits; reading stops at the first
// character that cannot continue it, a second separator included; nothing readable gives 0.
double leer_numero(const QString& texto);
// Like leer_numero, but false if nothing is read or something else follows.
bool leer_numero_completo(const QString& texto, double& valor);

// The system's decimal separator.
QChar separador_local();

}  // namespace tya
