#pragma once
// trayecta-calc's command-line arguments as text, refusing any that text cannot hold exactly:
// a file name that is not valid UTF-8 would otherwise be written or read under another name.
#include <QString>
#include <QStringList>

namespace tya::calc {

// The arguments after the program's name; false, with the message naming the argument, when
// one does not survive the round trip through QFile::decodeName and QFile::encodeName.
bool leer_argumentos(int argc, const char* const* argv, QStringList& args, QString& error);

}  // namespace tya::calc
