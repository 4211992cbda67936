// SPDX-License-Identifier: GPL-3.0-or-later
// The extreme-values report: in the text window, as copy text and on paper, without and with target.
#include <gtest/gtest.h>

#include "core/experiment_state.h"
#include "files/informe.h"
#include "scene/textos.h"

using namespace tya;

TEST(Informe, EncabezadoYFilasEnVentanaCopiaYPapel) {
    EstadoExp st;
    st.NExp = 2;
    //                            Xo  Yo   Vo   Ang  Roz.    Xmax  Ymax T        XoB   YoB  Vxb Vyb Dmin  Tmin VfX      VfY
    const double filas[2][16] = {{0, 0, 100, 45, 0, 1019, 255, 14.3976, 3000, 0, -5, 0, 1000, 0, 70.7107, -70.7107},
                                 {10, 20, 50, 30, 0.0004, 190, 31, 5.25, 3000, 0, -5, 0, 1000, 0, 0.5, -0.25}};
    for (int e = 0; e < 2; ++e)
        for (int f = 0; f < kCamposResumen; ++f) st.Extremos[e][f] = Fijo::desde(filas[e][f]);
    VistaCaja v;
    QString copia = valores_extremos(st, false, v, QLatin1Char(','));
    // The labels at their columns, an empty line, and each value in print form under its label
    // ("Roz." of a vacuum flight too); T, VfX, VfY rounded.
    EXPECT_EQ(v.texto.lineas(),
              QStringList({"    Xo        Yo        Vo        Ang.      Roz.      Xmax      Ymax      T      VfX     VfY", "",
                           "    0         0         100       45        0         1019      255      14,4   70,7    -70,7",
                           "    10        20        50        30        0,0004    190       31       5,3    0,5     -0,3"}));
    // The copy: labels and values tab-separated, point and no "0" before it, every value followed
    // by a tab, nothing after the last CR LF.
    EXPECT_EQ(copia, QStringLiteral("Xo\tYo\tVo\tAng.\tRoz.\tXmax\tYmax\tT\tVfX\tVfY\r\n\r\n") +
                                 " 0\t 0\t 100\t 45\t 0\t 1019\t 255\t 14.3976\t 70.7107\t-70.7107\t\r\n" +
                                 " 10\t 20\t 50\t 30\t .0004\t 190\t 31\t 5.25\t .5\t-.25\t\r\n");
    // On paper the labels are 8 columns apart, nothing is rounded, and values 8 columns apart push
    // VfX and VfY down a line each.
    const QStringList papel = tabla_impresa(st, false, ',').lineas();
    ASSERT_EQ(papel.size(), 6);
    EXPECT_EQ(papel.mid(0, 2), QStringList({"Xo     Yo      Vo      Ang.    Roz.    Xmax    Ymax    T       VfX     VfY", ""}));
    EXPECT_EQ(papel[2].mid(55), " 14,3976 ");
    EXPECT_EQ(papel[3], QString(63, ' ') + " 70,7107 ");
    EXPECT_EQ(papel[4], QString(71, ' ') + "-70,7107 ");
    EXPECT_EQ(papel[5].mid(63), " 0,5    -0,25 ");

    // With the target placed: other columns, 7 apart on paper, and the copy takes the target's six
    // values after the first five.
    copia = valores_extremos(st, true, v, QLatin1Char(','));
    EXPECT_EQ(v.texto.lineas().value(0),
              "    Xo      Yo      Vo      Ang.    Roz.    XoB     YoB     Vxb     Vyb     Dmin    Tmin");
    EXPECT_EQ(tabla_impresa(st, true, ',').lineas().value(0),
              "Xo    Yo     Vo     Ang.   Roz.   XoB    YoB    Vxb    Vyb    Dmin   Tmin");
    EXPECT_EQ(copia.split("\r\n").mid(0, 4),
              QStringList({"Xo\tYo\tVo\tAng.\tRoz.\tXoB\tYoB\tVxb\tVyb\tDmin\tTmin", "",
                           " 0\t 0\t 100\t 45\t 0\t 3000\t 0\t-5\t 0\t 1000\t 0\t",
                           " 10\t 20\t 50\t 30\t .0004\t 3000\t 0\t-5\t 0\t 1000\t 0\t"}));
}
