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

QString g_actual = QStringLiteral("es");
// Kept for the life of the program: an installed translator must outlive its use.
std::unique_ptr<QTranslator> g_programa, g_qt;

QString leer_variable(const char* nombre) { return qEnvironmentVariable(nombre); }

}  // namespace

QString idioma_de_nombre(const QString& nombre) {
    // "pt_BR.UTF-8@euro" → language "pt", country "BR"
    QString base = nombre.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0).trimmed();
    const QString lengua = base.section(QLatin1Char('_'), 0, 0).toLower();
    if (lengua == QLatin1String("es")) return QStringLiteral("es");
    if (lengua == QLatin1String("en")) return QStringLiteral("en");
    // Portugal's schools read Brazil's Portuguese better than Spanish.
    if (lengua == QLatin1String("pt")) return QStringLiteral("pt_BR");
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
    return i.isEmpty() ? QStringLiteral("es") : i;
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
    g_programa.reset();
    g_qt.reset();
    g_actual = elegir_idioma(codigo, QStringLiteral("es"));
    bool todo = true;
    // Spanish is the texts' own language: only Qt's standard buttons need a catalogue.
    if (g_actual != QLatin1String("es")) {
        g_programa = std::make_unique<QTranslator>();
        if (g_programa->load(QStringLiteral(":/i18n/trayecta_%1.qm").arg(g_actual)))
            QCoreApplication::installTranslator(g_programa.get());
        else
            todo = false;
    }
    g_qt = std::make_unique<QTranslator>();
    if (g_qt->load(QStringLiteral("qtbase_%1").arg(g_actual), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(g_qt.get());
    else
        todo = false;
    return todo;
}

QString idioma_actual() { return g_actual; }

QString ruta_texto(const QString& carpeta, const QString& nombre) {
    const QDir dir(carpeta);
    if (g_actual != QLatin1String("es")) {
        const QString traducido = dir.filePath(g_actual + QLatin1Char('/') + nombre);
        if (QFileInfo(traducido).isFile()) return traducido;
    }
    return dir.filePath(nombre);
}

}  // namespace tya
