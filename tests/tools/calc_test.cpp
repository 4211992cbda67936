#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <memory>

#include "aplicacion.h"
#include "apoyo.h"
#include "core/formato.h"
#include "files/bitacora.h"
#include "files/experimentos.h"
#include "graphs/graficos.h"
#include "graphs/tablas.h"
#include "tools/calc.h"

using namespace tya;

namespace {

struct Corrida {
    int rc = -1;
    QByteArray salida, errores;
};

Corrida correr(QStringList args, const QByteArray& entrada) {
    args.prepend(QStringLiteral(TYA_DATOS "/INIC.DAT"));
    args.prepend(QStringLiteral("--inic"));
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

QList<QByteArray> lineas(const QByteArray& t) {
    QList<QByteArray> l = t.split('\n');
    if (!l.isEmpty() && l.last().isEmpty()) l.removeLast();
    return l;
}

const QByteArray kVacio = "0 0 100 45 0 0 1 11.3 0.4\n";
const QByteArray kAire = "0 0 100 45 1 0 1 11.3 0.4\n";

// The summary's numbers with the point, whatever the locale gives.
QList<QByteArray> campos(const QByteArray& linea) {
    QByteArray l = linea;
    l.replace(QString(separador_local()).toLatin1(), ".");
    return l.split('\t');
}

}  // namespace

TEST(Calc, EjemplosDelVuelo) {
    const Corrida c = correr({}, kVacio + kAire);
    ASSERT_EQ(c.rc, calc::kSalidaBien) << c.errores.toStdString();
    const QList<QByteArray> l = lineas(c.salida);
    ASSERT_EQ(l.size(), 2);
    QList<QByteArray> f = campos(l[0]);
    ASSERT_EQ(f.size(), 4) << l[0].toStdString();
    EXPECT_EQ(f[0], "1");
    EXPECT_EQ(f[1], "20");
    EXPECT_EQ(f[2], "14.40");
    EXPECT_EQ(f[3], "1018.19");
    f = campos(l[1]);
    ASSERT_EQ(f.size(), 4) << l[1].toStdString();
    EXPECT_EQ(f[0], "2");
    EXPECT_EQ(f[1], "16");
    EXPECT_EQ(f[2], "11.27");
    EXPECT_NEAR(f[3].toDouble(), 469.8, 0.1);
}

TEST(Calc, EntradasAceptadas) {
    const QByteArray referencia = correr({}, kVacio + kAire).salida;
    ASSERT_FALSE(referencia.isEmpty());

    // A session log as the program writes it: the header lines are skipped.
    auto st = std::make_unique<EstadoExp>();
    st->Vo() = Fijo::entero(100);
    st->Ang() = Fijo::entero(45);
    st->R() = Fijo::entero(1);
    QString log;
    for (const QString& l : cabecera_bitacora(QStringLiteral("05/12/2026"))) log += l + "\r\n";
    log += linea_lanzamiento(*st, QLatin1Char('.')) + "\r\n";
    st->Aire = 1;
    log += linea_lanzamiento(*st, QLatin1Char(',')) + "\r\n";
    Corrida c = correr({}, log.toUtf8());
    EXPECT_EQ(c.rc, calc::kSalidaBien) << c.errores.toStdString();
    EXPECT_EQ(c.salida, referencia);

    // Commas as decimal points, tabs, blank lines and a file named on the command line.
    QTemporaryDir dir;
    const QString ruta = dir.filePath("lanzamientos.txt");
    QFile f(ruta);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("\n0\t0\t100,0\t45,0 0 0 1,0 11,3 0,4\r\n\n  0 0 100.00 45 1 0 1 11.30 0.40  \n");
    f.close();
    c = correr({ruta}, {});
    EXPECT_EQ(c.rc, calc::kSalidaBien) << c.errores.toStdString();
    EXPECT_EQ(c.salida, referencia);
    // "-" stands for standard input among files.
    c = correr({ruta, QStringLiteral("-")}, kVacio);
    EXPECT_EQ(lineas(c.salida).size(), 3);

    // Thirteen fields place a target for that launch only: the vacuum flight passes (500, 254.7).
    const QString tya = dir.filePath("blancos.TYA");
    c = correr({"--resumen", "--tya", tya},
               "0 0 100 45 0 0 1 11.3 0.4 500 255 0 0\n" + kVacio + "0 0 100 45 0 0 1 11.3 0.4 1500 0 0 0\n");
    ASSERT_EQ(c.rc, calc::kSalidaBien) << c.errores.toStdString();
    const QList<QByteArray> l = lineas(c.salida);
    ASSERT_EQ(l.size(), 3);
    EXPECT_TRUE(l[0].endsWith("\tImpacto")) << l[0].toStdString();
    EXPECT_LT(campos(l[0])[2].toDouble(), 8.0);
    EXPECT_EQ(l[1], lineas(referencia)[0].replace("1\t", "2\t")) << "a later launch without target fields has no target";
    EXPECT_EQ(campos(l[2]).size(), 4) << "a target far away is never hit";
    EXPECT_EQ(campos(l[2])[1], "20");
    // Dmin is 1000 and Ymax is kept only when no target is placed.
    auto r = std::make_unique<EstadoExp>();
    ASSERT_TRUE(recuperar_experiencias(*r, tya));
    EXPECT_LT(r->Extremos[0][12].real(), 10);
    EXPECT_EQ(r->Extremos[0][6], Fijo());
    EXPECT_EQ(r->Extremos[1][12], Fijo::entero(1000));
    EXPECT_GT(r->Extremos[1][6].real(), 250);
    EXPECT_EQ(r->Extremos[2][6], Fijo());
    EXPECT_GT(r->Extremos[2][12].real(), 400);
    EXPECT_LT(r->Extremos[2][12].real(), 1000);
}

TEST(Calc, Rechazos) {
    QTemporaryDir dir;
    const QString tya = dir.filePath("nada.TYA");
    const QString png = dir.filePath("nada.png");
    const QByteArray once = QByteArray(kVacio).repeated(11);
    struct Caso { const char* que; QStringList args; QByteArray entrada; QStringList palabras; };
    const QList<Caso> casos = {
        {"Vo above its limit", {}, kVacio + "0 0 400 45 0 0 1 11.3 0.4\n",
         {"Valor fuera de rango", "línea 2", "campo 3 (Vo)"}},
        {"a huge Vo", {}, "0 0 1000000000000000000000000000000 45 0 0 1 11.3 0.4\n", {"Valor fuera de rango", "Vo"}},
        {"Xo below zero", {}, "-1 0 100 45 0 0 1 11.3 0.4\n", {"Valor fuera de rango", "línea 1", "Xo"}},
        {"Ang beyond 180", {}, "0 0 100 180.5 0 0 1 11.3 0.4\n", {"Valor fuera de rango", "Ang"}},
        {"wind beyond 50", {}, "0 0 100 45 1 -51 1 11.3 0.4\n", {"Valor fuera de rango", "Viento"}},
        {"a target outside the scene", {}, "0 0 100 45 0 0 1 11.3 0.4 7000 0 0 0\n", {"Valor fuera de rango", "XoB"}},
        {"an unreadable field", {}, "0 0 100 4x5 0 0 1 11.3 0.4\n", {"línea 1", "Ang", "no es un número"}},
        {"two points", {}, "0 0 100 45 0 0 1.0.0 11.3 0.4\n", {"campo 7 (R)", "no es un número"}},
        {"ten fields", {}, "0 0 100 45 0 0 1 11.3 0.4 1\n", {"línea 1", "campos"}},
        {"eight fields", {}, kVacio + "\n0 0 100 45 0 0 1 11.3\n", {"línea 3", "campos"}},
        {"eleven launches", {}, once, {"línea 11", "diez"}},
        {"Densidad zero", {}, "0 0 100 45 1 0 1 0 0.4\n", {"Valor fuera de rango", "Densidad"}},
        {"Densidad above 20", {}, "0 0 100 45 1 0 1 20.5 0.4\n", {"Valor fuera de rango", "Densidad"}},
        {"Cd of no shape", {}, "0 0 100 45 1 0 1 11.3 0.3\n", {"Valor fuera de rango", "Cd"}},
        {"Aire two", {}, "0 0 100 45 2 0 1 11.3 0.4\n", {"Valor fuera de rango", "Aire"}},
        {"Aire one half", {}, "0 0 100 45 0.5 0 1 11.3 0.4\n", {"Valor fuera de rango", "Aire"}},
        {"an unknown option", {"--nada"}, kVacio, {"--nada"}},
        {"a table of no kind", {"--tabla", "alturas", "1"}, kVacio, {"alturas"}},
        {"a table of experiment 11", {"--tabla", "posiciones", "11"}, kVacio, {"11"}},
        {"a table not launched", {"--tabla", "velocidades", "2"}, kVacio, {"experiencia 2"}},
        {"a table without number", {"--tabla", "posiciones"}, kVacio, {"--tabla"}},
        {"--inic without a file", {"--inic"}, kVacio, {"--inic"}},
        {"a missing input file", {dir.filePath("no_existe.txt")}, kVacio, {"no_existe.txt"}},
        {"a start-up file that cannot be read", {"--inic", dir.filePath("INIC.DAT")}, kVacio, {"INIC.DAT"}},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.que);
        const Corrida r = correr(QStringList{"--tya", tya, "--escena", png} + c.args, c.entrada);
        EXPECT_EQ(r.rc, calc::kSalidaRechazo);
        EXPECT_TRUE(r.salida.isEmpty()) << r.salida.toStdString();
        const QString err = QString::fromUtf8(r.errores);
        for (const QString& p : c.palabras) EXPECT_TRUE(err.contains(p)) << err.toStdString() << " lacks " << p.toStdString();
        EXPECT_FALSE(QFile::exists(tya));
        EXPECT_FALSE(QFile::exists(png));
    }
    // The option that needs a file name, given last.
    const Corrida r = correr({"--tya"}, kVacio);
    EXPECT_EQ(r.rc, calc::kSalidaRechazo);
    EXPECT_TRUE(r.salida.isEmpty());
}

TEST(Calc, Salidas) {
    QTemporaryDir dir;
    const QString tya = dir.filePath("dos.TYA");
    const QString png = dir.filePath("escena.png");
    const QByteArray dos = "0 0 100 45 0 0 1 11.3 0.4\n100 50 80 30 1 10 2 7.8 0.2\n";
    const Corrida c = correr({"--log", "--tabla", "posiciones", "2", "--tabla", "velocidades", "1", "--resumen",
                              "--tya", tya, "--escena", png},
                             dos);
    ASSERT_EQ(c.rc, calc::kSalidaBien) << c.errores.toStdString();

    // The same flights on the test bench give the reference texts.
    prueba::Banco b;
    b.volar();
    b.lanzamiento(80, 30, 100, 50, 1, 2, 10);
    b.st->Densidad = kDensMat[1];
    b.st->Cd = kCdForma[1];
    b.volar();
    EstadoExp& st = *b.st;
    const QChar sep = separador_local();
    QByteArray esperado;
    st.Trazo = 1;
    esperado += (linea_lanzamiento(st, sep) + "\n").toUtf8();  // the second launch's parameters stand
    st.NGrafSel = 2;
    tabla_posiciones(st, sep);
    const QByteArray tabla_pos = st.TextoCopia.toUtf8();
    st.NGrafSel = 1;
    tabla_velocidades(st, sep);
    const QByteArray tabla_vel = st.TextoCopia.toUtf8();

    // --log: one 59-character line per launch, then the tables and the summary in the order asked.
    const QList<QByteArray> l = lineas(c.salida);
    ASSERT_GE(l.size(), 2);
    EXPECT_EQ(l[0].size(), kAnchoLinea);
    EXPECT_EQ(l[1].size(), kAnchoLinea);
    EXPECT_TRUE(l[0].startsWith("0     0    100")) << l[0].toStdString();
    EXPECT_EQ(l[1] + "\n", esperado);
    const QByteArray resto = c.salida.mid(l[0].size() + l[1].size() + 2);
    ASSERT_TRUE(resto.startsWith(tabla_pos)) << resto.toStdString();
    ASSERT_TRUE(resto.mid(tabla_pos.size()).startsWith(tabla_vel));
    EXPECT_EQ(lineas(resto.mid(tabla_pos.size() + tabla_vel.size())).size(), 2);
    EXPECT_EQ(tabla_pos.count("\r\n"), muestras(st.Pos[1]) + 1);

    // --tya: a file that recovers both flights.
    auto r = std::make_unique<EstadoExp>();
    ASSERT_TRUE(recuperar_experiencias(*r, tya));
    EXPECT_EQ(r->NExp, 2);
    EXPECT_EQ(r->Pos[1], st.Pos[1]);
    EXPECT_EQ(r->VelMarca[0], st.VelMarca[0]);

    // --escena: an image that loads, with marks on it.
    QImage escena(png);
    ASSERT_FALSE(escena.isNull());
    EXPECT_GT(escena.width(), 100);
    EXPECT_GT(escena.height(), 100);

    // Files alone print nothing; nothing at all asked prints the summary.
    EXPECT_TRUE(correr({"--tya", dir.filePath("otro.TYA")}, dos).salida.isEmpty());
    EXPECT_EQ(lineas(correr({}, dos).salida).size(), 2);

    // An output file that cannot be written: status 1, and the message names it.
    const Corrida mal = correr({"--tya", dir.filePath("no/hay/carpeta.TYA")}, dos);
    EXPECT_EQ(mal.rc, calc::kSalidaEscritura);
    EXPECT_TRUE(mal.errores.contains("carpeta.TYA"));
}

TEST(Calc, Graficos) {
    QTemporaryDir dir;
    auto ruta = [&dir](const char* n) { return dir.filePath(QString::fromLatin1(n)); };
    const QByteArray dos = "0 0 100 45 0 0 1 11.3 0.4\n0 0 100 70 1 0 1 11.3 0.4\n";
    Corrida c = correr({"--grafico", "posiciones", "1", ruta("p1.png"), "--grafico", "posiciones", "2", ruta("p2.png"),
                        "--grafico", "velocidades", "1", ruta("v1.png"), "--grafico", "posiciones", "todos",
                        ruta("todos.png")},
                       dos);
    ASSERT_EQ(c.rc, calc::kSalidaBien) << c.errores.toStdString();
    EXPECT_TRUE(c.salida.isEmpty()) << "graphs alone print nothing";
    c = correr({"--horizontal", "--grafico", "posiciones", "1", ruta("p1h.png"), "--grafico", "velocidades", "todos",
                ruta("vtodos_h.png")},
               dos);
    ASSERT_EQ(c.rc, calc::kSalidaBien) << c.errores.toStdString();

    auto imagen = [&](const char* n) { return QImage(ruta(n)).convertToFormat(QImage::Format_RGB32); };
    const QImage p1 = imagen("p1.png"), p2 = imagen("p2.png"), v1 = imagen("v1.png"), todos = imagen("todos.png");
    const QImage p1h = imagen("p1h.png"), vtodos_h = imagen("vtodos_h.png");
    for (const QImage* i : {&p1, &p2, &v1, &p1h}) EXPECT_EQ(i->size(), QSize(kCurvasAnchoPx, kCurvasAltoPx));
    for (const QImage* i : {&todos, &vtodos_h}) EXPECT_EQ(i->size(), QSize(kComparaAnchoPx, kComparaAltoPx));
    EXPECT_NE(p1, p2) << "each experiment its own graph";
    EXPECT_NE(p1, v1);
    EXPECT_NE(p1, p1h) << "--horizontal shows X instead of Y";

    // The images are those of the program's graph boxes for the same flights.
    prueba::Banco b;
    b.volar();
    b.lanzamiento(100, 70, 0, 0, 1, 1);
    b.volar();
    EXPECT_EQ(p2, imagen_grafico(*b.st, Magnitud::Posiciones, true, 2).convertToFormat(QImage::Format_RGB32));
    EXPECT_EQ(p1h, imagen_grafico(*b.st, Magnitud::Posiciones, false, 1).convertToFormat(QImage::Format_RGB32));
    EXPECT_EQ(todos, imagen_grafico(*b.st, Magnitud::Posiciones, true, kTodasLasExperiencias)
                         .convertToFormat(QImage::Format_RGB32));
    EXPECT_EQ(vtodos_h, imagen_grafico(*b.st, Magnitud::Velocidades, false, kTodasLasExperiencias)
                            .convertToFormat(QImage::Format_RGB32));

    // Refusals: status 2, nothing written, nothing printed.
    const QString png = ruta("nada.png");
    const QList<QStringList> malos = {
        {"--grafico"},
        {"--grafico", "alturas", "1", png},
        {"--grafico", "posiciones", "0", png},
        {"--grafico", "posiciones", "11", png},
        {"--grafico", "velocidades", "3", png},
        {"--grafico", "velocidades", "uno", png},
        {"--grafico", "posiciones", "1"},
        {"--grafico", "posiciones", "1", ""},
        {"--grafico", "todos", "1", png},
    };
    for (const QStringList& args : malos) {
        SCOPED_TRACE(args.join(' ').toStdString());
        const Corrida r = correr(QStringList{"--tya", ruta("nada.TYA")} + args, dos);
        EXPECT_EQ(r.rc, calc::kSalidaRechazo);
        EXPECT_TRUE(r.salida.isEmpty());
        EXPECT_FALSE(r.errores.isEmpty());
        EXPECT_FALSE(QFile::exists(png));
        EXPECT_FALSE(QFile::exists(ruta("nada.TYA")));
    }
    const Corrida sin = correr({"--grafico", "posiciones", "todos", png}, {});
    EXPECT_EQ(sin.rc, calc::kSalidaRechazo) << "no experiments to compare";
    EXPECT_FALSE(QFile::exists(png));

    // A graph that cannot be written, with a file already in its place kept as it was.
    const Corrida mal = correr({"--grafico", "posiciones", "1", ruta("p1.png/x.png")}, dos);
    EXPECT_EQ(mal.rc, calc::kSalidaEscritura);
    EXPECT_EQ(imagen("p1.png"), p1);

    EXPECT_TRUE(calc::texto_ayuda().contains("--grafico posiciones|velocidades N|todos ARCHIVO.png"));
    EXPECT_TRUE(calc::texto_ayuda().contains("--horizontal"));
}
