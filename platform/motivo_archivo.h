// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Why a file could not be read or written, in words a teacher can act on. Every file
// the program reads or writes reports its failures through these.
#include <QByteArrayView>
#include <QFileDevice>
#include <QString>

namespace tya {

// An operating-system error number in words: ENOSPC and EFBIG are "no queda espacio en el disco".
QString motivo_errno(int numero);

// Why the last open, read, write or commit of `f` failed. Qt's own text is recognised first;
// when it says no more ("Unknown error" after a buffered write), `numero`, the errno taken
// right after the failing call, gives the reason.
QString motivo_archivo(const QFileDevice& f, int numero = 0);

// Content that is not a text file: UTF-16, NUL bytes or other control bytes. Empty for text
// (UTF-8 or Latin-1, tabs and line ends); otherwise the reason, and in `donde` the offset of
// the first offending byte.
QString motivo_contenido(QByteArrayView datos, qsizetype* donde = nullptr);

}  // namespace tya
