// trayecta-calc --leer: a saved experiment file instead of launches.
#include "corrida.h"

using namespace tya;
using namespace tya::prueba;

TEST(CalcLeer, IdaYVuelta) {
    QTemporaryDir dir;
    const QString a = dir.filePath("a.TYA"), b = dir.filePath("b.TYA"), malo = dir.filePath("malo.TYA");
    const QStringList salidas = {"--resumen", "--tabla", "velocidades", "2", "--grafico", "posiciones", "todos"};
    const Corrida volado = correr(QStringList{"--tya", a} + salidas + QStringList{dir.filePath("v.png")},
                                  "0 0 100 45 0 0 1 11.3 0.4\n0 0 60 70 1 -10 0.5 7.8 0.2\n");
    ASSERT_EQ(volado.rc, 0) << volado.errores.toStdString();
    const Corrida leido = correr(QStringList{"--leer", a, "--tya", b} + salidas + QStringList{dir.filePath("l.png")});
    ASSERT_EQ(leido.rc, 0) << leido.errores.toStdString();
    EXPECT_TRUE(leer(a).startsWith("2\r\n"));
    EXPECT_EQ(leer(b), leer(a));
    EXPECT_EQ(leido.salida, volado.salida);
    EXPECT_EQ(leer(dir.filePath("l.png")), leer(dir.filePath("v.png")));

    // Refused as the window refuses it: the file and the line named, status 2, nothing written.
    escribir(malo, leer(a).chopped(40));
    const Corrida r = correr({"--leer", malo, "--tya", dir.filePath("c.TYA"), "--tabla", "posiciones", "1"});
    EXPECT_EQ(r.rc, calc::kSalidaRechazo);
    EXPECT_TRUE(r.salida.isEmpty());
    EXPECT_TRUE(r.errores.contains(malo.toUtf8() + ", línea ")) << r.errores.toStdString();
    EXPECT_FALSE(QFile::exists(dir.filePath("c.TYA")));
    // A table of an experiment the file does not hold, and launches besides the file.
    EXPECT_EQ(correr({"--leer", a, "--tabla", "posiciones", "3"}).rc, calc::kSalidaRechazo);
    EXPECT_EQ(correr({"--leer", a, "otro.txt"}).rc, calc::kSalidaRechazo);
}
