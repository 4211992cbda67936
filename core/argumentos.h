#pragma once
// The program's command line: at most one experiment file, as a file manager passes it.
#include <QString>
#include <QStringList>

namespace tya {

struct Argumentos {
    QString archivo;  // the experiment file to open at start, absolute; empty for none
    QString error;    // Spanish text for the terminal; when set, the program ends with status 2
};

// `args` without the program's name; relative names are taken from `carpeta`, the folder the
// program was started from.
Argumentos leer_argumentos(const QStringList& args, const QString& carpeta);

}  // namespace tya
