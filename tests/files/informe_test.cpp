// SPDX-License-Identifier: GPL-3.0-or-later
// The extreme-values report: in the text window, as copy text and on paper, without and with target.
#include <gtest/gtest.h>

#include <QRegularExpression>
#include <array>

#include "core/experiment_state.h"
#include "files/informe.h"

using namespace tya;

TEST(Informe, EncabezadoYFilasEnVentanaCopiaYPapel) {
    EstadoExp st;
    st.NExp = 2;
    //                            Xo  Yo   Vo   Ang  Roz.    Xmax  Ymax T        XoB   YoB  Vxb Vyb Dmin  Tmin VfX VfY
    const double filas[2][16] = {{0, 0, 100, 45, 0, 1019, 255, 14.3976, 3000, 0, -5, 0, 1000, 0, 70.7107, -70.7107},
                                 {10, 20, 50, 30, 0.0004, 190, 31, 5.25, 3000, 0, -5, 0, 1000, 0, 0.5, -0.25}};
    for (int e = 0; e < 2; ++e)
        for (int f = 0; f < kCamposResumen; ++f) st.Extremos[e][f] = Fijo::desde(filas[e][f]);
    QString copia = texto_copia_informe(st, false, QLatin1Char(','));
    // The labels at their columns, an empty line, and each value in print form under its label
    // ("Roz." of a vacuum flight too); T, VfX, VfY rounded.
    EXPECT_EQ(
        informe_en_columnas(st, false, QLatin1Char(','), TextoEnColumnas()).lineas(),
        QStringList({"    Xo        Yo        Vo        Ang.      Roz.      Xmax      Ymax      T      VfX     VfY", "",
                     "    0         0         100       45        0         1019      255      14,4   70,7    -70,7",
                     "    10        20        50        30        0,0004    190       31       5,3    0,5     -0,3"}));
    // The copy: labels and values tab-separated, no "0" before the separator, every value
    // followed by a tab, nothing after the last CR LF; the separator the window shows.
    EXPECT_EQ(copia, QStringLiteral("Xo\tYo\tVo\tAng.\tRoz.\tXmax\tYmax\tT\tVfX\tVfY\r\n\r\n") +
                         " 0\t 0\t 100\t 45\t 0\t 1019\t 255\t 14,3976\t 70,7107\t-70,7107\t\r\n" +
                         " 10\t 20\t 50\t 30\t ,0004\t 190\t 31\t 5,25\t ,5\t-,25\t\r\n");
    EXPECT_EQ(texto_copia_informe(st, false).split("\r\n").value(3),
              " 10\t 20\t 50\t 30\t .0004\t 190\t 31\t 5.25\t .5\t-.25\t");
    // On paper the labels are 8 columns apart and nothing is rounded; a value wider than its
    // column moves the next columns right, so a row stays on one line.
    const QStringList papel = tabla_impresa(st, false, ',').lineas();
    EXPECT_EQ(papel, QStringList({"Xo     Yo      Vo      Ang.    Roz.    Xmax    Ymax    T        VfX      VfY", "",
                                  " 0      0       100     45      0       1019    255     14,3976  70,7107 -70,7107 ",
                                  " 10     20      50      30      0,0004  190     31      5,25     0,5     -0,25 "}));

    // With the target placed: other columns, 7 apart on paper, and the copy takes the target's six
    // values after the first five.
    copia = texto_copia_informe(st, true, QLatin1Char(','));
    EXPECT_EQ(informe_en_columnas(st, true, QLatin1Char(','), TextoEnColumnas()).lineas().value(0),
              "    Xo      Yo      Vo      Ang.    Roz.    XoB     YoB     Vxb     Vyb     Dmin    Tmin");
    EXPECT_EQ(tabla_impresa(st, true, ',').lineas().value(0),
              "Xo    Yo     Vo     Ang.   Roz.    XoB   YoB    Vxb    Vyb    Dmin   Tmin");  // "0,0004" moves XoB
    EXPECT_EQ(copia.split("\r\n").mid(0, 4),
              QStringList({"Xo\tYo\tVo\tAng.\tRoz.\tXoB\tYoB\tVxb\tVyb\tDmin\tTmin", "",
                           " 0\t 0\t 100\t 45\t 0\t 3000\t 0\t-5\t 0\t 1000\t 0\t",
                           " 10\t 20\t 50\t 30\t ,0004\t 3000\t 0\t-5\t 0\t 1000\t 0\t"}));
}

// Every value the fixed point can hold stays apart from its neighbours, in the window (whose
// measure is proportional: digits wider than the average character) and on paper.
TEST(Informe, ColumnasApartadasConValoresExtremos) {
    // T, VfX, VfY, Xmax, Dmin; the rest 0.
    const QList<std::array<double, 5>> casos = {
        {1424.34, 4, -3, 1000, 1000},  // the flight of 1000 s that ran into VfX
        {9999.9999, -294507.7, -14653779.5, -32768, 1000},
        {0.0001, -0.0001, 99999.99, 6450.5, 123456.7891},
        {-922337203.6854, 922337203.6854, -922337203.6854, -922337203.6854, -922337203.6854},
    };
    const TextoEnColumnas::Medida proporcional = [](const QString& t) {
        double w = 0;
        for (QChar c : t) w += c.isDigit() ? 1.2 : 0.6;
        return w;
    };
    for (const auto& c : casos)
        for (bool blanco : {false, true}) {
            EstadoExp st;
            st.NExp = 2;
            for (int e = 0; e < 2; ++e) {
                st.Extremos[e][7] = Fijo::desde(c[0]);
                st.Extremos[e][14] = Fijo::desde(c[1]);
                st.Extremos[e][15] = Fijo::desde(c[2]);
                st.Extremos[e][5] = Fijo::desde(c[3]);
                st.Extremos[e][12] = Fijo::desde(c[4]);
                st.Extremos[e][2] = Fijo::desde(-c[e]);
            }
            const TextoEnColumnas ventana = informe_en_columnas(st, blanco, QLatin1Char(','),
                                                                TextoEnColumnas(proporcional));
            const QString caso = QString("T=%1 blanco=%2").arg(c[0]).arg(blanco);
            for (const auto& [texto, medida] : {std::pair(ventana, proporcional),
                                                std::pair(tabla_impresa(st, blanco, ','), TextoEnColumnas::Medida())}) {
                const auto& renglones = texto.renglones();
                // Header, empty line, one line per experiment: no row broken.
                ASSERT_EQ(renglones.size(), 4) << caso.toStdString();
                for (int r : {0, 2, 3}) {
                    ASSERT_EQ(renglones[r].size(), columnas_informe(blanco).size())
                        << caso.toStdString() << " renglón " << r;
                    for (qsizetype k = 1; k < renglones[r].size(); ++k) {
                        const auto& antes = renglones[r][k - 1];
                        const QString visible = QString(antes.texto).remove(QRegularExpression(" +$"));
                        const double fin = antes.columna + (medida ? medida(visible) : visible.size());
                        EXPECT_GE(renglones[r][k].columna, fin + 1)
                            << caso.toStdString() << " renglón " << r << " columna " << k;
                    }
                }
            }
        }
}
