#include "core/carpeta_trabajo.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tya;

namespace {

void poner(const QString& ruta, const QByteArray& datos) {
    QDir().mkpath(QFileInfo(ruta).path());
    QFile f(ruta);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(datos);
}

QByteArray leer(const QString& ruta) {
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<falta>");
}

}  // namespace

TEST(CarpetaTrabajo, EligeLaCarpetaConInicOLaDelUsuarioYEncuentraLoInstalado) {
    QTemporaryDir tmp;
    const QDir t(tmp.path());
    poner(t.filePath("clase/INIC.DAT"), "1");
    poner(t.filePath("usr/share/trayecta/INIC.DAT"), "1");
    poner(t.filePath("build/share/trayecta/INIC.DAT"), "1");
    QDir().mkpath(t.filePath("usr/bin"));
    QDir().mkpath(t.filePath("vacia"));
    const QString usuario = t.filePath("docs/Trayecta");

    EXPECT_EQ(elegir_carpeta(t.filePath("clase"), usuario), t.filePath("clase"));
    EXPECT_EQ(elegir_carpeta(t.filePath("vacia"), usuario), usuario);
    EXPECT_EQ(carpeta_compartida(t.filePath("usr/bin")), t.filePath("usr/share/trayecta"));
    EXPECT_EQ(carpeta_compartida(t.filePath("build")), t.filePath("build/share/trayecta"));
    EXPECT_EQ(carpeta_compartida(t.filePath("vacia")), QString());

    // From a classroom folder nothing is made elsewhere; from any other the per-user one is filled.
    QString error;
    EXPECT_EQ(preparar_carpeta_trabajo(t.filePath("clase"), t.filePath("usr/bin"), usuario, error), t.filePath("clase"));
    EXPECT_FALSE(QDir(usuario).exists());
    EXPECT_EQ(preparar_carpeta_trabajo(t.filePath("vacia"), t.filePath("usr/bin"), usuario, error), usuario);
    EXPECT_EQ(leer(QDir(usuario).filePath("INIC.DAT")), "1");

    QStandardPaths::setTestModeEnabled(true);  // keeps the real user-dirs settings out
    const QByteArray casa = qgetenv("HOME");
    qputenv("HOME", t.filePath("casa").toUtf8());
    EXPECT_TRUE(carpeta_usuario().startsWith(t.filePath("casa") + "/")) << carpeta_usuario().toStdString();
    EXPECT_TRUE(carpeta_usuario().endsWith("/Trayecta"));
    qputenv("HOME", casa);
    QStandardPaths::setTestModeEnabled(false);
}

TEST(CarpetaTrabajo, LlenarCopiaLoQueFaltaYNoPisaLoQueElUsuarioCambio) {
    QTemporaryDir tmp;
    const QDir t(tmp.path());
    const QString inst = t.filePath("share"), dest = t.filePath("Trayecta");
    poner(t.filePath("share/INIC.DAT"), "100,340,0\r\n");
    poner(t.filePath("share/trazo.txt"), " 0 \r\n");
    poner(t.filePath("share/1Prob"), "uno");
    poner(t.filePath("share/tpract.txt"), "viejo");
    QString error;
    ASSERT_TRUE(llenar_carpeta(inst, dest, error)) << error.toStdString();
    for (const char* n : {"INIC.DAT", "trazo.txt", "1Prob", "tpract.txt"})
        EXPECT_EQ(leer(QDir(dest).filePath(n)), leer(QDir(inst).filePath(n))) << n;

    // The user changes two copies and deletes one; a newer install changes three shipped files.
    poner(QDir(dest).filePath("trazo.txt"), " 1 \r\n");
    poner(QDir(dest).filePath("INIC.DAT"), "50,340,0\r\n");
    QFile::remove(QDir(dest).filePath("1Prob"));
    poner(t.filePath("share/INIC.DAT"), "120,340,0\r\n");
    poner(t.filePath("share/trazo.txt"), " 1 \r\n");
    poner(t.filePath("share/tpract.txt"), "nuevo");
    poner(t.filePath("share/2Prob"), "dos");
    ASSERT_TRUE(llenar_carpeta(inst, dest, error)) << error.toStdString();
    const struct {
        const char* nombre;
        QByteArray esperado;
    } casos[] = {
        {"INIC.DAT", "50,340,0\r\n"},  // changed by the user: kept
        {"trazo.txt", " 1 \r\n"},      // changed to what is now shipped: kept either way
        {"1Prob", "uno"},              // deleted: copied again
        {"tpract.txt", "nuevo"},       // untouched copy: follows the install
        {"2Prob", "dos"},              // new in the install
    };
    for (const auto& c : casos) EXPECT_EQ(leer(QDir(dest).filePath(c.nombre)), c.esperado) << c.nombre;

    // Shipped " 0 " again after the user's trazo.txt matched it: still the user's file, kept.
    poner(t.filePath("share/trazo.txt"), " 0 \r\n");
    ASSERT_TRUE(llenar_carpeta(inst, dest, error));
    EXPECT_EQ(leer(QDir(dest).filePath("trazo.txt")), " 1 \r\n");

    // No install found: the folder is still made; a folder that cannot be made is named.
    EXPECT_TRUE(llenar_carpeta(QString(), t.filePath("otra"), error));
    EXPECT_TRUE(QDir(t.filePath("otra")).exists());
    poner(t.filePath("archivo"), "x");
    EXPECT_FALSE(llenar_carpeta(inst, t.filePath("archivo/Trayecta"), error));
    EXPECT_TRUE(error.contains("archivo/Trayecta")) << error.toStdString();
}
