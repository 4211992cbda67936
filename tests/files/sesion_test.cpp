#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "files/sesion.h"
#include "proteger.h"

using namespace tya;

namespace {
void escribir(const QString& ruta, const QByteArray& datos) {
    QFile f(ruta);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(datos);
}
}  // namespace

TEST(Sesion, ListaAvisoYBorrado) {
    QTemporaryDir dir;
    escribir(dir.filePath("17_45.log"), "abc");
    escribir(dir.filePath("09_05.log"), "abcd");
    escribir(dir.filePath("uno.log"), "archivo de inicio\r\n");
    escribir(dir.filePath("nota.txt"), "no es un log");
    const ListaLogs l = listar_logs(dir.path());
    EXPECT_EQ(l.nombres, (QStringList{"09_05.log", "17_45.log", "uno.log"}));
    EXPECT_EQ(l.bytes, 26);

    EXPECT_TRUE(ofrecer_borrar_logs(1, 10001) && !ofrecer_borrar_logs(1, 10000) && !ofrecer_borrar_logs(0, 99999));

    // A listed file that is gone and one that cannot be deleted are skipped; the last stays.
    const bool protegido = prueba::proteger(dir.filePath("09_05.log"));
    const QStringList quedan = borrar_logs(dir.path(), {"08_00.log", "09_05.log", "17_45.log", "uno.log"});
    prueba::desproteger(dir.filePath("09_05.log"));
    const QStringList esperados =
        protegido ? QStringList{"09_05.log", "nota.txt", "uno.log"} : QStringList{"nota.txt", "uno.log"};
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), esperados);
    EXPECT_EQ(quedan.contains("09_05.log"), protegido);
    EXPECT_TRUE(quedan.contains("08_00.log") && quedan.contains("uno.log"));
    EXPECT_TRUE(borrar_logs(dir.path(), {}).isEmpty());
}
