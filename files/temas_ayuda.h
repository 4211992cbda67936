// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The help file's topics and the topic finder, without a window.
#include <QList>
#include <QString>

namespace tya {

// Topics of a help file: each starts at a line "# title"; the text up to the next one is its body.
struct TemaAyuda {
    QString titulo, texto;
};
// Empty, with the reason in `error`, when the file cannot be read or has no topic.
QList<TemaAyuda> leer_ayuda(const QString& ruta, QString* error = nullptr);

// A text as the finder compares it: lower case, without accents or the tilde of ñ.
QString sin_acentos(const QString& texto);

// The topics, in order, whose title or text holds every word typed, accents and case aside;
// every topic when nothing but blanks is typed.
QList<int> temas_con(const QList<TemaAyuda>& temas, const QString& palabras);

}  // namespace tya
