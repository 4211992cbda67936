// Session logs on disk: the list, the start-up offer's threshold and the deletion.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "archivos.h"
#include "files/sesion.h"

using namespace tya;
using namespace tya::prueba;

TEST(Sesion, ListaAvisoYBorrado) {
    QTemporaryDir dir;
    const QDir d(dir.path());
    escribir(d.filePath("17_45.log"), "abc");
    escribir(d.filePath("09_05.log"), "abcd");
    escribir(d.filePath("uno.log"), "archivo de inicio\r\n");
    escribir(d.filePath("nota.txt"), "no es un log");
    const ListaLogs l = listar_logs(dir.path());
    EXPECT_EQ(l.nombres, (QStringList{"09_05.log", "17_45.log", "uno.log"}));
    EXPECT_EQ(l.bytes, 26);
    EXPECT_TRUE(ofrecer_borrar_logs(1, 10001) && !ofrecer_borrar_logs(1, 10000) && !ofrecer_borrar_logs(0, 99999));

    // A listed file that is gone and one that cannot be deleted are skipped; the last stays.
    const bool protegido = proteger(d.filePath("09_05.log"));
    const QStringList quedan = borrar_logs(dir.path(), {"08_00.log", "09_05.log", "17_45.log", "uno.log"});
    desproteger(d.filePath("09_05.log"));
    const QStringList esperados = {"09_05.log", "nota.txt", "uno.log"};
    EXPECT_EQ(d.entryList(QDir::Files), protegido ? esperados : esperados.mid(1));
    EXPECT_EQ(quedan.contains("09_05.log"), protegido);
    EXPECT_TRUE(quedan.contains("08_00.log") && quedan.contains("uno.log"));
    EXPECT_TRUE(borrar_logs(dir.path(), {}).isEmpty());
}
