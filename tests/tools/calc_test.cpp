// SPDX-License-Identifier: GPL-3.0-or-later
#include <QBuffer>
#include <QProcess>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include "aplicacion.h"
#include "apoyo.h"
#include "idioma.h"
#include "core/resumen_vuelo.h"
#include "core/traduccion.h"
#include "files/bitacora.h"
#include "files/experimentos.h"
#include "graphs/grafico_barrido.h"
#include "graphs/graficos.h"
#include "graphs/tablas.h"
#include "core/archivo_texto.h"
#include "core/argumentos.h"
#include "tools/calc.h"
#include "tools/salida.h"

#include <fcntl.h>
#include <sys/stat.h>

using namespace tya;

namespace {

// Runs trayecta-calc in this process on the shipped start-up file and a given standard input.
int ejecutar(const QStringList& args, const QByteArray& entrada, QIODevice& salida, QBuffer& errores) {
    QBuffer in;
    in.setData(entrada);
    in.open(QIODevice::ReadOnly);
    errores.open(QIODevice::WriteOnly);
    return calc::ejecutar(QStringList{"--inic", TYA_DATOS "/INIC.DAT"} + args, in, salida, errores);
}

struct Corrida {
    int rc = -1;
    QByteArray salida, errores;
};

Corrida correr(const QStringList& args, const QByteArray& entrada = {}) {
    QBuffer out, err;
    out.open(QIODevice::WriteOnly);
    const int rc = ejecutar(args, entrada, out, err);
    return {rc, out.data(), err.data()};
}

// Status 0, or a failure that shows what the run said.
testing::AssertionResult bien(const Corrida& c) {
    if (c.rc == calc::kSalidaBien) return testing::AssertionSuccess();
    return testing::AssertionFailure() << "status " << c.rc << ": " << c.errores.toStdString();
}

using prueba::con_separador;

// Rows of a table without the CR LF, split into fields.
QList<QList<QByteArray>> filas(const QByteArray& t) {
    QList<QList<QByteArray>> r;
    for (const QByteArray& l : t.split('\n'))
        if (!l.isEmpty()) r << l.chopped(l.endsWith('\r') ? 1 : 0).split('\t');
    return r;
}

double numero(QByteArray t) { return t.replace(',', '.').toDouble(); }

const QByteArray kVacio = "0 0 100 45 0 0 1 11.3 0.4\n";
const QByteArray kAire = "0 0 100 45 1 0 1 11.3 0.4\n";
const QByteArray kResumen = "1\t20\t14.40\t1018.19\n2\t16\t11.27\t469.76\n";

}  // namespace

// Launches as the program takes them, from standard input, files and session logs, and saved experiments.
TEST(Calc, EntradasAceptadas) {
    // A session log as the program writes it: the header lines are skipped.
    prueba::Banco b;
    QString log = cabecera_bitacora(QStringLiteral("05/12/2026")).join("\r\n") + "\r\n";
    log += linea_lanzamiento(*b.st, QLatin1Char('.')) + "\r\n";
    b.st->Aire = 1;
    log += linea_lanzamiento(*b.st, QLatin1Char(',')) + "\r\n";
    EXPECT_EQ(correr({}, log.toUtf8()).salida, con_separador(kResumen));

    // Commas as decimal points, tabs, blank lines, a file named on the command line, "-" for
    // standard input among files.
    QTemporaryDir dir;
    const QString ruta = dir.filePath("lanzamientos.txt");
    prueba::escribir(ruta, "\n0\t0\t100,0\t45,0 0 0 1,0 11,3 0,4\r\n\n  0 0 100.00 45 1 0 1 11.30 0.40  \n");
    const Corrida c = correr({ruta, "-"}, kVacio + kAire);
    ASSERT_TRUE(bien(c));
    EXPECT_EQ(c.salida, con_separador(kResumen + "3\t20\t14.40\t1018.19\n4\t16\t11.27\t469.76\n"));

    // Thirteen fields place a target for that launch only: the vacuum flight passes (500, 254.7).
    const QList<QByteArray> l = correr({}, "0 0 100 45 0 0 1 11.3 0.4 500 255 0 0\n" + kVacio +
                                               "0 0 100 45 0 0 1 11.3 0.4 1500 0 0 0\n")
                                    .salida.split('\n');
    EXPECT_TRUE(l[0].endsWith("\t" + mensaje_fin(FinVuelo::Impacto).toUtf8())) << l[0].toStdString();
    EXPECT_EQ(l[1], con_separador("2\t20\t14.40\t1018.19")) << "a later launch without target fields has no target";
    EXPECT_EQ(l[2], con_separador("3\t20\t14.40\t1018.19")) << "a target far away is never hit";

    // --leer: a saved experiment file instead of launches gives what the flights gave (what it refuses is
    // in Calc.Rechazos).
    const QString ida = dir.filePath("a.TYA"), vuelta = dir.filePath("b.TYA");
    const QStringList salidas = {"--resumen", "--tabla", "velocidades", "2", "--grafico", "posiciones", "todos"};
    const Corrida volado = correr(QStringList{"--tya", ida} + salidas << dir.filePath("v.png"),
                                  "0 0 100 45 0 0 1 11.3 0.4\n0 0 60 70 1 -10 0.5 7.8 0.2\n");
    ASSERT_TRUE(bien(volado));
    const Corrida leido = correr(QStringList{"--leer", ida, "--tya", vuelta} + salidas << dir.filePath("l.png"));
    ASSERT_TRUE(bien(leido));
    EXPECT_TRUE(prueba::leer(ida).startsWith("2\r\n"));
    EXPECT_EQ(prueba::leer(vuelta), prueba::leer(ida));
    EXPECT_EQ(leido.salida, volado.salida);
    EXPECT_EQ(prueba::leer(dir.filePath("l.png")), prueba::leer(dir.filePath("v.png")));
}

TEST(Calc, Rechazos) {
    prueba::EnEspanol espanol;  // the messages are checked word by word
    QTemporaryDir dir, otro;
    const QString tya = dir.filePath("nada.TYA"), png = dir.filePath("nada.png");
    // Files the window would refuse too: INIC.DAT with a decimal comma, launches in UTF-16 or a FIFO.
    const QString inic = otro.filePath("INIC.DAT"), utf16 = otro.filePath("utf16.txt"), fifo = otro.filePath("tubo");
    prueba::escribir(inic, "100,5, 340, 0\r\n" + prueba::leer(TYA_DATOS "/INIC.DAT").mid(13));
    prueba::escribir(utf16, QByteArray::fromHex("fffe30002000"));  // "0 " after a byte-order mark
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    // For --leer: an experiment file of two launches, and the same cut short, refused as the window refuses it.
    const QString hecho = otro.filePath("a.TYA"), malo = otro.filePath("malo.TYA");
    ASSERT_TRUE(bien(correr({"--tya", hecho}, "0 0 100 45 0 0 1 11.3 0.4\n0 0 60 70 1 -10 0.5 7.8 0.2\n")));
    prueba::escribir(malo, prueba::leer(hecho).chopped(40));
    using Caso = std::tuple<QStringList, QByteArray, QStringList>;  // arguments, input, words of the error
    const QList<Caso> casos = {
        {{}, kVacio + "0 0 400 45 0 0 1 11.3 0.4", {"campo 3 (Vo): Valor fuera de rango (400; de 0 a 340)", "línea 2"}},
        {{}, "0 0 1000000000000000000000000000000 45 0 0 1 11.3 0.4\n", {"Valor fuera de rango", "Vo"}},
        {{}, "0 0 100 180.5 0 0 1 11.3 0.4\n", {"Valor fuera de rango", "Ang"}},
        {{}, "0 0 100 45 0 0 1 11.3 0.4 7000 0 0 0\n", {"Valor fuera de rango", "XoB"}},
        {{}, "0 0 100 4x5 0 0 1 11.3 0.4\n", {"línea 1", "Ang", "no es un número"}},
        {{}, "0 0 100 45 0 0 1.0.0 11.3 0.4\n", {"campo 7 (R)", "no es un número"}},
        {{}, kVacio + "\n0 0 100 45 0 0 1 11.3\n", {"línea 3", "campos"}},
        {{}, "0 0 100 45 0 0 1 11.3 0.4 1\n", {"campos"}},
        {{}, QByteArray(kVacio).repeated(11), {"línea 11", "diez"}},
        {{}, "0 0 100 45 1 0 1 20.5 0.4\n", {"campo 8 (Densidad): Valor fuera de rango (20.5; de 0.01 a 20)"}},
        {{}, "0 0 100 45 2 0 1 11.3 0.4\n", {"campo 5 (Aire): Valor fuera de rango (2; 0 o 1)"}},
        {{}, "0 0 100 45 1 0 1 11.3 0.3\n", {"campo 9 (Cd): Valor fuera de rango (0.3; 0.4 o 0.2)"}},
        {{}, "0 0 100 45 0.5 0 1 11.3 0.4\n", {"Valor fuera de rango", "Aire"}},
        {{"--nada"}, kVacio, {"--nada"}},
        {{"--tabla", "alturas", "1"}, kVacio, {"alturas"}},
        {{"--tabla", "velocidades", "2"}, kVacio, {"experiencia 2"}},
        {{"--tabla", "posiciones", "11"}, kVacio, {"11"}},
        {{"--inic"}, kVacio, {"--inic"}},
        {{"--grafico", "posiciones", "0", png}, kVacio, {}},
        {{"--grafico", "posiciones", "1", ""}, kVacio, {}},
        {{"--tabla", "posiciones"}, kVacio, {"--tabla"}},
        {{dir.filePath("no_existe.txt")}, kVacio, {"no_existe.txt"}},
        {{"--inic", dir.filePath("INIC.DAT")}, kVacio, {"INIC.DAT"}},
        {{"--inic", inic}, kVacio, {"INIC.DAT, línea 1, registro 1 (Vo): \"100,5\" lleva coma decimal"}},
        {{utf16}, {}, {"utf16.txt", "UTF-16"}},
        {{fifo}, {}, {"tubo", "no es un archivo común"}},
        {{"--grafico", "alturas", "1", png}, kVacio, {"alturas"}},
        {{"--grafico", "posiciones", "todos", png}, {}, {}},
        {{"--barrido", "Ang", "0", "200", "10"}, kAire, {"Ang = 190", "Valor fuera de rango"}},
        {{"--barrido", "Vo", "1e3", "2", "1"}, kAire, {"Vo", "DESDE"}},
        {{"--barrido", "Vo", "10", "1000000000000000000000000000000", "1"}, kAire, {"Vo", "HASTA", "fuera de rango"}},
        {{"--barrido", "Ang", "0", "90", "0"}, kAire, {"Ang", "PASO es 0"}},
        {{"--barrido", "Ang", "0", "90", "0.00004"}, kAire, {"PASO es 0"}},
        {{"--barrido", "Vo", "0", "100", "0.1"}, kAire, {"1001 valores", "1000"}},
        {{"--barrido", "Ang", "10", "0", "1"}, kAire, {"ningún valor"}},
        {{"--barrido", "Xo", "0", "10", "0.5"}, kAire, {"Xo", "enteros"}},
        {{"--barrido", "Aire", "0", "1", "1"}, kAire, {"Aire"}},
        {{"--barrido", "Ang", "0", "90"}, kAire, {"CAMPO DESDE HASTA PASO"}},
        {{"--barrido", "Ang", "0", "90", "1"}, kAire + kAire, {"línea 2", "una sola"}},
        {{"--barrido", "Ang", "0", "90", "1"}, "# nada\n", {"ninguna"}},
        {{"--barrido", "Ang", "0", "90", "1", "--resumen"}, kAire, {"--resumen"}},
        {{"--grafico-barrido", dir.filePath("solo.png")}, kAire, {"--grafico-barrido", "--barrido"}},
        {{"--barrido", "Ang", "0", "90", "45", "--familia", "Vo", "50,400"},
         kAire,
         {"--familia Vo = 400", "Valor fuera de rango"}},
        {{"--barrido", "Ang", "0", "90", "45", "--familia", "Aire", "0,2"}, kAire, {"Aire = 2", "0 o 1"}},
        {{"--barrido", "Ang", "0", "90", "45", "--familia", "Vo", "50,,60"}, kAire, {"no es un número"}},
        {{"--barrido", "Ang", "0", "90", "45", "--familia", "Ang", "50"}, kAire, {"campo del barrido"}},
        {{"--barrido", "Ang", "0", "90", "45", "--familia", "Vo", "1,2,3,4,5,6,7,8,9,10,11"}, kAire, {"11 valores"}},
        {{"--barrido", "Ang", "0", "90", "45", "-j", "0"}, kAire, {"-j"}},
        {{"--familia", "Vo", "50"}, kAire, {"--familia", "--barrido"}},
        {{"--barrido", "Ang", "0", "90", "45", "--grafico-barrido", dir.filePath("b.jpg")}, kAire, {"b.jpg", ".jpg"}},
        {{"--grafico", "posiciones", "1", dir.filePath("g.gif")}, kVacio, {"g.gif"}},
        {{"--barrido", "Ang", "0", "90", "45", "--barrido", "Vo", "10", "20", "5"}, kAire, {"--barrido", "dos veces"}},
        {{"--barrido", "Ang", "0", "90", "45", "--familia", "Vo", "50", "--familia", "Vo", "60"},
         kAire,
         {"--familia", "dos veces"}},
        {{"--barrido", "Ang", "0", "90", "45", "--familia", "Xo", "0.4,0.6"}, kAire, {"Xo = 0.4", "metros enteros"}},
        {{"--barrido", "Ang", "0", "90", "45", "--familia", "Forma", "Esfera,Cubo"}, kAire, {"Cubo", "Esfera o Bala"}},
        {{}, QByteArray(kTopeTexto + 1, '0'), {"entrada estándar", "1 MB"}},
        {{"--rotulado", "--tamano", "99x2000"}, kVacio, {"--tamano", "ANCHOxALTO"}},
        {{"--leer", malo, "--tabla", "posiciones", "1"}, {}, {malo + ", línea "}},
        {{"--leer", hecho, "--tabla", "posiciones", "3"}, {}, {"experiencia 3 (hay 2)"}},
        {{"--leer", hecho, "otro.txt"}, {}, {"--leer", "archivos de lanzamientos"}},
    };
    for (const auto& [args, entrada, palabras] : casos) {
        SCOPED_TRACE((args.join(' ') + " < " + entrada).toStdString());
        // Every file output a run of its kind may have, none of which may appear.
        const QStringList archivos = args.contains("--barrido") ? QStringList{"--grafico-barrido", png}
                                                                : QStringList{"--tya", tya, "--escena", png};
        const Corrida r = correr(archivos + args, entrada);
        EXPECT_TRUE(r.rc == calc::kSalidaRechazo && r.salida.isEmpty() && !r.errores.isEmpty())
            << r.rc << r.salida.toStdString();
        for (const QString& p : palabras)
            EXPECT_TRUE(QString::fromUtf8(r.errores).contains(p))
                << r.errores.toStdString() << " lacks " << p.toStdString();
        EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());
    }
    EXPECT_TRUE(correr({"--rotulado"}, kVacio).errores.contains("--rotulado necesita --grafico o --escena"));
}

// Like any command, in the desktop's language; LC_ALL=C.UTF-8, which scripts set, keeps Spanish. And
// the program itself needs no display: a platform that does not exist changes nothing.
TEST(Calc, IdiomaDelEntornoSinPantalla) {
    using Caso = std::tuple<const char*, QByteArray, QByteArray>;  // LC_ALL, a line of --help, an error
    for (const auto& [lc_all, ayuda, error] :
         {Caso{"C.UTF-8", "\nOpciones:\n", "Opción desconocida: --nada (vea --help).\n"},
          Caso{"en_US.UTF-8", "\nOptions:\n", "Unknown option: --nada (see --help).\n"},
          Caso{"pt_BR.UTF-8", "\nOpções:\n", "Opção desconhecida: --nada (veja --help).\n"}}) {
        SCOPED_TRACE(lc_all);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* v : {"LANGUAGE", "LC_MESSAGES", "LANG"}) env.remove(v);
        env.insert("LC_ALL", lc_all);
        env.insert("QT_QPA_PLATFORM", "no-existe");
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(TYA_CALC, {"--help"});
        ASSERT_TRUE(p.waitForFinished(30000));
        EXPECT_EQ(p.exitCode(), calc::kSalidaBien) << p.readAllStandardError().toStdString();
        EXPECT_TRUE(p.readAllStandardOutput().contains(ayuda));
        p.start(TYA_CALC, {"--nada"});
        ASSERT_TRUE(p.waitForFinished(30000));
        EXPECT_EQ(p.readAllStandardError(), error);
    }
}

TEST(Calc, SalidaEstandarQueNoSeEscribe) {
    // Standard output on /dev/full or on a disk that is full: never status 0, and one line that
    // says what could not be written and why.
    prueba::EnEspanol espanol;
    QTemporaryDir dir;
    const QStringList pedidos[] = {{"--help"}, {"--log"}, {"--valores"}, {"--resumen"}, {"--tabla", "posiciones", "1"}};
    for (const QString& destino : {QStringLiteral("/dev/full"), dir.filePath("clase.log")})
        for (const QStringList& args : pedidos) {
            SCOPED_TRACE((destino + " " + args.join(' ')).toStdString());
            calc::SalidaEstandar salida(
                ::open(QFile::encodeName(destino).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600));
            QBuffer err;
            prueba::DiscoLleno disco(0);
            EXPECT_EQ(salida.terminar(ejecutar(args, kVacio, salida, err), err), calc::kSalidaEscritura);
            EXPECT_EQ(err.data(), "No se pudo escribir la salida estándar: no queda espacio en el disco.\n");
        }
    // A file name that is not UTF-8 is refused, not written under another name.
    const char* const mal[] = {"trayecta-calc", "--tya", "clase\xe9.TYA"};
    const char* const bien[] = {"trayecta-calc", "--tya", "clase\xc3\xa9.TYA"};
    QStringList args;
    QString error;
    EXPECT_FALSE(argumentos_como_texto(3, mal, args, error));
    EXPECT_TRUE(error.contains("El argumento 2 (clase\\xe9.TYA)")) << error.toStdString();
    EXPECT_TRUE(argumentos_como_texto(3, bien, args, error) && args == QStringList({"--tya", "clase\u00e9.TYA"}));
}

// What each output writes, and what becomes of it when it cannot be written.
TEST(Calc, Salidas) {
    prueba::EnEspanol espanol;  // the worksheet legends and the report's headings are checked word by word
    QTemporaryDir dir;
    auto ruta = [&dir](const char* n) { return dir.filePath(QString::fromLatin1(n)); };
    const QByteArray dos = "0 0 100 45 0 0 1 11.3 0.4\n100 50 80 30 1 10 2 7.8 0.2\n";
    const Corrida c = correr({"--log",           "--tabla",       "posiciones",  "2",
                              "--tabla",         "velocidades",   "1",           "--resumen",
                              "--tya",           ruta("dos.TYA"), "--escena",    ruta("escena.png"),
                              "--grafico",       "posiciones",    "2",           ruta("p2.png"),
                              "--horizontal",    "--grafico",     "velocidades", "todos",
                              ruta("vtodos.png")},
                             dos);
    ASSERT_TRUE(bien(c));

    // The same flights on the test bench give the reference texts and images.
    prueba::Banco b;
    b.volar();
    b.lanzamiento(80, 30, 100, 50, 1, 2, 10);
    b.st->Densidad = kDensMat[1];
    b.st->Cd = kCdForma[1];
    b.volar();
    EstadoExp& st = *b.st;
    const QChar sep = QLatin1Char(prueba::separador_esperado());
    QByteArray esperado = con_separador("0     0    100.0   45.0    0    0      1.0    11.3   0.4   \n");
    esperado += (linea_lanzamiento(st, sep) + "\n").toUtf8();
    esperado += tabla_posiciones(st, 2, sep).join("\r\n").toUtf8() + "\r\n";
    esperado += tabla_velocidades(st, 1, sep).join("\r\n").toUtf8() + "\r\n";
    EXPECT_EQ(c.salida.left(esperado.size()), esperado);
    EXPECT_EQ(c.salida.mid(esperado.size()).count('\n'), 2) << "the summary comes last";

    auto r = std::make_unique<EstadoExp>();
    ASSERT_TRUE(recuperar_experiencias(*r, ruta("dos.TYA")));
    EXPECT_EQ(std::tuple(r->NExp, r->Pos[1], r->VelMarca[0]), std::tuple(2, st.Pos[1], st.VelMarca[0]));
    EXPECT_GT(QImage(ruta("escena.png")).width(), 100);
    auto imagen = [](const QImage& i) { return i.convertToFormat(QImage::Format_RGB32); };
    const QImage p2 = imagen(imagen_grafico(st, Magnitud::Posiciones, false, 2));
    EXPECT_EQ(imagen(QImage(ruta("p2.png"))), p2);
    EXPECT_EQ(imagen(QImage(ruta("vtodos.png"))),
              imagen(imagen_grafico(st, Magnitud::Velocidades, false, kTodasLasExperiencias)));

    // An output that cannot be written: status 1, the message names it, nothing is left behind, a
    // file already in the place of another output is kept as it was.
    for (const QStringList& args : {QStringList{"--tya", ruta("no/hay/carpeta.TYA")},
                                    {"--grafico", "posiciones", "1", ruta("p2.png/x.png")},
                                    {"--imprimir-valores", ruta("no/hay/v.pdf")}}) {
        const Corrida mal = correr(args, dos);
        EXPECT_TRUE(mal.rc == calc::kSalidaEscritura && mal.errores.contains(args.last().toUtf8()) &&
                    !QFile::exists(args.last()))
            << mal.rc << mal.errores.toStdString();
    }
    EXPECT_EQ(imagen(QImage(ruta("p2.png"))), p2);

    // --rotulado: the worksheet graph, titled, with every experiment's launch in the legend.
    ASSERT_TRUE(bien(correr({"--rotulado", "--grafico", "posiciones", "todos", ruta("r.svg")}, dos)));
    const QString hoja = QString::fromUtf8(prueba::leer(ruta("r.svg")));
    for (const char* t : {"Altura según el tiempo", "Exp. 1: Xo = 0 m, Yo = 0 m, Vo = 100 m/s, Ang = 45°, vacío",
                          "Exp. 2: Xo = 100 m, Yo = 50 m, Vo = 80 m/s, Ang = 30°, aire, viento 10 m/s, R = 2 cm, "
                          "densidad 7.8 g/cm³, bala",
                          "Tiempo (s)", "Altura Y (m)"})
        EXPECT_TRUE(hoja.contains(QString::fromUtf8(t).replace("7.8", con_separador(QStringLiteral("7.8"))))) << t;
    // A bullet of 1 cm whose drag constant rounds to 0 still flew in air; the labelled scene
    // is an A4 sheet with its rulers in metres.
    ASSERT_TRUE(bien(correr({"--rotulado", "--grafico", "posiciones", "1", ruta("b.svg"), "--escena", ruta("e.svg")},
                            "0 0 100 45 1 0 1 11.3 0.2\n")));
    EXPECT_TRUE(prueba::leer(ruta("b.svg")).contains("Exp. 1: Vo = 100 m/s, Ang = 45°, aire"));
    const QByteArray escena = prueba::leer(ruta("e.svg"));
    EXPECT_TRUE(escena.contains("width=\"297mm\""));
    EXPECT_TRUE(escena.contains("Distancia horizontal X (m)"));
    // --valores, the extreme-values report as copy text (its digits are pinned in informe_test); a last
    // launch with a target gives the layout with target.
    const QByteArray copia = correr({"--valores"}, dos).salida;
    EXPECT_TRUE(copia.startsWith("Xo\tYo\tVo\tAng.\tRoz.\tXmax\t") && copia.count("\r\n") == 4) << copia.toStdString();
    EXPECT_TRUE(copia.contains(con_separador("\t 14.3989\t 70.7107\t-70.564\t"))) << copia.toStdString();
    EXPECT_TRUE(correr({"--valores"}, "0 0 100 45 0 0 1 11.3 0.4 3000 0 -5 0\n")
                    .salida.startsWith("Xo\tYo\tVo\tAng.\tRoz.\tXoB\tYoB\tVxb\tVyb\tDmin\tTmin\r\n\r\n"));
    // --imprimir-valores, the report on paper. Files alone print nothing.
    const Corrida pdf = correr({"--imprimir-valores", ruta("v.pdf"), "--tya", ruta("otro.TYA")}, dos);
    ASSERT_TRUE(bien(pdf));
    EXPECT_TRUE(pdf.salida.isEmpty());
    EXPECT_TRUE(prueba::leer(ruta("v.pdf")).startsWith("%PDF"));
}

// Each row is the flight that launch gives alone, as the first experiment of a run.
TEST(Barrido, FilasComoVuelosSueltos) {
    using Caso = std::tuple<QStringList, int, QByteArray>;  // the sweep, the swept field's index, the launch line
    const QList<Caso> casos = {
        {{"Vo", "80", "120", "20"}, 2, "0 0 100 45 0 0 1 11.3 0.4 500 255 0 0"},     // 100 hits the target
        {{"Densidad", "0.01", "11.31", "5.65"}, 7, "0 4200 0 0 1 0 0.01 11.3 0.4"},  // 0.01 drifts to the limit
        {{"Ang", "60", "-10", "-35"}, 3, "10 20 50 45 1 -20 2 2.5 0.2"},
        {{"R", "0.5", "2", "0.5"}, 6, "0 0 100 45 1 0 1 11.3 0.4"},
    };
    QSet<QByteArray> fines;
    for (const auto& [barrido, campo, base] : casos) {
        SCOPED_TRACE(barrido.join(' ').toStdString());
        const Corrida b = correr(QStringList{"--barrido"} + barrido, base);
        ASSERT_TRUE(bien(b));
        EXPECT_TRUE(b.salida.endsWith("\r\n"));
        const auto t = filas(b.salida);
        ASSERT_GE(t.size(), 3);
        const QByteArray fin = Trayecta::tr("Fin", "a sweep table's column heading: how the flight ended").toUtf8();
        EXPECT_EQ(t[0], (QList<QByteArray>{barrido[0].toUtf8(), "N", "T", "Xfin", "Ymax", "Vfin", fin}));
        for (const QList<QByteArray>& f : t.mid(1)) {
            ASSERT_EQ(f.size(), 7);
            // The reader's decimal separator, never the other one.
            const char otro = prueba::separador_esperado() == ',' ? '.' : ',';
            for (int i = 0; i < 6; ++i)
                EXPECT_FALSE(f[i].contains(' ') || f[i].contains(otro) || f[i].startsWith(otro));
            QList<QByteArray> campos = base.split(' ');
            campos[campo] = f[0];
            const auto s = filas(correr({"--resumen"}, campos.join(' ')).salida);
            ASSERT_EQ(s.size(), 1);
            EXPECT_EQ(f[1], s[0][1]);
            for (int i : {2, 3}) EXPECT_NEAR(numero(f[i]), numero(s[0][i]), 0.0051);
            EXPECT_EQ(f[6], s[0].value(4));
            fines << f[6];
        }
    }
    EXPECT_EQ(fines,
              (QSet<QByteArray>{"", mensaje_fin(FinVuelo::Impacto).toUtf8(), mensaje_fin(FinVuelo::Limite).toUtf8()}));
}

TEST(Barrido, PasoNegativoYPicoEnElVacio) {
    prueba::EnEspanol espanol;  // the sheet's Spanish words
    QTemporaryDir dir;
    const QString png = dir.filePath("alcance.png");
    const auto t = filas(correr({"--barrido", "Ang", "0", "90", "1", "--grafico-barrido", png}, kVacio).salida);
    ASSERT_EQ(t.size(), 92);
    // Stepping down gives the rows stepping up gives.
    const auto bajando = filas(correr({"--barrido", "Ang", "50", "40.5", "-5"}, kVacio).salida);
    ASSERT_EQ(bajando.size(), 3) << "50 and 45; 40 is past HASTA";
    EXPECT_EQ(bajando[1][0], "50");
    EXPECT_EQ(bajando[1], t[1 + 50]);
    EXPECT_EQ(bajando[2], t[1 + 45]);
    const auto pico = std::max_element(t.begin() + 1, t.end(),
                                       [](const auto& a, const auto& b) { return numero(a[3]) < numero(b[3]); });
    EXPECT_EQ(std::pair((*pico)[0], (*pico)[3]), std::pair(QByteArray("45"), con_separador("1018.1942")));
    EXPECT_EQ((*pico)[4], "254") << "the highest point as the extreme values give it, not the highest sample";
    EXPECT_EQ(t[1][3], "0") << "a launch along the ground lands where it starts";
    // The bound on the number of values passes itself.
    EXPECT_EQ(filas(correr({"--barrido", "Vo", "0.1", "100", "0.1"}, kVacio).salida).size(), 1001);

    // An A4 sheet at 300 dpi; a sweep still rising at its end has no maximum to mark.
    const QImage img(png);
    EXPECT_EQ(std::tuple(img.width(), img.height(), img.dotsPerMeterX()), std::tuple(3508, 2480, 11811));
    ASSERT_TRUE(
        bien(correr({"--barrido", "Ang", "0", "90", "45", "--tamano", "1754x1240", "--grafico-barrido", png}, kVacio)));
    EXPECT_EQ(QImage(png).size(), QSize(1754, 1240));
    const QString svg = dir.filePath("sube.svg");
    ASSERT_TRUE(bien(correr({"--barrido", "Ang", "0", "40", "5", "--grafico-barrido", svg}, kVacio)));
    const QByteArray sube = prueba::leer(svg);
    EXPECT_TRUE(sube.contains("width=\"297mm\" height=\"210mm\"")) << sube.left(600).toStdString();
    EXPECT_FALSE(sube.contains("máximo"));
    EXPECT_TRUE(sube.contains("Ángulo de lanzamiento (°)"));
    // A flight that hit the target is drawn apart, its symbol explained.
    const QString imp = dir.filePath("impacto.svg");
    ASSERT_TRUE(bien(correr({"--barrido", "Vo", "80", "120", "20", "--grafico-barrido", imp},
                            "0 0 100 45 0 0 1 11.3 0.4 500 255 0 0")));
    EXPECT_TRUE(prueba::leer(imp).contains("terminó en &quot;Impacto&quot; con el blanco") ||
                prueba::leer(imp).contains("terminó en \"Impacto\" con el blanco"));
}

// A family's blocks are the single sweeps of its values; the threads change nothing.
TEST(Barrido, FamiliaComoBarridosSueltos) {
    prueba::EnEspanol espanol;  // the sheet's and the notice's Spanish words
    const QStringList barrido = {"--barrido", "Ang", "5", "85", "10"};
    // The plot as vectors: an SVG that is well-formed XML, with a curve and a legend line per value,
    // and a PDF.
    QTemporaryDir dir;
    const QString svg = dir.filePath("f.svg"), pdf = dir.filePath("f.pdf");
    const QStringList muchos = {"--barrido", "Ang", "0", "90", "3", "--familia", "Aire", "0,1", "--grafico-barrido"};
    const Corrida uno = correr(muchos + QStringList{svg, "-j", "1"}, kAire),
                  tres = correr(muchos + QStringList{pdf, "-j", "3"}, kAire);
    ASSERT_TRUE(bien(uno));
    ASSERT_TRUE(bien(tres));
    EXPECT_EQ(uno.salida, tres.salida);
    QXmlStreamReader xml(prueba::leer(svg));
    QStringList textos;
    int caminos = 0;
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("path"))
            ++caminos;
        else if (xml.isCharacters())
            textos << xml.text().toString().trimmed();
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_GE(caminos, 2);
    EXPECT_TRUE(prueba::leer(pdf).startsWith("%PDF"));
    // The legend lines, and the swept and the family's quantity in plain words with the swept one's unit.
    for (const char* t : {"vacío; máximo 1018.19 m con 45°", "aire; máximo 476.69 m con 39°",
                          "Alcance según el ángulo de lanzamiento, una curva por medio", "Ángulo de lanzamiento (°)"})
        EXPECT_TRUE(textos.contains(con_separador(QString::fromUtf8(t))))
            << t << " not in " << textos.join('|').toStdString();

    // Each block is the sweep of that launch line alone, its rows led by the family's value: the shapes by
    // name, a decimal comma between semicolons.
    using Caso = std::tuple<QStringList, QList<QByteArray>, QList<QByteArray>>;  // family, values shown, launch lines
    const QList<Caso> casos = {
        {{"Vo", "120,60.5"}, {"120", "60.5"}, {"0 0 120 45 1 0 1 11.3 0.4\n", "0 0 60.5 45 1 0 1 11.3 0.4\n"}},
        {{"Forma", "Esfera,bala"}, {"Esfera", "Bala"}, {kAire, QByteArray(kAire).replace(" 0.4", " 0.2")}},
        {{"Cd", "0.2,0.4"}, {"0.2", "0.4"}, {QByteArray(kAire).replace(" 0.4", " 0.2"), kAire}},
        {{"R", "0,5;1"}, {"0.5", "1"}, {QByteArray(kAire).replace(" 1 11.3", " 0.5 11.3"), kAire}},
    };
    for (const auto& [familia, valores, lineas] : casos) {
        SCOPED_TRACE(familia.join(' ').toStdString());
        const Corrida f = correr(barrido + QStringList{"--familia"} + familia, kAire);
        ASSERT_TRUE(bien(f));
        EXPECT_EQ(filas(f.salida).size(), 19) << "a heading and nine rows a value";
        QByteArray bloques;
        for (int k = 0; k < 2; ++k) {
            const QByteArray suelto = correr(barrido, lineas[k]).salida;
            const qsizetype fin = suelto.indexOf('\n') + 1;
            if (k == 0) bloques = familia[0].toUtf8() + '\t' + suelto.left(fin);
            for (const QByteArray& l : suelto.mid(fin).split('\n'))
                if (!l.isEmpty()) bloques += con_separador(valores[k]) + '\t' + l + '\n';
        }
        EXPECT_EQ(f.salida, bloques);
    }
    // A list that may have meant decimal commas is read by the rule, and the values read are said.
    const Corrida coma = correr(barrido + QStringList{"--familia", "R", "0,5,1"}, kAire);
    EXPECT_TRUE(bien(coma));
    EXPECT_TRUE(coma.errores.contains("se leen 3 valores, 0; 5; 1")) << coma.errores.toStdString();
    EXPECT_TRUE(correr(barrido + QStringList{"--familia", "R", "0.5,1"}, kAire).errores.isEmpty());
    // The drag coefficient also sweeps.
    EXPECT_EQ(filas(correr({"--barrido", "Cd", "0.2", "0.4", "0.2"}, kAire).salida).size(), 3);
}

TEST(Barrido, PasoDeMarcas) {
    using Caso = std::tuple<double, double, int, double>;  // from, to, marks at most, the step
    for (const auto& [desde, hasta, marcas, paso] :
         {Caso{0, 90, 10, 10}, Caso{0, 515, 8, 100}, Caso{-3, 4, 10, 1}, Caso{0, 0.3, 10, 0.05},
          Caso{1, 1.00001, 10, 0.0001}, Caso{7, 7, 10, 1}})
        EXPECT_DOUBLE_EQ(paso_marcas(desde, hasta, marcas), paso) << desde << " " << hasta;
}

// Every option of the table is in --help, and the manual page lists the same options as --help so
// neither drifts from the other; each is refused by name when its arguments are missing, and with
// --barrido only the sweep's own options are taken.
TEST(Calc, OpcionesDeLaTabla) {
    prueba::EnEspanol espanol;  // the manual page is Spanish
    const QStringList de_barrido = {"--inic",   "--barrido", "--grafico-barrido", "--familia", "-j",
                                    "--tamano", "--help",    "--version"};
    const QByteArray ayuda = correr({"--help"}).salida;
    EXPECT_EQ(correr({"--version"}).salida, "trayecta-calc " TRAYECTA_VERSION "\n");
    // The options that lines starting with `antes` name, sorted and without repeats, as one
    // line that reads well in a failure.
    auto opciones = [](const QByteArray& texto, const char* antes) {
        QMap<QString, bool> r;  // sorted, without repeats
        const QRegularExpression re(QString("^%1(--?[a-z][a-z-]*)").arg(antes), QRegularExpression::MultilineOption);
        for (auto it = re.globalMatch(QString::fromUtf8(texto)); it.hasNext();) r[it.next().captured(1)] = true;
        return r.keys().join(' ').toStdString();
    };
    const std::string en_ayuda = opciones(ayuda, "  ");
    EXPECT_GE(std::count(en_ayuda.begin(), en_ayuda.end(), ' '), 13);
    EXPECT_EQ(opciones(prueba::leer(TYA_FUENTES "/desktop/trayecta-calc.1").replace("\\-", "-"), "\\.BI? "), en_ayuda);
    for (const calc::DefOpcion& d : calc::definiciones_opciones()) {
        const QString x = QString::fromUtf8(d.nombre);
        SCOPED_TRACE(d.nombre);
        EXPECT_TRUE(ayuda.contains("  " + x.toUtf8() + (d.valores ? " " : "")));
        if (d.valores > 0) {
            const Corrida r = correr({x}, kAire);
            EXPECT_TRUE(r.rc == calc::kSalidaRechazo && r.errores.startsWith("La opción " + x.toUtf8() + " necesita"));
        }
        QStringList args = {"--barrido", "Ang", "0", "90", "45", x};
        for (int k = 0; k < d.valores; ++k) args << (k > 0 ? "1" : x == "--barrido" ? "Vo" : "posiciones");
        const Corrida b = correr(args, kAire);
        EXPECT_EQ(b.errores.contains("solo se combina"), !de_barrido.contains(x)) << b.errores.toStdString();
    }
}
