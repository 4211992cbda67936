// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Experiment files (.TYA): the stored experiments as plain text, one number per line.
#include <QByteArray>
#include <QString>
#include <functional>

#include "core/experiment_state.h"

class QIODevice;

namespace tya {

// Ten experiments of 1900 samples are about 722 KB: a larger file is none the program wrote.
constexpr qint64 kTopeExperiencias = 2 << 20;

struct ResultadoArchivo {
    bool ok = false;
    int linea = 0;  // line of the file where reading or writing stopped (0: none)
    QString error;  // Spanish text, empty on success
    explicit operator bool() const { return ok; }
};

// Writes NExp and the four blocks, CR LF after every value, "." as decimal point.
// Refuses (writing nothing) a state whose counts would not read back.
ResultadoArchivo escribir_experiencias(const EstadoExp& st, QIODevice& destino);
// The same text in memory; empty when the state cannot be written.
QByteArray texto_experiencias(const EstadoExp& st, QString* error = nullptr);
// Saves through a temporary file that replaces `ruta` only when everything was written.
ResultadoArchivo grabar_experiencias(const EstadoExp& st, const QString& ruta);

// Called when the count has been read and NGrafSel set, before the records are read,
// with the text the experiment-number box NGraf shows.
using AlFijarNGraf = std::function<void(const QString&)>;

// Reads an experiment file into `st`. Lines may end in CR LF, LF or CR; blanks around a
// value are allowed; what follows the last block is ignored. Refused, with the line and what
// is wrong: an early end, a count of experiments that is not a whole number from 0 to 10, a
// value that is not a number or lies beyond the fixed-point range, a sample count no flight
// stores (a whole number from 1 to 1900) and a velocity count unlike the position count. On
// refusal the experiments are forgotten as by a cleared scene (NExp = 0, NGrafSel = 0,
// NColor = 2); the records may hold part of what was read, but no view shows them. A UTF-8
// byte-order mark at the start is skipped; binary content and more than kTopeExperiencias
// bytes are refused.
// Closing files, redrawing and the menus are the caller's.
ResultadoArchivo leer_experiencias(EstadoExp& st, QIODevice& origen, const AlFijarNGraf& al_fijar_ngraf = {});
// The same from a file; the error then names the file and the line. A file that cannot be
// opened, or is not a regular file, leaves the same state as a refused one.
ResultadoArchivo recuperar_experiencias(EstadoExp& st, const QString& ruta, const AlFijarNGraf& al_fijar_ngraf = {});

// The name to save under: a name typed without an extension gets ".TYA"; one with any other
// extension is kept as typed.
QString con_extension_tya(const QString& ruta);

// The folder the experiment-file dialog starts in: "trayexp" in the user's documents
// folder, created when missing.
QString carpeta_experiencias();

}  // namespace tya
