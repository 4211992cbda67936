// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's command line: at most one experiment file, as a file manager passes it.
#include <QString>
#include <QStringList>

namespace tya {

struct Argumentos {
    QString archivo;    // the experiment file to open at start, absolute; empty for none
    QString error;      // Spanish text for the terminal; when set, the program ends with status 2
    QString respuesta;  // what --version or --help print; when set, the program ends with status 0
};

// `args` without the program's name; relative names are taken from `carpeta`, the folder the
// program was started from.
Argumentos leer_argumentos(const QStringList& args, const QString& carpeta);

// The arguments after the program's name as text; false, with the message naming the
// argument, when one does not survive the round trip through QFile::decodeName and
// QFile::encodeName: a file name that is not valid UTF-8 (old classroom media) would otherwise
// be read or written under another name.
bool argumentos_como_texto(int argc, const char* const* argv, QStringList& args, QString& error);

}  // namespace tya
