// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The decimal separator tests expect of the locale they run under.
#include <QByteArray>
#include <QLocale>
#include <QString>
#include <cstdlib>

namespace tya::prueba {

// The decimal separator of the locale the suite runs under (it runs under C.UTF-8 and under
// es_ES.UTF-8), taken from the environment, not from the program's own reading of it.
inline char separador_esperado() {
    for (const char* var : {"LC_ALL", "LC_NUMERIC", "LANG"})
        if (const char* v = std::getenv(var); v && *v)
            return QLocale(QString::fromLatin1(v).section(QLatin1Char('.'), 0, 0)).decimalPoint() == QStringLiteral(",")
                       ? ','
                       : '.';
    return '.';
}
// A text written with "." as the decimal separator, as the locale should show it.
inline QByteArray con_separador(QByteArray t) { return t.replace('.', separador_esperado()); }
inline QByteArray con_separador(const char* t) { return con_separador(QByteArray(t)); }
inline QString con_separador(QString t) { return t.replace(QLatin1Char('.'), QLatin1Char(separador_esperado())); }

}  // namespace tya::prueba
