// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QBuffer>
#include <QDir>
#include <QTemporaryDir>

#include "apoyo.h"
#include "files/experimentos.h"
#include "idioma.h"

using namespace tya;
using namespace tya::prueba;

namespace {

// The values of a file written with CR LF, and back.
QStringList lineas(const QByteArray& texto) {
    return QString::fromLatin1(texto.chopped(2)).split(QStringLiteral("\r\n"));
}
QByteArray unir(const QStringList& l) { return (l.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toLatin1(); }

ResultadoArchivo leer_texto(EstadoExp& st, const QByteArray& texto, QStringList* ngraf = nullptr) {
    QBuffer b;
    b.setData(texto);
    b.open(QIODevice::ReadOnly);
    return leer_experiencias(st, b, [ngraf](const QString& t) {
        if (ngraf) *ngraf << t;
    });
}

}  // namespace

TEST(ArchivoTya, FormaDelArchivo) {
    Banco b;
    ASSERT_EQ(b.volar(), FinVuelo::Suelo);
    const QByteArray texto = texto_experiencias(*b.st);
    // CR LF after every value and no other line end.
    EXPECT_EQ(std::tuple(texto.count("\r\n"), texto.count('\n'), texto.count('\r')), std::tuple(158, 158, 158));
    const QStringList l = lineas(texto);
    ASSERT_EQ(l.size(), 158);
    // NExp, then Pos (colour, N, samples ...), VelMarca after 2N + 9 = 49 values and closed by the
    // final time, Ax and Ay in pairs, Extremos (Vo, Ang ... Dmin). Plain numbers, "." as the
    // point, no trailing zeros.
    const std::pair<int, const char*> campos[] = {
        {0, "1"},        {1, "3"},  {2, "20"},     {3, "0"},     {50, "20"},  {51, "70.7107"}, {52, "70.7107"},
        {97, "14.3989"}, {98, "0"}, {99, "-9.81"}, {144, "100"}, {145, "45"}, {154, "1000"}};
    for (const auto& [k, v] : campos) EXPECT_EQ(l[k], v) << k;
}

TEST(ArchivoTya, GrabarRecuperarGrabar) {
    // Three flights of different lengths and media: vacuum, lead sphere in air, bullet in a wind.
    QTemporaryDir dir;
    Banco b;
    b.volar();
    b.lanzamiento(100, 45, 0, 0, 1, 1);
    b.volar();
    b.lanzamiento(60, 70, 200, 100, 1, 0.5, -12.5);
    b.st->Cd = kCdForma[1];
    b.st->Densidad = kDensMat[1];
    b.volar();
    const QString ruta = dir.filePath("tres.TYA"), otra = dir.filePath("otra.TYA");
    ASSERT_TRUE(grabar_experiencias(*b.st, ruta));

    // Read into a state holding other records, with a view that looks at the state when NGraf changes.
    Banco r;
    r.lanzamiento(300, 80, 0, 0);
    r.volar();
    EstadoExp& st = *r.st;
    const Fijo viejo = st.Pos[0][1];
    std::vector<std::tuple<QString, int16_t, Fijo>> al_fijar;
    const auto vista = [&](const QString& t) { al_fijar.emplace_back(t, st.NGrafSel, st.Pos[0][1]); };
    const ResultadoArchivo res = recuperar_experiencias(st, ruta, vista);
    ASSERT_TRUE(res) << res.error.toStdString();
    EXPECT_EQ(al_fijar, (std::vector{std::tuple(QString("3"), int16_t{3}, viejo)}))
        << "NGraf is set before the records are read";
    EXPECT_EQ(std::tuple(st.NExp, st.NGrafSel, st.NColor), std::tuple(3, 3, 9));

    // Written again, the same bytes: the records came back as written. The samples and their
    // times are rebuilt from them as the flight stored them.
    ASSERT_TRUE(grabar_experiencias(st, otra));
    EXPECT_EQ(leer(otra), leer(ruta));
    for (int e = 0; e < 3; ++e)
        for (int j = 1; j <= muestras(b.st->Pos[e]); ++j)
            ASSERT_EQ(
                std::tuple(st.Tiempo[e][j].crudo(), st.Xs[e][j], st.Ys[e][j], st.Vx[e][j], st.Vy[e][j]),
                std::tuple((j - 1) * int64_t{7500}, b.st->Xs[e][j], b.st->Ys[e][j], b.st->Vx[e][j], b.st->Vy[e][j]))
                << e << " " << j;

    // CR alone, LF alone, blanks around every value and anything after the last record.
    const QByteArray crlf = leer(ruta);
    const QByteArray blancos = (" \t" + lineas(crlf).join(QStringLiteral("  \r\n \t")) + "  \r\n").toLatin1();
    for (const QByteArray& t : {QByteArray(crlf).replace("\r\n", "\r"), QByteArray(crlf).replace("\r\n", "\n"), blancos,
                                crlf + "basura final\r\n1e99"}) {
        ASSERT_TRUE(leer_texto(st, t));
        EXPECT_EQ(texto_experiencias(st), crlf);
    }
}

TEST(ArchivoTya, ValoresYEscriturasAceptadas) {
    // Values near the ends of the fixed-point range and with all four decimals must come back
    // to the last digit: a reader going through doubles loses them.
    auto estado = std::make_unique<EstadoExp>(), r = std::make_unique<EstadoExp>();
    EstadoExp& st = *estado;
    st.NExp = 1;
    st.Pos[0][1] = st.VelMarca[0][1] = Fijo::entero(2);
    const int64_t valores[] = {INT64_MAX, INT64_MIN + 1, 1234567890123457, -9007199254740993,
                               -1,        5000,          281474976710657,  999999999999999};
    for (int i = 0; i < 8; ++i) st.Pos[0][2 + i] = Fijo::crudo(valores[i]);
    const QByteArray texto = texto_experiencias(st);
    EXPECT_TRUE(texto.contains("\r\n922337203685477.5807\r\n") && texto.contains("\r\n-0.0001\r\n"));
    ASSERT_TRUE(leer_texto(*r, texto));
    EXPECT_EQ(r->Pos[0], st.Pos[0]);

    // Other spellings the reader takes: blanks, "+", no digit before the point; decimals past the
    // fourth round to the nearest 0.0001, ties to even.
    QStringList l = lineas(texto);
    const std::pair<const char*, int64_t> grafias[] = {
        {" .5\t", 5000}, {"+0.00015", 2}, {"0.00025", 2}, {"-0.000250001", -3}, {"7.", 70000}};
    for (int i = 0; i < 5; ++i) l[3 + i] = grafias[i].first;
    ASSERT_TRUE(leer_texto(*r, unir(l)));
    for (int i = 0; i < 5; ++i) EXPECT_EQ(r->Pos[0][2 + i].crudo(), grafias[i].second) << grafias[i].first;

    // A file of no experiments, even without its line end.
    QStringList ngraf;
    EXPECT_TRUE(leer_texto(*r, "0", &ngraf));
    EXPECT_EQ(std::tuple(r->NExp, r->NGrafSel, ngraf, texto_experiencias(*r)),
              std::tuple(0, 0, QStringList{"0"}, QByteArray("0\r\n")));
}

TEST(ArchivoTya, ArchivosQueFallan) {
    EnEspanol espanol;  // the messages' words are checked
    Banco b;
    b.volar();
    const QStringList bueno = lineas(texto_experiencias(*b.st));
    auto cambiada = [&bueno](int linea, const QString& valor) {
        QStringList l = bueno;
        l[linea - 1] = valor;
        return unir(l);
    };
    // One file for each check of the reader; the message says what is wrong, at which line.
    struct Caso {
        QByteArray texto;
        int linea;
        const char* palabra;
    };
    const Caso casos[] = {
        {"11\r\n", 1, "experiencias"},
        {"1.5\r\n", 1, "experiencias"},
        {unir(bueno.mid(0, 157)), 158, "termina"},
        {cambiada(1, "10"), 52, "muestras"},  // the second experiment's count would be 70.7107
        {cambiada(40, "1,5"), 40, "no es un número"},
        {cambiada(60, "-"), 60, "no es un número"},
        {cambiada(60, "1" + QString(400, '0')), 60, "grande"},
        {cambiada(60, "922337203685477.5808"), 60, "grande"},
        {cambiada(3, "0"), 3, "muestras"},
        {cambiada(3, "1901"), 3, "muestras"},
        {cambiada(51, "19"), 51, "velocidad"},
        // Binary content is named, not echoed.
        {cambiada(60, QString(QChar(0)) + "1"), 60, "bytes nulos"},
        {cambiada(61, "\x01"), 61, "caracteres de control"},
        {QByteArray("\xFF\xFE"
                    "1\0\r\0\n\0",
                    8),
         1, "UTF-16"},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.texto.left(80).toStdString());
        Banco r;
        r.volar();
        const ResultadoArchivo res = leer_texto(*r.st, c.texto);
        EXPECT_EQ(std::tuple(res.ok, res.linea, r.st->NExp, r.st->NGrafSel, r.st->NColor),
                  std::tuple(false, c.linea, 0, 0, 2));
        EXPECT_TRUE(res.error.contains(QString::fromUtf8(c.palabra))) << res.error.toStdString();
    }

    // The longest flight reads up to its last index and no further (the sanitizer and
    // the checked arrays of that build watch the bounds).
    auto lleno = std::make_unique<EstadoExp>(), st = std::make_unique<EstadoExp>();
    guardar(*lleno, 1, std::vector<Muestra>(kMarcasMax, Muestra{1, 2, 3, 4}), {5, 6, 7, 8}, 1424.6);
    ASSERT_TRUE(leer_texto(*st, texto_experiencias(*lleno)));
    EXPECT_EQ(texto_experiencias(*st), texto_experiencias(*lleno));

    // A byte-order mark at the start (Notepad's) is skipped.
    EXPECT_TRUE(leer_texto(*st, "\xEF\xBB\xBF" + texto_experiencias(*lleno)));

    // Paths that are no file the program wrote are refused without being read, and the
    // experiments are forgotten: a FIFO would block, /dev/zero never ends.
    QTemporaryDir dir;
    const QString fifo = dir.filePath("tubo.TYA"), grande = dir.filePath("grande.TYA");
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    escribir(grande, "0\r\n" + QByteArray(kTopeExperiencias, '\n'));
    const std::pair<QString, const char*> rutas[] = {{"/no/existe/x.TYA", "no existe"},
                                                     {fifo, "no es un archivo común"},
                                                     {"/dev/zero", "no es un archivo común"},
                                                     {grande, "ocupa más de 2 MB"},
                                                     {dir.path(), "es una carpeta"}};
    for (const auto& [ruta, palabra] : rutas) {
        b.volar();
        const ResultadoArchivo res = recuperar_experiencias(*b.st, ruta);
        EXPECT_TRUE(!res && res.error.contains(palabra) && b.st->NExp == 0) << res.error.toStdString();
    }
}

TEST(ArchivoTya, ExtensionAlGuardar) {
    const std::pair<const char*, const char*> casos[] = {
        {"/d/grupo1", "/d/grupo1.TYA"}, {"/d.x/grupo1", "/d.x/grupo1.TYA"}, {"/d/grupo1.", "/d/grupo1.TYA"},
        {"/d/a.tya", "/d/a.tya"},       {"/d/notas.txt", "/d/notas.txt"},   {"/d/.oculto", "/d/.oculto.TYA"},
    };
    for (const auto& [escrito, guardado] : casos) EXPECT_EQ(con_extension_tya(escrito), QString(guardado)) << escrito;
}

TEST(ArchivoTya, GrabarQueFalla) {
    QTemporaryDir dir;
    const QString ruta = dir.filePath("viejo.TYA");
    escribir(ruta, "intacto\r\n");
    ASSERT_TRUE(QDir(dir.path()).mkdir("carpeta"));
    Banco b;
    b.volar();
    // States whose counts would not read back are refused before the file is touched; so are
    // paths under a file and folders, and no temporary file is left behind.
    EstadoExp& st = *b.st;
    st.NExp = 11;
    EXPECT_FALSE(grabar_experiencias(st, ruta));
    st.NExp = 1;
    st.VelMarca[0][1] = Fijo::entero(kMarcasMax + 1);
    EXPECT_FALSE(grabar_experiencias(st, ruta));
    st.VelMarca[0][1] = st.Pos[0][1];
    EXPECT_FALSE(grabar_experiencias(st, ruta + "/hijo.TYA") || grabar_experiencias(st, dir.filePath("carpeta")));
    EXPECT_EQ(leer(ruta), QByteArray("intacto\r\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              (QStringList{"carpeta", "viejo.TYA"}));
    // A full disk: the write stops part way, the old file stays, and the message says why.
    EnEspanol espanol;
    const ResultadoArchivo r = [&] {
        DiscoLleno lleno(64);
        return grabar_experiencias(st, ruta);
    }();
    EXPECT_TRUE(!r.ok && r.error.endsWith(": no queda espacio en el disco.")) << r.error.toStdString();
    EXPECT_EQ(leer(ruta), QByteArray("intacto\r\n"));
    // Overwriting replaces the old content completely.
    ASSERT_TRUE(grabar_experiencias(st, ruta));
    EXPECT_EQ(leer(ruta), texto_experiencias(st));
}
