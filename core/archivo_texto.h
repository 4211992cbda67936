#pragma once
// The plain text files shipped beside the program (problems, practical work, model texts).
#include <QString>
#include <QStringList>

namespace tya {

// The lines of a text file without their line ends (CR LF, LF or CR). The text is UTF-8; a
// file that is not valid UTF-8 is read as Latin-1, as older editors write it. False, with a
// message naming the file, when it cannot be read.
bool leer_lineas(const QString& ruta, QStringList& lineas, QString& error);

// The lines joined back, each followed by CR LF.
QString con_crlf(const QStringList& lineas);

}  // namespace tya
