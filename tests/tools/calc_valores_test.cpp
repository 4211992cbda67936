#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>

#include "aplicacion.h"
#include "tools/calc.h"

using namespace tya;

namespace {
struct Salida {
    int rc;
    QByteArray salida, errores;
};

Salida correr(QStringList args, const QByteArray& entrada) {
    args = QStringList{"--inic", TYA_DATOS "/INIC.DAT"} + args;
    QBuffer in, out, err;
    in.setData(entrada);
    in.open(QIODevice::ReadOnly);
    out.open(QIODevice::WriteOnly);
    err.open(QIODevice::WriteOnly);
    const int rc = calc::ejecutar(args, in, out, err);
    return {rc, out.data(), err.data()};
}
}  // namespace

TEST(CalcValores, CopiaEImpresionDelInforme) {
    const QByteArray dos = "0 0 100 45 0 0 1 11.3 0.4\n0 0 100 45 1 0 1 11.3 0.4\n";
    Salida s = correr({"--valores"}, dos);
    ASSERT_EQ(s.rc, 0) << s.errores.toStdString();
    QList<QByteArray> l = s.salida.split('\n');
    ASSERT_EQ(l.size(), 5);
    EXPECT_EQ(l[0], "Xo\tYo\tVo\tAng.\tRoz.\tXmax\tYmax\tT\tVfX\tVfY\r");
    EXPECT_EQ(l[2].count('\t'), 10);
    EXPECT_TRUE(l[2].startsWith(" 0\t 0\t 100\t 45\t 0\t"));

    // A last launch with a target gives the layout with target.
    s = correr({"--valores"}, "0 0 100 45 0 0 1 11.3 0.4 3000 0 -5 0\n");
    EXPECT_TRUE(s.salida.startsWith("Xo\tYo\tVo\tAng.\tRoz.\tXoB\tYoB\tVxb\tVyb\tDmin\tTmin\r\n\r\n"));

    QTemporaryDir dir;
    const QString pdf = dir.filePath("valores.pdf");
    s = correr({"--imprimir-valores", pdf}, dos);
    ASSERT_EQ(s.rc, 0) << s.errores.toStdString();
    EXPECT_TRUE(s.salida.isEmpty());  // the PDF was the output asked for
    QFile f(pdf);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.readAll().startsWith("%PDF"));

    s = correr({"--imprimir-valores", dir.filePath("no/hay/v.pdf")}, dos);
    EXPECT_EQ(s.rc, calc::kSalidaEscritura);
    EXPECT_TRUE(s.errores.contains("v.pdf"));
    EXPECT_EQ(correr({"--imprimir-valores"}, dos).rc, calc::kSalidaRechazo);
    const QString ayuda = calc::texto_ayuda();
    EXPECT_TRUE(ayuda.contains("--valores") && ayuda.contains("--imprimir-valores ARCHIVO.pdf"));
}
