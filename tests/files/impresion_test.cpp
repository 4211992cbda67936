// SPDX-License-Identifier: GPL-3.0-or-later
// Printing: long lines, pages, and the PDF that stands in for a missing printer.
#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QTemporaryDir>

#include "aplicacion.h"
#include "archivos.h"
#include "files/impresion.h"
#include "idioma.h"
#include "platform/impresora.h"

using namespace tya;

TEST(Impresion, LineasLargasYSinImpresoraUnPdfPorPedido) {
    // A long line goes on in the next, broken after its last blank that fits.
    EXPECT_EQ(partir_lineas({"uno dos tres", "", "abcdefghij", "   Xo"}, 7),
              QStringList({"uno dos", "tres", "", "abcdefg", "hij", "   Xo"}));

    QTemporaryDir dir;
    ImpresoraPdf impresora(dir.path());
    const QStringList muchas(150, QStringLiteral("Línea"));
    const auto lineas = [&muchas](QPagedPaintDevice& d, QString& e) { return dibujar_lineas(d, muchas, e); };
    const ResultadoImpresion a = impresora.imprimir("valores-extremos", lineas);
    const ResultadoImpresion b = impresora.imprimir("valores-extremos", lineas);
    ASSERT_EQ(a.estado, ResultadoImpresion::Estado::Pdf) << a.error.toStdString();
    EXPECT_TRUE(QRegularExpression("/valores-extremos_\\d{4}-\\d\\d-\\d\\d_\\d\\d-\\d\\d-\\d\\d(_2)?\\.pdf$")
                    .match(a.archivo)
                    .hasMatch())
        << a.archivo.toStdString();
    EXPECT_NE(a.archivo, b.archivo);  // the same second twice does not overwrite
    const QByteArray pdf = prueba::leer(a.archivo);
    EXPECT_TRUE(pdf.startsWith("%PDF") && prueba::leer(b.archivo).startsWith("%PDF"));
    EXPECT_GE(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r"), 2);  // 150 lines do not fit one page
    EXPECT_TRUE(mensaje_impresion(a).contains(QDir::toNativeSeparators(a.archivo)));

    EXPECT_TRUE(mensaje_impresion({ResultadoImpresion::Estado::Fallo, {}, "sin papel"}).contains("sin papel"));
    EXPECT_TRUE(mensaje_impresion({ResultadoImpresion::Estado::Impreso, {}, {}}).isEmpty());
}

TEST(Impresion, RenglonesParaEscribirEnteros) {
    // Five lines a page and the foot: the heading does not fit with the band of 38 and starts the
    // next page; a band never breaks; a first cell followed by text is not a row to write in.
    const QStringList guia = {"Tabla",           " Ang | t  | X", " ----+----+----", "  38 |    |",
                              "  39 |    |    ", "texto",         " 1 | a | b"};
    struct Esperado {
        int pagina;
        double arriba;
        bool para_escribir;
        int ancho;
    };
    const QList<Esperado> esperados = {{0, 0, false, 5}, {1, 0, false, 13},  {1, 1, false, 15},  {1, 2, true, 15},
                                       {2, 0, true, 15}, {2, 2.5, false, 5}, {2, 3.5, false, 10}};
    const QList<RenglonImpreso> r = maquetar(guia, 80, 6);
    ASSERT_EQ(r.size(), esperados.size());
    for (qsizetype i = 0; i < r.size(); ++i) {
        EXPECT_EQ(r[i].texto, guia[i]);
        EXPECT_EQ(r[i].pagina, esperados[i].pagina) << i;
        EXPECT_DOUBLE_EQ(r[i].arriba, esperados[i].arriba) << i;
        EXPECT_EQ(r[i].para_escribir, esperados[i].para_escribir) << i;
        EXPECT_EQ(r[i].ancho_tabla, esperados[i].ancho) << i;
    }
    // A table's title and heading that fit go on with its first row.
    const QList<RenglonImpreso> tabla = maquetar({"x", "Tabla", "", " A | B", " --+--", "  1 |  |"}, 80, 8);
    QList<int> paginas;
    for (const RenglonImpreso& t : tabla) paginas << t.pagina;
    EXPECT_EQ(paginas, QList<int>({0, 1, 1, 1, 1, 1}));
    EXPECT_DOUBLE_EQ(tabla.last().arriba, 4);
    // A page too short for a band still takes one, alone.
    EXPECT_EQ(maquetar({"  38 |  |", "  39 |  |"}, 80, 2).last().pagina, 1);
    prueba::EnEspanol espanol;
    EXPECT_EQ(pie_de_pagina(2, 3), QStringLiteral("Página 2 de 3"));
}
