// trayecta-calc --leer: a saved experiment file instead of launches.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>

#include "aplicacion.h"
#include "core/formato.h"
#include "tools/calc.h"

using namespace tya;

namespace {
struct Corrida {
    int rc = -1;
    QByteArray salida, errores;
};
Corrida correr(const QStringList& args, const QByteArray& entrada = {}) {
    QBuffer in, out, err;
    in.setData(entrada);
    in.open(QIODevice::ReadOnly);
    out.open(QIODevice::WriteOnly);
    err.open(QIODevice::WriteOnly);
    Corrida c;
    c.rc = calc::ejecutar(args, in, out, err);
    c.salida = out.data();
    c.errores = err.data();
    return c;
}
QByteArray leer(const QString& ruta) {
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
const QString kInic = QStringLiteral(TYA_DATOS "/INIC.DAT");
}  // namespace

TEST(CalcLeer, IdaYVuelta) {
    QTemporaryDir dir;
    const QString a = dir.filePath("a.TYA"), b = dir.filePath("b.TYA");
    const QByteArray lanzamientos = "0 0 100 45 0 0 1 11.3 0.4\n0 0 60 70 1 -10 0.5 7.8 0.2\n";
    const QStringList salidas = {"--resumen", "--tabla", "velocidades", "2", "--grafico", "posiciones", "todos"};
    const Corrida volado = correr(QStringList{"--inic", kInic, "--tya", a} + salidas + QStringList{dir.filePath("v.png")},
                                  lanzamientos);
    ASSERT_EQ(volado.rc, 0) << volado.errores.toStdString();
    const Corrida leido = correr(QStringList{"--leer", a, "--tya", b} + salidas + QStringList{dir.filePath("l.png")});
    ASSERT_EQ(leido.rc, 0) << leido.errores.toStdString();
    EXPECT_EQ(leer(b), leer(a));
    EXPECT_FALSE(leer(a).isEmpty());
    EXPECT_EQ(leido.salida, volado.salida);
    EXPECT_EQ(leer(dir.filePath("l.png")), leer(dir.filePath("v.png")));

    // Refused as the window refuses it: the file and the line named, status 2, nothing written.
    QFile::copy(a, dir.filePath("malo.TYA"));
    QFile f(dir.filePath("malo.TYA"));
    ASSERT_TRUE(f.open(QIODevice::Append));
    f.resize(f.size() - 40);
    f.close();
    const QString c = dir.filePath("c.TYA");
    const Corrida malo = correr({"--leer", dir.filePath("malo.TYA"), "--tya", c, "--tabla", "posiciones", "1"});
    EXPECT_EQ(malo.rc, calc::kSalidaRechazo);
    EXPECT_TRUE(malo.salida.isEmpty());
    EXPECT_TRUE(malo.errores.contains(dir.filePath("malo.TYA").toUtf8() + ", línea ")) << malo.errores.toStdString();
    EXPECT_FALSE(QFile::exists(c));
    // A table of an experiment the file does not hold, and launches besides the file.
    EXPECT_EQ(correr({"--leer", a, "--tabla", "posiciones", "3"}).rc, calc::kSalidaRechazo);
    EXPECT_EQ(correr({"--leer", a, "otro.txt"}).rc, calc::kSalidaRechazo);
    EXPECT_TRUE(calc::texto_ayuda().contains("--leer ARCHIVO.TYA"));
}
