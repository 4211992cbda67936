// The extreme-values report: in the text window, as copy text and on paper.
#include <gtest/gtest.h>

#include "apoyo.h"
#include "core/formato.h"
#include "files/informe.h"
#include "scene/textos.h"

using namespace tya;
using namespace tya::prueba;

namespace {

using Fila = std::array<double, 16>;

EstadoExp estado(const QList<Fila>& filas) {
    EstadoExp st;
    st.NExp = static_cast<int16_t>(filas.size());
    for (int e = 0; e < filas.size(); ++e)
        for (int f = 0; f < 16; ++f) st.Extremos[e][f] = Fijo::desde(filas[e][f]);
    return st;
}

// The labels at their columns, as a fixed-pitch line.
QString encabezado(const QList<ColumnaInforme>& cols) {
    QString s;
    for (const ColumnaInforme& c : cols) s = s.leftJustified(c.columna_etiqueta - 1, QLatin1Char(' ')) + c.etiqueta;
    return s;
}

}  // namespace

TEST(Informe, SinExperienciasSoloEncabezado) {
    for (bool blanco : {false, true}) {
        EstadoExp st = estado({});
        VistaCaja v;
        valores_extremos(st, blanco, v, QLatin1Char('.'));
        const QList<ColumnaInforme>& cols = columnas_informe(blanco);
        EXPECT_EQ(v.texto.lineas(), QStringList({encabezado(cols), QString()})) << blanco;
        QStringList etiquetas;
        for (const ColumnaInforme& c : cols) etiquetas << c.etiqueta;
        EXPECT_EQ(st.TextoCopia, etiquetas.join('\t') + "\r\n\r\n");
        EXPECT_EQ(tabla_impresa(st, blanco, '.').lineas(), QStringList({encabezado(columnas_impresas(blanco)), QString()}));
        EXPECT_TRUE(v.visible && v.copiar && !v.picture1 && v.caption == "Valores Extremos");
        EXPECT_EQ(v.izquierda + v.ancho, 9400);
    }
    EXPECT_EQ(encabezado(columnas_impresas(false)).indexOf("VfY"), 71);
    EXPECT_EQ(encabezado(columnas_impresas(true)).indexOf("Tmin"), 69);
    EXPECT_EQ(encabezado(columnas_informe(false)).indexOf("VfX"), 81);
}

TEST(Informe, FilasEnVentanaCopiaYPapel) {
    //                Xo  Yo   Vo   Ang  Roz.    Xmax  Ymax T        XoB   YoB  Vxb Vyb Dmin  Tmin VfX      VfY
    const Fila vacio = {0, 0, 100, 45, 0, 1019, 255, 14.3976, 3000, 0, -5, 0, 1000, 0, 70.7107, -70.7107};
    const Fila aire = {10, 20, 50, 30, 0.0004, 190, 31, 5.25, 3000, 0, -5, 0, 1000, 0, 0.5, -0.25};
    EstadoExp st = estado({vacio, aire});
    VistaCaja v;
    st.TextoCopia = "tabla anterior";
    valores_extremos(st, false, v, QLatin1Char(','));
    const QStringList l = v.texto.lineas();
    ASSERT_EQ(l.size(), 4);
    // Print form at the value's column: the digits under the label; T, VfX, VfY rounded.
    EXPECT_EQ(l[2].mid(3, 3), " 0 ");
    EXPECT_EQ(l[2].mid(43, 3), " 0 ");  // "Roz." of a vacuum flight
    EXPECT_EQ(l[2].mid(73, 4), "14,4");
    EXPECT_EQ(l[2].mid(80), "70,7    -70,7");
    EXPECT_EQ(l[3].mid(43, 8), " 0,0004 ");
    // The copy: point and no "0" before it, every value followed by a tab, nothing after the last CR LF.
    EXPECT_EQ(st.TextoCopia.split("\r\n").mid(2),
              QStringList({" 0\t 0\t 100\t 45\t 0\t 1019\t 255\t 14.3976\t 70.7107\t-70.7107\t",
                           " 10\t 20\t 50\t 30\t .0004\t 190\t 31\t 5.25\t .5\t-.25\t", ""}));
    // On paper nothing is rounded, and values 8 columns apart push VfX and VfY down a line each.
    const QStringList papel = tabla_impresa(st, false, ',').lineas();
    ASSERT_EQ(papel.size(), 6);
    EXPECT_EQ(papel[2].mid(55), " 14,3976 ");
    EXPECT_EQ(papel[3], QString(63, ' ') + " 70,7107 ");
    EXPECT_EQ(papel[4], QString(71, ' ') + "-70,7107 ");
    EXPECT_EQ(papel[5].mid(63), " 0,5    -0,25 ");
}

TEST(Informe, BlancoColocadoDespuesDeLosVuelos) {
    Banco b;
    b.volar();
    b.lanzamiento(80, 60, 100, 0, 1);
    b.volar();
    VistaCaja v;
    valores_extremos(*b.st, true, v, '.');
    const QStringList copia = b.st->TextoCopia.split("\r\n");
    ASSERT_EQ(copia.size(), 5);
    EXPECT_EQ(copia[0], "Xo\tYo\tVo\tAng.\tRoz.\tXoB\tYoB\tVxb\tVyb\tDmin\tTmin");
    for (int e = 0; e < 2; ++e) {
        const QStringList campos = copia[2 + e].split('\t');
        ASSERT_EQ(campos.size(), 12) << e;  // eleven values, each followed by a tab
        EXPECT_EQ(campos[9], " 1000");      // no target flew: Dmin reads 1000
        EXPECT_EQ(campos[4], forma_copia(b.st->Extremos[e][4]));
    }
    EXPECT_NE(copia[3].split('\t')[4], " 0");  // the flight in air has a drag factor
    EXPECT_EQ(v.izquierda, 100);
}
