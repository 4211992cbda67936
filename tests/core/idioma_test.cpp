// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QTemporaryDir>

#include "core/idioma.h"
#include "core/traduccion.h"
#include "idioma.h"

using namespace tya;

TEST(Idioma, DelEntornoComoGettext) {
    struct Caso {
        QMap<QString, QString> entorno;
        const char* idioma;
    };
    const Caso casos[] = {
        {{}, "es"},
        {{{"LANG", "en_US.UTF-8"}}, "en"},
        {{{"LANG", "pt_BR.UTF-8"}}, "pt_BR"},
        {{{"LANG", "pt_PT.UTF-8@euro"}}, "pt_BR"},
        {{{"LANG", "de_DE.UTF-8"}}, "es"},
        // LC_ALL over LC_MESSAGES over LANG.
        {{{"LANG", "en_US.UTF-8"}, {"LC_MESSAGES", "pt_BR.UTF-8"}}, "pt_BR"},
        {{{"LC_ALL", "es_AR.UTF-8"}, {"LC_MESSAGES", "en_GB.UTF-8"}}, "es"},
        // LANGUAGE is a list of preferences; its first offered one wins...
        {{{"LANGUAGE", "de:fr:en_GB:pt"}, {"LANG", "de_DE.UTF-8"}}, "en"},
        {{{"LANGUAGE", "de"}, {"LANG", "pt_BR.UTF-8"}}, "pt_BR"},
        // ...but not under the C locale, which scripts set to get the program's own texts.
        {{{"LANGUAGE", "en"}, {"LC_ALL", "C.UTF-8"}}, "es"},
        {{{"LANGUAGE", "en"}, {"LANG", "POSIX"}}, "es"},
    };
    for (const Caso& c : casos) {
        const QString i = idioma_del_entorno([&](const char* v) { return c.entorno.value(QString::fromLatin1(v)); });
        EXPECT_EQ(i, c.idioma) << c.entorno.keys().join(' ').toStdString();
    }
    EXPECT_EQ(elegir_idioma("pt_BR", "en"), "pt_BR");
    // A damaged or foreign setting leaves the desktop's language.
    for (const char* p : {"", "fr", "EN", "../es"}) EXPECT_EQ(elegir_idioma(p, "en"), "en") << p;
}

TEST(Idioma, CatalogosYTextos) {
    int argc = 1;
    char nombre[] = "prueba";
    char* argv[] = {nombre, nullptr};
    QCoreApplication app(argc, argv);
    prueba::EnEspanol espanol;
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkpath("en"));
    for (const char* f : {"modelo.txt", "en/modelo.txt", "metodo.txt"}) {
        QFile a(dir.filePath(f));
        ASSERT_TRUE(a.open(QIODevice::WriteOnly));
    }
    for (const Idioma& i : kIdiomas) {
        SCOPED_TRACE(i.codigo);
        EXPECT_TRUE(instalar_idioma(i.codigo));  // both catalogues found
        EXPECT_EQ(idioma_actual(), i.codigo);
        const bool es = idioma_actual() == "es";
        // The source texts come back unchanged in Spanish, translated in the others.
        EXPECT_EQ(Trayecta::tr("Vacío") == QString::fromUtf8("Vacío"), es);
        EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel") == "Cancel", i.codigo == QLatin1String("en"));
        // A translated teaching text where there is one; the Spanish one where it is missing.
        EXPECT_EQ(ruta_texto(dir.path(), "modelo.txt"),
                  dir.filePath(i.codigo == QLatin1String("en") ? "en/modelo.txt" : "modelo.txt"));
        EXPECT_EQ(ruta_texto(dir.path(), "metodo.txt"), dir.filePath("metodo.txt"));
    }
}
