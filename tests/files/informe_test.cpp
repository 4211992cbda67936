// The extreme-values report: in the text window, as copy text and on paper, without and with target.
#include <gtest/gtest.h>

#include "core/experiment_state.h"
#include "files/informe.h"
#include "scene/textos.h"

using namespace tya;

TEST(Informe, SinExperienciasSoloEncabezado) {
    // The labels at their columns in the window, tab-separated in the copy, and on paper 8 (or
    // 7 with the target) apart.
    const char* const ventana[] = {
        "    Xo        Yo        Vo        Ang.      Roz.      Xmax      Ymax      T      VfX     VfY",
        "    Xo      Yo      Vo      Ang.    Roz.    XoB     YoB     Vxb     Vyb     Dmin    Tmin"};
    const char* const copia[] = {"Xo\tYo\tVo\tAng.\tRoz.\tXmax\tYmax\tT\tVfX\tVfY",
                                 "Xo\tYo\tVo\tAng.\tRoz.\tXoB\tYoB\tVxb\tVyb\tDmin\tTmin"};
    const char* const papel[] = {"Xo     Yo      Vo      Ang.    Roz.    Xmax    Ymax    T       VfX     VfY",
                                 "Xo    Yo     Vo     Ang.   Roz.   XoB    YoB    Vxb    Vyb    Dmin   Tmin"};
    for (bool blanco : {false, true}) {
        EstadoExp st;
        VistaCaja v;
        valores_extremos(st, blanco, v, QLatin1Char('.'));
        EXPECT_EQ(v.texto.lineas(), QStringList({ventana[blanco], QString()})) << blanco;
        EXPECT_EQ(st.TextoCopia, QString(copia[blanco]) + "\r\n\r\n");
        EXPECT_EQ(tabla_impresa(st, blanco, '.').lineas(), QStringList({papel[blanco], QString()}));
    }
}

TEST(Informe, FilasEnVentanaCopiaYPapel) {
    EstadoExp st;
    st.NExp = 2;
    //                            Xo  Yo   Vo   Ang  Roz.    Xmax  Ymax T        XoB   YoB  Vxb Vyb Dmin  Tmin VfX      VfY
    const double filas[2][16] = {{0, 0, 100, 45, 0, 1019, 255, 14.3976, 3000, 0, -5, 0, 1000, 0, 70.7107, -70.7107},
                                 {10, 20, 50, 30, 0.0004, 190, 31, 5.25, 3000, 0, -5, 0, 1000, 0, 0.5, -0.25}};
    for (int e = 0; e < 2; ++e)
        for (int f = 0; f < 16; ++f) st.Extremos[e][f] = Fijo::desde(filas[e][f]);
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

    // With the target placed the copy takes its six values after the first five.
    valores_extremos(st, true, v, QLatin1Char(','));
    EXPECT_EQ(st.TextoCopia.split("\r\n").value(3), " 10\t 20\t 50\t 30\t .0004\t 3000\t 0\t-5\t 0\t 1000\t 0\t");
}
