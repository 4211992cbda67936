// trayecta-calc --barrido: one launch field swept over a range, a row per flight.
#include <QImage>

#include "corrida.h"
#include "graphs/grafico_barrido.h"

using namespace tya;
using namespace tya::prueba;

namespace {

// Rows of a table without the CR LF, split into fields.
QList<QList<QByteArray>> filas(const QByteArray& t) {
    QList<QList<QByteArray>> r;
    for (const QByteArray& l : t.split('\n'))
        if (!l.isEmpty()) r << l.chopped(l.endsWith('\r') ? 1 : 0).split('\t');
    return r;
}

double numero(QByteArray t) { return t.replace(',', '.').toDouble(); }

}  // namespace

// Each row is the flight that launch gives alone, as the first experiment of a run.
TEST(Barrido, FilasComoVuelosSueltos) {
    struct Caso { QStringList barrido; int campo; QByteArray base; };
    const QList<Caso> casos = {
        {{"Vo", "80", "120", "20"}, 2, "0 0 100 45 0 0 1 11.3 0.4 500 255 0 0"},  // 100 hits the target
        {{"Densidad", "0.01", "11.31", "5.65"}, 7, "0 4200 0 0 1 0 0.01 11.3 0.4"},  // 0.01 drifts to the limit
        {{"Ang", "60", "-10", "-35"}, 3, "10 20 50 45 1 -20 2 2.5 0.2"},
        {{"R", "0.5", "2", "0.5"}, 6, "0 0 100 45 1 0 1 11.3 0.4"},
    };
    QSet<QByteArray> fines;
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.barrido.join(' ').toStdString());
        const Corrida b = correr(QStringList{"--barrido"} + c.barrido, c.base);
        ASSERT_EQ(b.rc, calc::kSalidaBien) << b.errores.toStdString();
        EXPECT_TRUE(b.salida.endsWith("\r\n"));
        const auto t = filas(b.salida);
        ASSERT_GE(t.size(), 3);
        EXPECT_EQ(t[0], (QList<QByteArray>{c.barrido[0].toUtf8(), "N", "T", "Xfin", "Ymax", "Vfin", "Fin"}));
        for (int k = 1; k < t.size(); ++k) {
            const QList<QByteArray>& f = t[k];
            ASSERT_EQ(f.size(), 7);
            for (int i = 0; i < 6; ++i) EXPECT_FALSE(f[i].contains(' ') || f[i].contains(',') || f[i].startsWith('.'));
            QList<QByteArray> campos = c.base.split(' ');
            campos[c.campo] = f[0];
            const auto s = filas(correr({"--resumen"}, campos.join(' ')).salida);
            ASSERT_EQ(s.size(), 1);
            EXPECT_EQ(f[1], s[0][1]);
            EXPECT_NEAR(numero(f[2]), numero(s[0][2]), 0.0051);
            EXPECT_NEAR(numero(f[3]), numero(s[0][3]), 0.0051);
            EXPECT_EQ(f[6], s[0].value(4));
            fines << f[6];
        }
    }
    EXPECT_EQ(fines, (QSet<QByteArray>{"", "Impacto", "Fin de Simulación"}));
}

TEST(Barrido, PasoNegativoYPicoEnElVacio) {
    const QByteArray vacio = "0 0 100 45 0 0 1 11.3 0.4\n";
    auto bajando = filas(correr({"--barrido", "Ang", "50", "40.5", "-5"}, vacio).salida);
    const auto subiendo = filas(correr({"--barrido", "Ang", "45", "50", "5"}, vacio).salida);
    ASSERT_EQ(bajando.size(), 3) << "50 and 45; 40 is past HASTA";
    EXPECT_EQ(bajando[1][0], "50");
    EXPECT_EQ(bajando[1], subiendo[2]);
    EXPECT_EQ(bajando[2], subiendo[1]);

    QTemporaryDir dir;
    const QString png = dir.filePath("alcance.png");
    const Corrida c = correr({"--barrido", "Ang", "0", "90", "1", "--grafico-barrido", png}, vacio);
    ASSERT_EQ(c.rc, calc::kSalidaBien) << c.errores.toStdString();
    const auto t = filas(c.salida);
    ASSERT_EQ(t.size(), 92);
    int pico = 1;
    for (int k = 1; k < t.size(); ++k)
        if (numero(t[k][3]) > numero(t[pico][3])) pico = k;
    EXPECT_EQ(t[pico][0], "45");
    EXPECT_EQ(t[pico][3], "1018.1942");
    EXPECT_EQ(t[1][3], "0") << "a launch along the ground lands where it starts";

    // The curve, in the colour experiment 1 shows in, is highest in the middle of the plot.
    const QImage img = QImage(png).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(img.size(), QSize(kBarridoAnchoPx, kBarridoAltoPx));
    int arriba = img.height(), x_arriba = -1;
    for (int y = 0; y < img.height() && x_arriba < 0; ++y)
        for (int x = 0; x < img.width(); ++x)
            if ((img.pixel(x, y) & 0xffffffu) == 0xff7f7fu) { arriba = y; x_arriba = x; break; }
    EXPECT_LT(arriba, img.height() / 3);
    EXPECT_NEAR(x_arriba, img.width() / 2, img.width() / 12);
}

TEST(Barrido, Rechazos) {
    QTemporaryDir dir;
    const QString png = dir.filePath("nada.png");
    const QByteArray base = "0 0 100 45 1 0 1 11.3 0.4\n";
    struct Caso { QStringList args; QByteArray entrada; QStringList palabras; };
    const QList<Caso> casos = {
        {{"--barrido", "Ang", "0", "200", "10"}, base, {"Ang = 190", "Valor fuera de rango"}},
        {{"--barrido", "Viento", "-60", "0", "10"}, base, {"Viento = -60", "Valor fuera de rango"}},
        {{"--barrido", "Vo", "1e3", "2", "1"}, base, {"Vo", "DESDE"}},
        {{"--barrido", "Vo", "10", "1000000000000000000000000000000", "1"}, base, {"Vo", "HASTA", "fuera de rango"}},
        {{"--barrido", "Ang", "0", "90", "0"}, base, {"Ang", "PASO es 0"}},
        {{"--barrido", "Ang", "0", "90", "0.00004"}, base, {"PASO es 0"}},
        {{"--barrido", "Vo", "0", "100", "0.1"}, base, {"1001 valores", "1000"}},
        {{"--barrido", "Ang", "10", "0", "1"}, base, {"ningún valor"}},
        {{"--barrido", "Xo", "0", "10", "0.5"}, base, {"Xo", "enteros"}},
        {{"--barrido", "Aire", "0", "1", "1"}, base, {"Aire"}},
        {{"--barrido", "Ang", "0", "90"}, base, {"CAMPO DESDE HASTA PASO"}},
        {{"--barrido", "Ang", "0", "90", "1"}, base + base, {"línea 2", "una sola"}},
        {{"--barrido", "Ang", "0", "90", "1"}, "# nada\n", {"ninguna"}},
        {{"--barrido", "Ang", "0", "90", "1"}, "0 0 400 45 1 0 1 11.3 0.4\n", {"línea 1", "Vo"}},
        {{"--barrido", "Ang", "0", "90", "1", "--resumen"}, base, {"--resumen"}},
        {{"--grafico-barrido", dir.filePath("solo.png")}, base, {"--grafico-barrido", "--barrido"}},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        const Corrida r = correr(QStringList{"--grafico-barrido", png} + c.args, c.entrada);
        EXPECT_EQ(r.rc, calc::kSalidaRechazo);
        EXPECT_TRUE(r.salida.isEmpty()) << r.salida.toStdString();
        const QString err = QString::fromUtf8(r.errores);
        for (const QString& p : c.palabras) EXPECT_TRUE(err.contains(p)) << err.toStdString() << " lacks " << p.toStdString();
        EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());
    }
    // The bound itself passes: a thousand values.
    const Corrida mil = correr({"--barrido", "Vo", "0.1", "100", "0.1"}, "0 0 100 45 0 0 1 11.3 0.4\n");
    EXPECT_EQ(mil.rc, calc::kSalidaBien);
    EXPECT_EQ(filas(mil.salida).size(), 1001);
}

TEST(Barrido, PasoDeMarcas) {
    struct Caso { double desde, hasta; int marcas; double paso; };
    for (const Caso& c : {Caso{0, 90, 10, 10}, Caso{0, 515, 8, 100}, Caso{-3, 4, 10, 1}, Caso{0, 0.3, 10, 0.05},
                          Caso{1, 1.00001, 10, 0.0001}, Caso{7, 7, 10, 1}})
        EXPECT_DOUBLE_EQ(paso_marcas(c.desde, c.hasta, c.marcas), c.paso) << c.desde << " " << c.hasta;
}
