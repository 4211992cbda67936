// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The language the texts are shown in: chosen from the desktop's variables or the user's
// choice, installed once at start-up, and where a language's teaching texts are found.
#include <QString>
#include <QStringList>
#include <functional>

namespace tya {

struct Idioma {
    const char* codigo;  // a catalogue's suffix and its teaching texts' folder: "en", "pt_BR"
    const char* nombre;  // in its own language, as the language menu offers it
};

// Spanish first: the texts' own language, and the one chosen when nothing else matches.
inline constexpr Idioma kIdiomas[] = {{"es", "Español"}, {"en", "English"}, {"pt_BR", "Português"}};

// The offered language a locale or language name means ("en_US.UTF-8", "pt", "pt_PT@euro",
// "es"); empty for anything else, "C" and "POSIX" included.
QString idioma_de_nombre(const QString& nombre);

// The desktop's language, the way gettext reads it: the first offered language of LANGUAGE's
// list (unless the locale is C), else LC_ALL, LC_MESSAGES and LANG, the first one set. Spanish
// when none names an offered language. `variable` reads the environment (a test passes its own).
QString idioma_del_entorno(const std::function<QString(const char*)>& variable);
QString idioma_del_entorno();

// The user's choice when it is an offered language, else the desktop's.
QString elegir_idioma(const QString& preferido, const QString& del_entorno);

// Installs the program's catalogue and Qt's own for `codigo` in the running application
// (replacing any installed before) and makes it the current language. False when a catalogue
// could not be loaded; the texts then stay Spanish where it is missing.
bool instalar_idioma(const QString& codigo);

// The language installed last ("es" before any).
QString idioma_actual();

// A teaching text of `carpeta` in the current language: "<carpeta>/<idioma>/<nombre>" when that
// file exists, the Spanish "<carpeta>/<nombre>" otherwise.
QString ruta_texto(const QString& carpeta, const QString& nombre);

}  // namespace tya
