// SPDX-License-Identifier: GPL-3.0-or-later
// Session logs on disk: the start-up offer's threshold and a deletion that meets files it cannot delete.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "archivos.h"
#include "files/sesion.h"
#include "idioma.h"

using namespace tya;
using namespace tya::prueba;

TEST(Sesion, AvisoYBorrado) {
    EXPECT_TRUE(ofrecer_borrar_logs(1, 10001) && !ofrecer_borrar_logs(1, 10000) && !ofrecer_borrar_logs(0, 99999));
    {
        EnEspanol espanol;  // the offer's blanks, as the program has always printed them
        EXPECT_EQ(texto_dialogo_logs(3, 20000),
                  "La aplicación tiene activada la opción de DOCUMENTAR SESIÓN, con   3 archivos y  20000 bytes");
    }
    QTemporaryDir dir;
    const QDir d(dir.path());
    for (const char* n : {"17_45.log", "09_05.log", "uno.log", "nota.txt"}) escribir(d.filePath(n), "x");
    EXPECT_EQ(listar_logs(dir.path()).nombres, (QStringList{"09_05.log", "17_45.log", "uno.log"}));

    // A listed file that is gone and one that cannot be deleted are skipped; the last stays.
    const bool protegido = proteger(d.filePath("09_05.log"));
    const QStringList quedan = borrar_logs(dir.path(), {"08_00.log", "09_05.log", "17_45.log", "uno.log"});
    desproteger(d.filePath("09_05.log"));
    const QStringList esperados = {"09_05.log", "nota.txt", "uno.log"};
    EXPECT_EQ(d.entryList(QDir::Files), protegido ? esperados : esperados.mid(1));
    EXPECT_EQ(quedan.contains("09_05.log"), protegido);
    EXPECT_TRUE(quedan.contains("08_00.log") && quedan.contains("uno.log"));
}
