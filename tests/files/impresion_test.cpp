// SPDX-License-Identifier: GPL-3.0-or-later
// Printing: long lines, pages, and the PDF that stands in for a missing printer.
#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QTemporaryDir>

#include "aplicacion.h"
#include "archivos.h"
#include "files/impresion.h"
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
                    .match(a.archivo).hasMatch()) << a.archivo.toStdString();
    EXPECT_NE(a.archivo, b.archivo);  // the same second twice does not overwrite
    const QByteArray pdf = prueba::leer(a.archivo);
    EXPECT_TRUE(pdf.startsWith("%PDF") && prueba::leer(b.archivo).startsWith("%PDF"));
    EXPECT_GE(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r"), 2);  // 150 lines do not fit one page
    EXPECT_TRUE(mensaje_impresion(a).contains(QDir::toNativeSeparators(a.archivo)));

    EXPECT_TRUE(mensaje_impresion({ResultadoImpresion::Estado::Fallo, {}, "sin papel"}).contains("sin papel"));
    EXPECT_TRUE(mensaje_impresion({ResultadoImpresion::Estado::Impreso, {}, {}}).isEmpty());
}
