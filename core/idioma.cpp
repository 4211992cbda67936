// SPDX-License-Identifier: GPL-3.0-or-later
#include "idioma.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>

namespace tya {

namespace {

// The texts' own language: the source of every catalogue, with no catalogue of its own.
const QString kPropio = QLatin1String(kIdiomas[0].codigo);
QString g_actual = kPropio;
// Kept for the life of the program: an installed translator must outlive its use.
std::unique_ptr<QTranslator> g_programa, g_qt;
bool g_completo = false;  // both catalogues of g_actual were found

QString leer_variable(const char* nombre) { return qEnvironmentVariable(nombre); }

}  // namespace

QString idioma_de_nombre(const QString& nombre) {
    // "pt_BR.UTF-8@euro" → language "pt", country "BR"
    const QString base = nombre.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0).trimmed();
    const QString lengua = base.section(QLatin1Char('_'), 0, 0).toLower();
    // By language alone: Portugal's schools read Brazil's Portuguese better than Spanish.
    for (const Idioma& i : kIdiomas)
        if (const QString c = QString::fromLatin1(i.codigo); lengua == c.section(QLatin1Char('_'), 0, 0)) return c;
    return {};
}

QString idioma_del_entorno(const std::function<QString(const char*)>& variable) {
    QString locale;
    for (const char* v : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = variable(v);
        if (!locale.isEmpty()) break;
    }
    const bool c = locale.isEmpty() || locale == QLatin1String("C") || locale.startsWith(QLatin1String("C.")) ||
                   locale == QLatin1String("POSIX");
    // gettext ignores LANGUAGE under the C locale; so do we, or scripts setting LC_ALL=C would
    // get a translated program.
    if (!c)
        for (const QString& l : variable("LANGUAGE").split(QLatin1Char(':'), Qt::SkipEmptyParts))
            if (const QString i = idioma_de_nombre(l); !i.isEmpty()) return i;
    const QString i = idioma_de_nombre(locale);
    return i.isEmpty() ? kPropio : i;
}

QString idioma_del_entorno() { return idioma_del_entorno(leer_variable); }

QString elegir_idioma(const QString& preferido, const QString& del_entorno) {
    for (const Idioma& i : kIdiomas)
        if (preferido == QLatin1String(i.codigo)) return preferido;
    return del_entorno;
}

bool instalar_idioma(const QString& codigo) {
    for (auto* t : {g_programa.get(), g_qt.get()})
        if (t) QCoreApplication::removeTranslator(t);
    const QString elegido = elegir_idioma(codigo, kPropio);
    // Read once per language; a later application (the window's after the command line's) only
    // installs what was read.
    if (!g_qt || elegido != g_actual) {
        g_actual = elegido;
        g_completo = true;
        g_programa.reset();
        if (g_actual != kPropio) {
            g_programa = std::make_unique<QTranslator>();
            if (!g_programa->load(QStringLiteral(":/i18n/trayecta_%1.qm").arg(g_actual))) {
                g_programa.reset();
                g_completo = false;
            }
        }
        g_qt = std::make_unique<QTranslator>();
        g_completo &= g_qt->load(QStringLiteral("qtbase_%1").arg(g_actual),
                                 QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    }
    for (auto* t : {g_programa.get(), g_qt.get()})
        if (t && !t->isEmpty()) QCoreApplication::installTranslator(t);
    return g_completo;
}

QString idioma_actual() { return g_actual; }

QString ruta_texto(const QString& carpeta, const QString& nombre) {
    const QDir dir(carpeta);
    if (g_actual != kPropio) {
        const QString traducido = dir.filePath(g_actual + QLatin1Char('/') + nombre);
        if (QFileInfo(traducido).isFile()) return traducido;
    }
    return dir.filePath(nombre);
}

}  // namespace tya
