// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Session logs: one header when documentation starts, one fixed-width line per flight.
#include <QChar>
#include <QDate>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTime>

#include "core/experiment_state.h"

namespace tya {

// Every "/" and ":" replaced by "_".
QString convert(const QString& texto);
// "17:45" gives "17_45.log".
QString nombre_bitacora(const QTime& hora);
// The date in the system's short form, as the header's first line takes it before convert.
QString fecha_corta(const QDate& fecha);
// The four header lines (without line ends) for a date text such as "05/12/2026".
QStringList cabecera_bitacora(const QString& fecha);
// The 59-character line of a launch: the quantities with a log column (Xo, Yo, Vo, Ang, Aire,
// Viento, R, Densidad, Cd), each in its field of the table of quantities.
QString linea_lanzamiento(const EstadoExp& st, QChar separador);

constexpr int kAnchoLinea = [] {
    int n = 0;
    for (const DefCantidad& c : kCantidades) n += c.bitacora.ancho;
    return n;
}();

// The open session log. Lines end in CR LF; each is one unbuffered write, and a write that
// fails part way is cut back off the file, so a line is either written whole or skipped. A log closed by a close-all of
// the program's files is opened again for appending by the next line, so no flight's line is lost in silence.
class Bitacora {
public:
    // Opens (creating it when missing) a log for appending; closes the one open before.
    bool abrir(const QString& ruta);
    // The steps of starting a log: close, open the file named by `hora` in `carpeta`, write
    // the header. A step that fails is passed over. True when the log is open.
    bool iniciar(const QString& carpeta, const QTime& hora, const QDate& fecha);
    bool escribir_cabecera(const QString& fecha);
    // False when the line could not be written (or no log was ever started); the line is then skipped.
    bool agregar(const QString& linea);
    bool documentar(const EstadoExp& st, QChar separador) { return agregar(linea_lanzamiento(st, separador)); }
    // The close-all: the file is closed, but the log stays the session's until another starts.
    void cerrar();
    bool abierta() const { return f_.isOpen(); }
    QString ruta() const { return f_.fileName(); }

private:
    QFile f_;
};

}  // namespace tya
