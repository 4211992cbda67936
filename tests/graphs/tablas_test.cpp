#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "apoyo.h"
#include "graphs/tablas.h"

using namespace tya;
using namespace tya::prueba;

namespace {

struct Muestra { double x, y, vx, vy; };

// Experiment k with these samples and this end state; the extremes do not matter to a table.
void guardar(EstadoExp& st, int k, const std::vector<Muestra>& m, Muestra fin, double tf) {
    const int e = k - 1, n = static_cast<int>(m.size());
    Registro& p = st.Pos[e];
    Registro& v = st.VelMarca[e];
    p.fill(Fijo());
    v.fill(Fijo());
    p[0] = Fijo::entero(3);
    p[1] = v[1] = Fijo::entero(n);
    for (int i = 1; i <= n; ++i) {
        const Muestra& s = m[static_cast<size_t>(i - 1)];
        p[2 * i] = Fijo::desde(s.x); p[2 * i + 1] = Fijo::desde(s.y);
        v[2 * i] = Fijo::desde(s.vx); v[2 * i + 1] = Fijo::desde(s.vy);
    }
    p[2 * n + 6] = Fijo::desde(fin.x); p[2 * n + 7] = Fijo::desde(fin.y);
    p[2 * n + 8] = Fijo::entero(37);  // the step counter, not a time
    v[2 * n + 6] = Fijo::desde(fin.vx); v[2 * n + 7] = Fijo::desde(fin.vy);
    v[2 * n + 8] = Fijo::desde(tf);
    st.NExp = std::max<int16_t>(st.NExp, static_cast<int16_t>(k));
}

QString lineas(const QStringList& filas) {
    QString s;
    for (const QString& f : filas) s += f + QStringLiteral("\r\n");
    return s;
}

}  // namespace

TEST(Tablas, CamposDeLasFilas) {
    auto propio = std::make_unique<EstadoExp>();
    EstadoExp& st = *propio;
    guardar(st, 1,
            {{0, 0, 0, 0}, {0.004, 12.3456, 0.004, 3}, {-12.3456, -0.2, 0.37, -9.8765}, {1234.5, 0, 0, 1234.5}},
            {0.37, -0.2, 0.5, -3.456}, 2.6);
    st.NGrafSel = 1;
    // Only exact zeros read "0" in the sample rows; the final row reads "0" from 0 up to 1.
    const QStringList pos = {QStringLiteral("0\t0\t0"), QStringLiteral("0,75\t0,00\t12,35"),
                             QStringLiteral("1,50\t-12,35\t-0,20"), QStringLiteral("2,25\t1234,50\t0"),
                             QStringLiteral("2,60\t0\t-0,20")};
    EXPECT_EQ(tabla_posiciones(st, QLatin1Char(',')), pos);
    EXPECT_EQ(st.TextoCopia, lineas(pos));
    const QStringList vel = {QStringLiteral("0\t0\t0"), QStringLiteral("0,75\t0,00\t3,00"),
                             QStringLiteral("1,50\t0,37\t-9,88"), QStringLiteral("2,25\t0\t1234,50"),
                             QStringLiteral("2,60\t0\t-3,46")};
    EXPECT_EQ(tabla_velocidades(st, QLatin1Char(',')), vel);
    EXPECT_EQ(st.TextoCopia, lineas(vel));

    // The separator passed in is the only one used; with "." the same rows.
    QStringList punto = pos;
    for (QString& f : punto) f.replace(QLatin1Char(','), QLatin1Char('.'));
    EXPECT_EQ(tabla_posiciones(st, QLatin1Char('.')), punto);

    // The final-row rule at its edges, and the final time is never replaced.
    struct { double valor; const char* campo; } finales[] = {
        {0, "0"}, {0.9999, "0"}, {1, "1,00"}, {1.25, "1,25"}, {-0.2, "-0,20"}, {-1, "-1,00"}, {0.37, "0"}};
    for (const auto& f : finales) {
        guardar(st, 2, {{5, 5, 5, 5}}, {f.valor, f.valor, f.valor, f.valor}, 0);
        st.NGrafSel = 2;
        const QString esperada = QStringLiteral("0,00\t%1\t%1").arg(QLatin1String(f.campo));
        EXPECT_EQ(tabla_posiciones(st, QLatin1Char(',')).back(), esperada) << f.valor;
        EXPECT_EQ(tabla_velocidades(st, QLatin1Char(',')).back(), esperada) << f.valor;
    }
}

TEST(Tablas, UnaFilaPorMuestraMasLaFinal) {
    Banco b;
    EstadoExp& st = *b.st;
    b.lanzamiento(100, 45, 0, 0);
    b.volar();
    const int n = muestras(st.Pos[0]);
    ASSERT_EQ(n, 20);
    QStringList filas = tabla_posiciones(st, QLatin1Char(','), &b.sup);
    ASSERT_EQ(filas.size(), n + 1);
    EXPECT_EQ(filas.front(), QStringLiteral("0\t0\t0"));  // launched from X = 0, Y = 0
    EXPECT_TRUE(filas.back().startsWith(QStringLiteral("14,4"))) << filas.back().toStdString();
    EXPECT_TRUE(filas.back().endsWith(QStringLiteral("\t0")));  // on the ground
    EXPECT_EQ(st.TextoCopia, lineas(filas));
    EXPECT_EQ(st.TextoCopia.count(QStringLiteral("\r\n")), n + 1);
    for (const QString& f : filas) {
        EXPECT_EQ(f.split(QLatin1Char('\t')).size(), 3) << f.toStdString();
        EXPECT_FALSE(f.contains(QLatin1Char(' ')) || f.contains(QLatin1Char('.'))) << f.toStdString();
    }
    filas = tabla_velocidades(st, QLatin1Char(','), &b.sup);
    EXPECT_EQ(filas.front(), QStringLiteral("0\t70,71\t70,71"));
    EXPECT_EQ(filas.size(), n + 1);

    // A flight that ends in its first step: the final row is back at t = 0 and the launch point.
    b.lanzamiento(0, 0, 0, 0);
    b.volar();
    EXPECT_EQ(tabla_posiciones(st, QLatin1Char(',')), QStringList({"0\t0\t0", "0,00\t0\t0"}));
    EXPECT_EQ(tabla_velocidades(st, QLatin1Char(',')), QStringList({"0\t0\t0", "0,00\t0\t0"}));

    // The longest flight: every sample listed, the times from the 0.75 s period.
    std::vector<Muestra> m(kMarcasMax, Muestra{1, 2, 3, 4});
    guardar(st, 3, m, {1, 2, 3, 4}, 1424.6);
    st.NGrafSel = 3;
    filas = tabla_posiciones(st, QLatin1Char(','));
    ASSERT_EQ(filas.size(), kMarcasMax + 1);
    for (int k = 2; k <= kMarcasMax; ++k) {
        const QString t = QString::number(0.75 * (k - 1), 'f', 2).replace(QLatin1Char('.'), QLatin1Char(','));
        ASSERT_EQ(filas[k - 1], t + QStringLiteral("\t1,00\t2,00")) << k;
    }
    EXPECT_EQ(filas[kMarcasMax - 1], QStringLiteral("1424,25\t1,00\t2,00"));
    EXPECT_EQ(filas.back(), QStringLiteral("1424,60\t1,00\t2,00"));
}

TEST(Tablas, SinExperienciaNoHayFilas) {
    Banco b;
    EstadoExp& st = *b.st;
    b.lanzamiento(100, 45, 0, 0);
    b.volar();
    b.volar();
    guardar(st, 4, {{1, 1, 1, 1}}, {1, 1, 1, 1}, 1);
    st.NExp = 3;  // experiment 3 was never stored, 4 lies beyond NExp
    st.VelMarca[1][1] = Fijo();  // experiment 2 has lost its velocity record
    for (int sel : {0, 3, 4, 11, -1, 32767}) {
        st.NGrafSel = static_cast<int16_t>(sel);
        st.TextoCopia = QStringLiteral("viejo");
        EXPECT_TRUE(tabla_posiciones(st, QLatin1Char(',')).isEmpty()) << sel;
        EXPECT_TRUE(st.TextoCopia.isEmpty()) << sel;
        st.TextoCopia = QStringLiteral("viejo");
        EXPECT_TRUE(tabla_velocidades(st, QLatin1Char(',')).isEmpty()) << sel;
        EXPECT_TRUE(st.TextoCopia.isEmpty()) << sel;
    }
    st.NGrafSel = 2;
    EXPECT_TRUE(tabla_velocidades(st, QLatin1Char(',')).isEmpty());

    // With no experiment stored the scene is left as it was; a table switches its retained
    // mode off.
    st.NGrafSel = 1;
    b.sup.retenido(true);
    st.NExp = 0;
    st.TextoCopia = QStringLiteral("viejo");
    EXPECT_TRUE(tabla_posiciones(st, QLatin1Char(','), &b.sup).isEmpty());
    EXPECT_TRUE(st.TextoCopia.isEmpty());
    EXPECT_TRUE(b.sup.retenido());
    st.NExp = 1;
    EXPECT_EQ(tabla_posiciones(st, QLatin1Char(','), &b.sup).size(), 21);
    EXPECT_FALSE(b.sup.retenido());
}
