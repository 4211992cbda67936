// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "apoyo.h"
#include "files/bitacora.h"

using namespace tya;
using namespace tya::prueba;

namespace {

// The launch of the documented example: vacuum, no wind, lead sphere of 1 cm.
const QByteArray kLineaEjemplo = "0     0    100.0   45.0    0    0      1.0    11.3   0.4   ";

struct Lanzamiento {
    double xo, yo, vo, ang;
    int aire;
    double viento, r;
    int material, forma;
};
const Lanzamiento kEjemplo = {0, 0, 100, 45, 0, 0, 1, 0, 0};

void poner(EstadoExp& st, const Lanzamiento& l) {
    std::tie(st.Xo(), st.Yo(), st.Vo(), st.Ang()) = std::tuple(Fijo::desde(l.xo), Fijo::desde(l.yo), Fijo::desde(l.vo),
                                                               Fijo::desde(l.ang));
    std::tie(st.Viento(), st.R()) = std::tuple(Fijo::desde(l.viento), Fijo::desde(l.r));
    st.Aire = static_cast<int16_t>(l.aire);
    st.Densidad = kDensMat[static_cast<size_t>(l.material)];
    st.Cd = kCdForma[static_cast<size_t>(l.forma)];
}

}  // namespace

TEST(Bitacora, LineaDeLanzamiento) {
    // Every field at its column, with the separator passed in (not the locale's): "##0.0#" keeps
    // two places at most, "##0" rounds half away from zero, a value wider than its field is cut.
    const struct {
        Lanzamiento l;
        char sep;
        const char* linea;
    } casos[] = {
        {kEjemplo, '.', kLineaEjemplo.constData()},
        {{6450, 4200, 12.347, -180, 1, -49.5, 0.005, 3, 1},
         ',',
         "6450  4200 12,35   -180,0  1    -50    0,01   0,92   0,2   "},
        {{1234567, 0, -123456.78, 45, 0, 0, 1, 0, 0},
         '.',
         "1234560    -123456.45.0    0    0      1.0    11.3   0.4   "},
    };
    auto st = std::make_unique<EstadoExp>();
    for (const auto& c : casos) {
        poner(*st, c.l);
        EXPECT_EQ(linea_lanzamiento(*st, QLatin1Char(c.sep)), QString::fromLatin1(c.linea));
    }
}

TEST(Bitacora, ArchivoDeSesion) {
    QTemporaryDir dir;
    const QDate fecha(2026, 12, 5);
    const QString ruta = dir.filePath("09_05.log"), otra = dir.filePath("09_06.log");
    auto st = std::make_unique<EstadoExp>();
    poner(*st, kEjemplo);

    Bitacora b;
    EXPECT_FALSE(b.agregar(QStringLiteral("sin bitácora"))) << "no log open yet";
    ASSERT_TRUE(b.iniciar(dir.path(), QTime(9, 5, 30), fecha));
    EXPECT_TRUE(b.documentar(*st, QLatin1Char('.')));
    // Named by hour and minute; written at once, CR LF after every line: the file holds the lines
    // while the log stays open. The date's "/" become "_".
    const QByteArray cabecera = (convert(fecha_corta(fecha)) + "\r\n \r\n" +
                                 "Xo    Yo    Vo     Ang.  Aire  Viento  R      Dens.  Forma\r\n \r\n")
                                    .toUtf8();
    const QByteArray uno = cabecera + kLineaEjemplo + "\r\n";
    EXPECT_EQ(leer(ruta), uno);

    // Starting again in the same minute appends a second header to the same file; another
    // minute, another file, and the earlier one gets no more lines.
    ASSERT_TRUE(b.iniciar(dir.path(), QTime(9, 5, 59), fecha));
    ASSERT_TRUE(b.iniciar(dir.path(), QTime(9, 6), fecha));
    EXPECT_TRUE(b.documentar(*st, QLatin1Char(',')));
    // A close-all closes the file; the next flight's line opens it again and is appended.
    b.cerrar();
    EXPECT_TRUE(b.documentar(*st, QLatin1Char('.')));
    EXPECT_EQ(leer(ruta), uno + cabecera);
    EXPECT_EQ(leer(otra), cabecera + QByteArray(kLineaEjemplo).replace('.', ',') + "\r\n" + kLineaEjemplo + "\r\n");

    // A folder where the log cannot be created: nothing open, lines skipped.
    const QString archivo = dir.filePath("no_es_carpeta");
    escribir(archivo, "");
    EXPECT_FALSE(b.iniciar(archivo, QTime(10, 0), fecha) || b.abierta() || b.documentar(*st, QLatin1Char('.')));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), (QStringList{"09_05.log", "09_06.log", "no_es_carpeta"}));

    // A disk that fills part way through a line: the part is cut off again and nothing of it is
    // held back to appear later; once there is room, the next line is whole.
    const QString lleno = dir.filePath("lleno.log");
    const QByteArray linea = kLineaEjemplo + "\r\n";
    ASSERT_TRUE(b.abrir(lleno));
    {
        DiscoLleno disco(linea.size() + 30);
        EXPECT_TRUE(b.documentar(*st, QLatin1Char('.')));
        EXPECT_FALSE(b.documentar(*st, QLatin1Char('.')));
        EXPECT_EQ(leer(lleno), linea);
    }
    EXPECT_TRUE(b.documentar(*st, QLatin1Char('.')));
    b.cerrar();
    EXPECT_EQ(leer(lleno), linea + linea);
}
