// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The extreme-values report: one row per experiment from its summary row, in the text window
// and in the copy text, and the same table as printed lines.
#include <QList>
#include <QString>

#include "core/columnas.h"
#include "core/experiment_state.h"
#include "core/registros.h"

namespace tya {

struct ColumnaInforme {
    QString etiqueta;
    int columna_etiqueta;
    CampoResumen campo;
    int columna_valor;
    bool redondeado;  // shown with "#0.0" in the window
};

// The window's layout without target (ten columns) or with it (eleven). A column whose
// neighbour on the left holds a wider text is moved right when the report is laid out.
const QList<ColumnaInforme>& columnas_informe(bool blanco);
// The printed layout: the same labels, 8 (or 7) characters apart from the margin, unrounded.
const QList<ColumnaInforme>& columnas_impresas(bool blanco);

// The copy text: labels separated by tabs, two CR LF, then each experiment's values in the
// plain copy form with the reader's decimal separator, each followed by a tab, the row ended by CR LF.
QString texto_copia_informe(const EstadoExp& st, bool blanco, QChar separador = QLatin1Char('.'));

// The report as the text window shows it: the header, an empty line and a row per experiment at
// the window's columns (moved right past a wider value on their left), measured as `molde` measures.
TextoEnColumnas informe_en_columnas(const EstadoExp& st, bool blanco, QChar separador, const TextoEnColumnas& molde);

// The header, an empty line and the rows of the printed table, at the printed columns (moved
// right, as in the window, past a wider value on their left).
TextoEnColumnas tabla_impresa(const EstadoExp& st, bool blanco, QChar separador);

}  // namespace tya
