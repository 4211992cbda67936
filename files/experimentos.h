#pragma once
// Experiment files (.TYA): the stored experiments as plain text, one number per line.
#include <QByteArray>
#include <QString>
#include <functional>

#include "core/experiment_state.h"

class QIODevice;

namespace tya {

// Largest sample count whose record still fits: index 2N + 8 of Pos and VelMarca within 4000.
constexpr int kMuestrasArchivo = (kIndiceMax - 8) / 2;

struct ResultadoArchivo {
    bool ok = false;
    int linea = 0;   // line of the file where reading or writing stopped (0: none)
    QString error;   // Spanish text, empty on success
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

// Reads an experiment file into `st`. On failure (a count outside 0..10, a sample count
// beyond the records, a line that is not a number, an early end) the experiments are
// forgotten as by a cleared scene: NExp = 0, NGrafSel = 0, NColor = 2. The records may hold
// part of what was read, but no view shows them. Closing files, redrawing and the menus
// are the caller's. A file that cannot be opened leaves the same state.
ResultadoArchivo leer_experiencias(EstadoExp& st, QIODevice& origen, const AlFijarNGraf& al_fijar_ngraf = {});
ResultadoArchivo recuperar_experiencias(EstadoExp& st, const QString& ruta, const AlFijarNGraf& al_fijar_ngraf = {});

}  // namespace tya
