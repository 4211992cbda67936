// trayecta-calc --valores and --imprimir-valores: the extreme-values report as copy text and on paper.
#include "corrida.h"

using namespace tya;
using namespace tya::prueba;

TEST(CalcValores, CopiaEImpresionDelInforme) {
    const QByteArray dos = "0 0 100 45 0 0 1 11.3 0.4\n0 0 100 45 1 0 1 11.3 0.4\n";
    const QList<QByteArray> l = correr({"--valores"}, dos).salida.split('\n');
    ASSERT_EQ(l.size(), 5);
    EXPECT_EQ(l[0], "Xo\tYo\tVo\tAng.\tRoz.\tXmax\tYmax\tT\tVfX\tVfY\r");
    EXPECT_TRUE(l[2].startsWith(" 0\t 0\t 100\t 45\t 0\t") && l[2].count('\t') == 10) << l[2].toStdString();
    // A last launch with a target gives the layout with target.
    EXPECT_TRUE(correr({"--valores"}, "0 0 100 45 0 0 1 11.3 0.4 3000 0 -5 0\n")
                    .salida.startsWith("Xo\tYo\tVo\tAng.\tRoz.\tXoB\tYoB\tVxb\tVyb\tDmin\tTmin\r\n\r\n"));

    // The PDF is all the output; where it cannot go it is named and nothing is left behind.
    QTemporaryDir dir;
    const Corrida s = correr({"--imprimir-valores", dir.filePath("v.pdf")}, dos);
    ASSERT_EQ(s.rc, calc::kSalidaBien) << s.errores.toStdString();
    EXPECT_TRUE(s.salida.isEmpty());
    EXPECT_TRUE(leer(dir.filePath("v.pdf")).startsWith("%PDF"));
    const QString mal = dir.filePath("no/hay/v.pdf");
    const Corrida m = correr({"--imprimir-valores", mal}, dos);
    EXPECT_EQ(m.rc, calc::kSalidaEscritura);
    EXPECT_TRUE(m.errores.contains(mal.toUtf8())) << m.errores.toStdString();
    EXPECT_FALSE(QFile::exists(mal));
    EXPECT_EQ(correr({"--imprimir-valores"}, dos).rc, calc::kSalidaRechazo);
}
