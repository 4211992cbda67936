#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "apoyo.h"
#include "files/bitacora.h"

using namespace tya;
using tya::prueba::leer;

namespace {

// The launch of the documented example: vacuum, no wind, lead sphere of 1 cm.
std::unique_ptr<EstadoExp> ejemplo() {
    auto st = std::make_unique<EstadoExp>();
    st->Vo() = Fijo::entero(100);
    st->Ang() = Fijo::entero(45);
    st->R() = Fijo::entero(1);
    st->Densidad = kDensMat[0];
    st->Cd = kCdForma[0];
    return st;
}

const QString kLineaEjemplo = QStringLiteral("0     0    100.0   45.0    0    0      1.0    11.3   0.4   ");

}  // namespace

TEST(Bitacora, NombreYCabecera) {
    const std::pair<QString, const char*> casos[] = {
        {convert("05/12/2026"), "05_12_2026"}, {convert("a/b:c//d::e f.g"), "a_b_c__d__e f.g"}, {convert(""), ""},
        {nombre_bitacora(QTime(9, 5)), "09_05.log"}, {nombre_bitacora(QTime(17, 45, 59)), "17_45.log"},
        {nombre_bitacora(QTime(0, 0)), "00_00.log"}};
    for (const auto& [hecho, esperado] : casos) EXPECT_EQ(hecho, QString::fromLatin1(esperado));
    EXPECT_EQ(cabecera_bitacora(QStringLiteral("05/12/2026")),
              (QStringList{"05_12_2026", " ", "Xo    Yo    Vo     Ang.  Aire  Viento  R      Dens.  Forma", " "}));
}

TEST(Bitacora, LineaDeLanzamiento) {
    auto st = ejemplo();
    EXPECT_EQ(linea_lanzamiento(*st, QLatin1Char('.')), kLineaEjemplo);
    EXPECT_EQ(kLineaEjemplo.size(), kAnchoLinea);

    // "##0.0#" keeps two places at most; the field keeps its width.
    st->Vo() = Fijo::desde(12.347);
    QString l = linea_lanzamiento(*st, QLatin1Char('.'));
    EXPECT_EQ(l.mid(11, 8), QStringLiteral("12.35   "));
    EXPECT_EQ(l.size(), kAnchoLinea);

    // The separator passed in, not the locale's.
    l = linea_lanzamiento(*st, QLatin1Char(','));
    EXPECT_EQ(l, QStringLiteral("0     0    12,35   45,0    0    0      1,0    11,3   0,4   "));

    // Every field at its column, also at the ends of the ranges and with a bullet in air.
    st->Xo() = Fijo::entero(6450);
    st->Yo() = Fijo::entero(4200);
    st->Vo() = Fijo::entero(340);
    st->Ang() = Fijo::entero(-180);
    st->Aire = 1;
    st->Viento() = Fijo::desde(-49.5);  // "##0" rounds half away from zero
    st->R() = Fijo::desde(0.005);
    st->Densidad = kDensMat[3];
    st->Cd = kCdForma[1];
    l = linea_lanzamiento(*st, QLatin1Char('.'));
    EXPECT_EQ(l, QStringLiteral("6450  4200 340.0   -180.0  1    -50    0.01   0.92   0.2   "));
    EXPECT_EQ(l.size(), kAnchoLinea);

    // A value wider than its field is cut to the width.
    st->Xo() = Fijo::entero(1234567);
    st->Vo() = Fijo::desde(-123456.78);
    l = linea_lanzamiento(*st, QLatin1Char('.'));
    EXPECT_EQ(l.left(6), QStringLiteral("123456"));
    EXPECT_EQ(l.mid(11, 8), QStringLiteral("-123456."));
    EXPECT_EQ(l.size(), kAnchoLinea);
}

TEST(Bitacora, ArchivoDeSesion) {
    QTemporaryDir dir;
    const QDate fecha(2026, 12, 5);
    const QString ruta = dir.filePath("09_05.log");
    auto st = ejemplo();

    Bitacora b;
    EXPECT_FALSE(b.agregar(QStringLiteral("sin bitácora"))) << "no log open yet";
    ASSERT_TRUE(b.iniciar(dir.path(), QTime(9, 5, 30), fecha));
    EXPECT_TRUE(b.abierta());
    EXPECT_EQ(QFileInfo(b.ruta()), QFileInfo(ruta));
    EXPECT_TRUE(b.documentar(*st, QLatin1Char('.')));

    // Written at once: the file holds the lines while the log stays open.
    const QByteArray cabecera = (convert(fecha_corta(fecha)) + "\r\n \r\n" +
                                 "Xo    Yo    Vo     Ang.  Aire  Viento  R      Dens.  Forma\r\n \r\n").toUtf8();
    const QByteArray uno = cabecera + kLineaEjemplo.toUtf8() + "\r\n";
    EXPECT_EQ(leer(ruta), uno);
    const QByteArray primera = leer(ruta).left(leer(ruta).indexOf("\r\n"));
    EXPECT_FALSE(primera.contains('/') || primera.contains(':') || primera.isEmpty()) << primera.toStdString();

    // Starting again in the same minute appends a second header to the same file.
    ASSERT_TRUE(b.iniciar(dir.path(), QTime(9, 5, 59), fecha));
    EXPECT_EQ(leer(ruta), uno + cabecera);

    // Another minute, another file; the earlier one gets no more lines.
    ASSERT_TRUE(b.iniciar(dir.path(), QTime(9, 6), fecha));
    EXPECT_TRUE(b.documentar(*st, QLatin1Char(',')));
    EXPECT_EQ(leer(ruta), uno + cabecera);
    EXPECT_EQ(leer(dir.filePath("09_06.log")),
              cabecera + QStringLiteral("0     0    100,0   45,0    0    0      1,0    11,3   0,4   \r\n").toUtf8());

    // A close-all closes the file; the next flight's line opens it again and is appended.
    b.cerrar();
    EXPECT_FALSE(b.abierta());
    EXPECT_TRUE(b.documentar(*st, QLatin1Char('.')));
    EXPECT_TRUE(leer(dir.filePath("09_06.log")).endsWith(("0,4   \r\n" + kLineaEjemplo + "\r\n").toUtf8()));
    EXPECT_EQ(leer(ruta), uno + cabecera);

    // A folder where the log cannot be created: nothing open, lines skipped.
    const QString archivo = dir.filePath("no_es_carpeta");
    QFile f(archivo);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    EXPECT_FALSE(b.iniciar(archivo, QTime(10, 0), fecha));
    EXPECT_FALSE(b.abierta());
    EXPECT_FALSE(b.documentar(*st, QLatin1Char('.')));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), (QStringList{"09_05.log", "09_06.log", "no_es_carpeta"}));
}
