// SPDX-License-Identifier: GPL-3.0-or-later
// The working folder: where the program runs from, and the per-user copy of the installed files.
#include "core/carpeta_trabajo.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "archivos.h"
#include "platform/dialogos.h"

using namespace tya;
using namespace tya::prueba;

TEST(CarpetaTrabajo, EligeLaCarpetaConInicYEncuentraLoInstalado) {
    QTemporaryDir tmp;
    const QDir t(tmp.path());
    for (const char* inic : {"clase/INIC.DAT", "usr/share/trayecta/INIC.DAT", "build/share/trayecta/INIC.DAT"})
        escribir(t.filePath(inic), "1");
    for (const char* carpeta : {"usr/bin", "vacia"}) QDir().mkpath(t.filePath(carpeta));
    const QString usuario = t.filePath("docs/Trayecta");
    EXPECT_EQ(carpeta_compartida(t.filePath("usr/bin")), t.filePath("usr/share/trayecta"));
    EXPECT_EQ(carpeta_compartida(t.filePath("build")), t.filePath("build/share/trayecta"));
    EXPECT_EQ(carpeta_compartida(t.filePath("vacia")), QString());

    // From a classroom folder nothing is made elsewhere; from any other the per-user one is filled.
    QString error;
    EXPECT_EQ(preparar_carpeta_trabajo(t.filePath("clase"), t.filePath("usr/bin"), usuario, error),
              t.filePath("clase"));
    EXPECT_FALSE(QDir(usuario).exists());
    EXPECT_EQ(preparar_carpeta_trabajo(t.filePath("vacia"), t.filePath("usr/bin"), usuario, error), usuario);
    EXPECT_EQ(leer(QDir(usuario).filePath("INIC.DAT")), "1");

    // At start-up a per-user folder that cannot be made is named in the program's message box,
    // and the current directory stays where it was.
    escribir(t.filePath("archivo"), "x");
    DialogosGuion dialogos;
    const QString antes = QDir::currentPath();
    EXPECT_EQ(
        entrar_en_carpeta_trabajo(t.filePath("vacia"), t.filePath("usr/bin"), t.filePath("archivo/Trayecta"), dialogos),
        QString());
    EXPECT_TRUE(dialogos.mensajes.size() == 1 && dialogos.mensajes[0].contains("archivo"))
        << dialogos.mensajes.join("|").toStdString();
    EXPECT_EQ(QDir::currentPath(), antes);
}

TEST(CarpetaTrabajo, LlenarCopiaLoQueFaltaYNoPisaLoQueElUsuarioCambio) {
    QTemporaryDir tmp;
    const QDir t(tmp.path()), inst(t.filePath("share")), dest(t.filePath("Trayecta"));
    auto instalar = [&inst](std::initializer_list<std::pair<const char*, QByteArray>> archivos) {
        for (const auto& [nombre, datos] : archivos) escribir(inst.filePath(nombre), datos);
    };
    QString error;
    // The translated texts' folders are copied as well, one level down only.
    instalar({{"INIC.DAT", "100,340,0\r\n"},
              {"trazo.txt", " 0 \r\n"},
              {"1Prob", "uno"},
              {"tpract.txt", "viejo"},
              {"en/1Prob", "one"},
              {"pt_BR/1Prob", "um"},
              {"en/hondo/x", "x"}});
    ASSERT_TRUE(llenar_carpeta(inst.path(), dest.path(), error)) << error.toStdString();
    for (const char* n : {"INIC.DAT", "trazo.txt", "1Prob", "tpract.txt", "en/1Prob", "pt_BR/1Prob"})
        EXPECT_EQ(leer(dest.filePath(n)), leer(inst.filePath(n))) << n;
    EXPECT_FALSE(QFileInfo::exists(dest.filePath("en/hondo")));

    // The user changes two copies and deletes one; a newer install changes three shipped files,
    // and then ships " 0 " again after the user's trazo.txt matched it.
    escribir(dest.filePath("trazo.txt"), " 1 \r\n");
    escribir(dest.filePath("INIC.DAT"), "50,340,0\r\n");
    escribir(dest.filePath("en/1Prob"), "mine");
    QFile::remove(dest.filePath("1Prob"));
    QDir(dest.filePath("pt_BR")).removeRecursively();
    instalar({{"INIC.DAT", "120,340,0\r\n"},
              {"trazo.txt", " 1 \r\n"},
              {"tpract.txt", "nuevo"},
              {"2Prob", "dos"},
              {"en/1Prob", "one, again"},
              {"en/2Prob", "two"}});
    ASSERT_TRUE(llenar_carpeta(inst.path(), dest.path(), error)) << error.toStdString();
    instalar({{"trazo.txt", " 0 \r\n"}});
    ASSERT_TRUE(llenar_carpeta(inst.path(), dest.path(), error));
    const std::pair<const char*, QByteArray> casos[] = {
        {"INIC.DAT", "50,340,0\r\n"},  // changed by the user: kept
        {"trazo.txt", " 1 \r\n"},      // the user's, even while it matched the install
        {"1Prob", "uno"},              // deleted: copied again
        {"tpract.txt", "nuevo"},       // untouched copy: follows the install
        {"2Prob", "dos"},              // new in the install
        {"en/1Prob", "mine"},          // in a language folder, the same rules
        {"en/2Prob", "two"},
        {"pt_BR/1Prob", "um"},  // its folder deleted: made again
    };
    for (const auto& [nombre, esperado] : casos) EXPECT_EQ(leer(dest.filePath(nombre)), esperado) << nombre;

    // No install found: the folder is still made; a folder that cannot be made is named.
    EXPECT_TRUE(llenar_carpeta(QString(), t.filePath("otra"), error) && QDir(t.filePath("otra")).exists());
    escribir(t.filePath("archivo"), "x");
    EXPECT_TRUE(!llenar_carpeta(inst.path(), t.filePath("archivo/Trayecta"), error) &&
                error.contains("archivo/Trayecta"))
        << error.toStdString();
}
