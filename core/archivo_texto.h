// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading the files a teacher may have made or edited elsewhere: whole, bounded, regular files
// only, and the plain text files shipped beside the program (problems, practical work, models).
#include <QByteArray>
#include <QString>
#include <QStringList>

class QIODevice;

namespace tya {

// Larger text files than this are refused: the shipped ones are a few kilobytes.
constexpr qint64 kTopeTexto = 1 << 20;

// "2 MB", "64 KB": a limit as a message names it.
QString texto_tamano(qint64 bytes);

// The whole content of `ruta`, without a UTF-8 byte-order mark at its start. Refuses, with the
// reason in `motivo`, what is not a regular file (a FIFO, a device: the opened file is
// checked and never waited on) and a file larger than `tope` bytes.
bool leer_archivo(const QString& ruta, qint64 tope, QByteArray& datos, QString& motivo);

// Everything a device (standard input) gives until its end, refused beyond `tope` bytes.
bool leer_dispositivo(QIODevice& d, qint64 tope, QByteArray& datos, QString& motivo);

// Drops a UTF-8 byte-order mark at the start (Notepad writes one).
void quitar_bom(QByteArray& datos);

// The lines of a text file without their line ends (CR LF, LF or CR). The text is UTF-8; a
// file that is not valid UTF-8 is read as Latin-1, as older editors write it. False, with a
// message naming the file, when it cannot be read or is not text.
bool leer_lineas(const QString& ruta, QStringList& lineas, QString& error);

// The lines joined back, each followed by CR LF.
QString con_crlf(const QStringList& lineas);

}  // namespace tya
