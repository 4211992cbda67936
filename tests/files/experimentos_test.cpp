#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "apoyo.h"
#include "core/formato.h"
#include "files/experimentos.h"

using namespace tya;
using namespace tya::prueba;

namespace {

// The lines of a file written with CR LF, without their line ends.
QList<QByteArray> lineas(const QByteArray& texto) {
    QList<QByteArray> l = texto.split('\n');
    if (!l.isEmpty() && l.last().isEmpty()) l.removeLast();
    for (QByteArray& x : l) x.chop(x.endsWith('\r') ? 1 : 0);
    return l;
}

QByteArray unir(const QList<QByteArray>& l) {
    QByteArray s;
    for (const QByteArray& x : l) s += x + "\r\n";
    return s;
}

ResultadoArchivo leer_texto(EstadoExp& st, const QByteArray& texto, QStringList* ngraf = nullptr) {
    QBuffer b;
    b.setData(texto);
    b.open(QIODevice::ReadOnly);
    return leer_experiencias(st, b, [ngraf](const QString& t) { if (ngraf) *ngraf << t; });
}

// Three flights of different lengths and media: vacuum, lead sphere in air, bullet in a wind.
void tres_vuelos(Banco& b) {
    b.volar();
    b.lanzamiento(100, 45, 0, 0, 1, 1);
    b.volar();
    b.lanzamiento(60, 70, 200, 100, 1, 0.5, -12.5);
    b.st->Cd = kCdForma[1];
    b.st->Densidad = kDensMat[1];
    b.volar();
}

}  // namespace

TEST(ArchivoTya, FormaDelArchivo) {
    Banco b;
    ASSERT_EQ(b.volar(), FinVuelo::Suelo);
    const QByteArray texto = texto_experiencias(*b.st);
    // CR LF after every value and no other line end.
    EXPECT_EQ(std::tuple(texto.count("\r\n"), texto.count('\n'), texto.count('\r')), std::tuple(158, 158, 158));
    const QList<QByteArray> l = lineas(texto);
    ASSERT_EQ(l.size(), 158);
    // Plain numbers, "." as the point, no trailing zeros, no blanks or exponents.
    const QRegularExpression numero(QStringLiteral("^-?[0-9]+(\\.[0-9]{0,3}[1-9])?$"));
    for (int k = 0; k < l.size(); ++k) EXPECT_TRUE(numero.match(QString::fromLatin1(l[k])).hasMatch()) << k + 1 << ": " << l[k].toStdString();
    // NExp, then Pos (colour, N, samples ...), VelMarca after 2N + 9 = 49 values and closed by the
    // final time, Ax and Ay in pairs, Extremos (Vo, Ang ... Dmin).
    const std::pair<int, QByteArray> campos[] = {{0, "1"}, {1, "3"}, {2, "20"}, {3, "0"}, {50, "20"}, {51, "70.7107"},
                                                 {52, "70.7107"}, {97, "14.3989"}, {98, "0"}, {99, "-9.81"},
                                                 {144, "100"}, {145, "45"}, {154, "1000"}};
    for (const auto& [k, v] : campos) EXPECT_EQ(l[k], v) << k;
}

TEST(ArchivoTya, GrabarRecuperarGrabar) {
    QTemporaryDir dir;
    Banco b;
    tres_vuelos(b);
    const QString ruta = dir.filePath("tres.TYA");
    ASSERT_TRUE(grabar_experiencias(*b.st, ruta));
    const QByteArray primero = leer(ruta);

    // Read into a state holding other records, with a view that looks at the state when NGraf changes.
    Banco r;
    r.lanzamiento(300, 80, 0, 0);
    r.volar();
    EstadoExp& st = *r.st;
    const Fijo viejo = st.Pos[0][1];
    QStringList ngraf;
    std::pair<int16_t, Fijo> al_fijar;
    const ResultadoArchivo res = recuperar_experiencias(st, ruta, [&](const QString& t) {
        ngraf << t;
        al_fijar = {st.NGrafSel, st.Pos[0][1]};
    });
    ASSERT_TRUE(res) << res.error.toStdString();
    EXPECT_EQ(ngraf, QStringList{"3"});
    EXPECT_EQ(al_fijar, std::pair(int16_t{3}, viejo)) << "NGraf is set before the records are read";
    EXPECT_EQ(std::tuple(st.NExp, st.NGrafSel, st.NColor), std::tuple(3, 3, 9));

    // The records as written; the samples rebuilt from them as the flight stored them.
    for (int e = 0; e < 3; ++e) {
        const int n = muestras(b.st->Pos[e]);
        for (int k = 0; k <= 2 * n + 8; ++k)
            ASSERT_EQ(std::pair(st.Pos[e][k], st.VelMarca[e][k]), std::pair(b.st->Pos[e][k], b.st->VelMarca[e][k])) << e << " " << k;
        for (int j = 1; j <= n + 2; ++j) {
            ASSERT_EQ(std::tuple(st.Tiempo[e][j].crudo(), st.Ax[e][j], st.Ay[e][j]),
                      std::tuple((j - 1) * int64_t{7500}, b.st->Ax[e][j], b.st->Ay[e][j])) << e << " " << j;
            if (j > n) continue;
            ASSERT_EQ(std::tuple(st.Xs[e][j], st.Ys[e][j], st.Vx[e][j], st.Vy[e][j]),
                      std::tuple(b.st->Xs[e][j], b.st->Ys[e][j], b.st->Vx[e][j], b.st->Vy[e][j])) << e << " " << j;
        }
        EXPECT_EQ(st.Extremos[e], b.st->Extremos[e]);
    }
    const QString otra = dir.filePath("otra.TYA");
    ASSERT_TRUE(grabar_experiencias(st, otra));
    EXPECT_EQ(leer(otra), primero);
}

TEST(ArchivoTya, ValoresYEscriturasAceptadas) {
    // Values near the ends of the fixed-point range and with all four decimals must come back
    // to the last digit: a reader going through doubles loses them.
    auto estado = std::make_unique<EstadoExp>();
    EstadoExp& st = *estado;
    st.NExp = 1;
    st.Pos[0][1] = st.VelMarca[0][1] = Fijo::entero(2);
    const Fijo valores[] = {Fijo::crudo(INT64_MAX),        Fijo::crudo(INT64_MIN + 1),  Fijo::crudo(1234567890123457),
                            Fijo::crudo(-9007199254740993), Fijo::crudo(-1),            Fijo::crudo(5000),
                            Fijo::crudo(281474976710657),  Fijo::crudo(999999999999999)};
    int k = 0;
    for (int i = 2; i <= 12; ++i) st.Pos[0][i] = valores[k++ % 8];
    for (int i = 2; i <= 12; ++i) st.VelMarca[0][i] = valores[k++ % 8];
    for (int j = 1; j <= 4; ++j) st.Ax[0][j] = st.Ay[0][j] = valores[k++ % 8];
    for (Fijo& f : st.Extremos[0]) f = valores[k++ % 8];
    const QByteArray texto = texto_experiencias(st);
    EXPECT_TRUE(texto.contains("\r\n922337203685477.5807\r\n") && texto.contains("\r\n-0.0001\r\n"));
    auto r = std::make_unique<EstadoExp>();
    ASSERT_TRUE(leer_texto(*r, texto));
    EXPECT_EQ(std::tuple(r->Pos[0], r->VelMarca[0], r->Extremos[0]), std::tuple(st.Pos[0], st.VelMarca[0], st.Extremos[0]));

    // Other spellings the reader takes: blanks, "+", no digit before the point; decimals past the
    // fourth round to the nearest 0.0001, ties to even.
    QList<QByteArray> l = lineas(texto);
    const std::pair<QByteArray, Fijo> grafias[] = {{" .5\t", Fijo::crudo(5000)}, {"+0.00015", Fijo::crudo(2)},
                                                   {"0.00025", Fijo::crudo(2)}, {"-0.000250001", Fijo::crudo(-3)},
                                                   {"7.", Fijo::entero(7)}};
    for (int i = 0; i < 5; ++i) l[3 + i] = grafias[i].first;
    ASSERT_TRUE(leer_texto(*r, unir(l)));
    for (int i = 0; i < 5; ++i) EXPECT_EQ(r->Pos[0][2 + i], grafias[i].second) << grafias[i].first.toStdString();

    // CR alone, LF alone, blanks around every value and anything after the last record.
    Banco b;
    tres_vuelos(b);
    const QByteArray crlf = texto_experiencias(*b.st);
    QByteArray cr = crlf, lf = crlf, blancos;
    cr.replace("\r\n", "\r");
    lf.replace("\r\n", "\n");
    for (const QByteArray& x : lineas(crlf)) blancos += " \t" + x + "  \r\n";
    for (const QByteArray& t : {cr, lf, blancos, crlf + "basura final\r\n1e99"}) {
        ASSERT_TRUE(leer_texto(*r, t));
        EXPECT_EQ(texto_experiencias(*r), crlf);
    }

    // A file of no experiments, after the scene was cleared.
    for (const QByteArray& t : {QByteArray("0\r\n"), QByteArray("0"), QByteArray(" 0 \r\n")}) {
        b.st->NExp = 0;
        QStringList ngraf;
        EXPECT_TRUE(leer_texto(*b.st, t, &ngraf));
        EXPECT_EQ(std::tuple(b.st->NExp, b.st->NGrafSel, ngraf), std::tuple(0, 0, QStringList{"0"}));
        EXPECT_EQ(texto_experiencias(*b.st), QByteArray("0\r\n"));
    }
}

TEST(ArchivoTya, ArchivosQueFallan) {
    Banco b;
    b.volar();
    const QList<QByteArray> bueno = lineas(texto_experiencias(*b.st));
    auto cambiada = [&bueno](int linea, const QByteArray& valor) {
        QList<QByteArray> l = bueno;
        l[linea - 1] = valor;
        return unir(l);
    };
    struct Caso { QByteArray texto; int linea; const char* palabra; };
    const Caso casos[] = {
        {"11\r\n", 1, "experiencias"},
        {"-1\r\n", 1, "experiencias"},
        {"1.5\r\n", 1, "experiencias"},
        {"tres\r\n", 1, "no es un número"},
        {unir(bueno.mid(0, 157)), 158, "termina"},
        {cambiada(1, "10"), 52, "muestras"},  // ten declared, one given
        {cambiada(40, "1,5"), 40, "no es un número"},
        {cambiada(40, "1 5"), 40, "no es un número"},
        {cambiada(40, "1e5"), 40, "no es un número"},
        {cambiada(60, "-"), 60, "no es un número"},
        {cambiada(60, "1" + QByteArray(400, '0')), 60, "grande"},
        {cambiada(60, "922337203685477.5808"), 60, "grande"},
        {cambiada(3, "1997"), 3, "muestras"},
        {cambiada(51, "1997"), 51, "muestras"},
        {cambiada(3, "0"), 3, "muestras"},
        {cambiada(3, "1901"), 3, "muestras"},
        {cambiada(51, "19"), 51, "velocidad"},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.texto.left(80).toStdString());
        Banco r;
        r.volar();
        r.volar();
        const ResultadoArchivo res = leer_texto(*r.st, c.texto);
        EXPECT_FALSE(res);
        EXPECT_EQ(res.linea, c.linea) << res.error.toStdString();
        EXPECT_TRUE(res.error.contains(QString::fromUtf8(c.palabra))) << res.error.toStdString();
        EXPECT_EQ(std::tuple(r.st->NExp, r.st->NGrafSel, r.st->NColor), std::tuple(0, 0, 2));
    }

    // The longest flight reads up to its last index and no further (the sanitizer and
    // the checked arrays of that build watch the bounds).
    auto lleno = [](int n) {
        QByteArray s = "1\r\n3\r\n" + QByteArray::number(n) + "\r\n" + QByteArray("1\r\n").repeated(2 * n + 7);
        s += QByteArray::number(n) + "\r\n" + QByteArray("2\r\n").repeated(2 * n + 7);
        return s + QByteArray("3\r\n").repeated(2 * n + 4) + QByteArray("4\r\n").repeated(16);
    };
    auto st = std::make_unique<EstadoExp>();
    ASSERT_TRUE(leer_texto(*st, lleno(kMarcasMax)));
    EXPECT_EQ(std::tuple(st->Pos[0][2 * kMarcasMax + 8], st->VelMarca[0][2 * kMarcasMax + 8], st->Ax[0][kMarcasMax + 2]),
              std::tuple(Fijo::entero(1), Fijo::entero(2), Fijo::entero(3)));
    EXPECT_EQ(texto_experiencias(*st), lleno(kMarcasMax));
    EXPECT_FALSE(leer_texto(*st, lleno(kMarcasMax + 1)));

    // A file that cannot be opened forgets the experiments too.
    EXPECT_FALSE(recuperar_experiencias(*b.st, QStringLiteral("/no/existe/x.TYA")));
    EXPECT_EQ(b.st->NExp, 0);
}

TEST(ArchivoTya, GrabarQueFalla) {
    QTemporaryDir dir;
    const QString ruta = dir.filePath("viejo.TYA");
    escribir(ruta, "intacto\r\n");
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
    st.VelMarca[0][1] = Fijo::entero(20);
    EXPECT_FALSE(grabar_experiencias(st, ruta + "/hijo.TYA"));
    ASSERT_TRUE(QDir(dir.path()).mkdir("carpeta"));
    EXPECT_FALSE(grabar_experiencias(st, dir.filePath("carpeta")));
    EXPECT_EQ(leer(ruta), QByteArray("intacto\r\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), (QStringList{"carpeta", "viejo.TYA"}));
    // Overwriting replaces the old content completely.
    ASSERT_TRUE(grabar_experiencias(st, ruta));
    EXPECT_EQ(leer(ruta), texto_experiencias(st));
}
