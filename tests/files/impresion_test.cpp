#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "aplicacion.h"
#include "files/impresion.h"
#include "platform/impresora.h"

using namespace tya;

namespace {
// Pages of a PDF written by the toolkit.
qsizetype paginas(const QByteArray& pdf) { return pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r"); }
}  // namespace

TEST(Impresion, LineasLargasSiguenEnLaSiguiente) {
    EXPECT_EQ(partir_lineas({"uno dos tres", "", "abcdefghij"}, 7),
              QStringList({"uno dos", "tres", "", "abcdefg", "hij"}));
    EXPECT_EQ(partir_lineas({"   Xo     Yo"}, 20), QStringList({"   Xo     Yo"}));
}

TEST(Impresion, PdfDeTextoEImagen) {
    QTemporaryDir dir;
    QStringList muchas;
    for (int i = 0; i < 150; ++i) muchas << QStringLiteral("Línea %1").arg(i);
    QString error;
    const QString texto = dir.filePath("texto.pdf");
    ASSERT_TRUE(escribir_pdf(texto, "prueba", pagina_predeterminada(),
                             [&](QPagedPaintDevice& d, QString& e) { return dibujar_lineas(d, muchas, e); }, error))
        << error.toStdString();
    QFile f(texto);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray pdf = f.readAll();
    EXPECT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_GE(paginas(pdf), 2);  // 150 lines do not fit one page

    QImage img(300, 200, QImage::Format_RGB32);
    img.fill(Qt::red);
    EXPECT_TRUE(escribir_pdf(dir.filePath("imagen.pdf"), "imagen", pagina_predeterminada(),
                             [&](QPagedPaintDevice& d, QString& e) { return dibujar_imagen(d, img, e); }, error));

    // A folder that does not exist: the message names the file, nothing is left behind.
    const QString mal = dir.filePath("no/hay/carpeta.pdf");
    EXPECT_FALSE(escribir_pdf(mal, "x", pagina_predeterminada(),
                              [&](QPagedPaintDevice& d, QString& e) { return dibujar_lineas(d, {"a"}, e); }, error));
    EXPECT_TRUE(error.contains(mal));
    EXPECT_FALSE(QFile::exists(mal));
}

TEST(Impresion, SinImpresoraUnPdfConNombreYAviso) {
    QTemporaryDir dir;
    ImpresoraPdf impresora(dir.path());
    const auto dibujo = [](QPagedPaintDevice& d, QString& e) { return dibujar_lineas(d, {"Xo  Yo"}, e); };
    const ResultadoImpresion a = impresora.imprimir("valores-extremos", dibujo);
    const ResultadoImpresion b = impresora.imprimir("valores-extremos", dibujo);
    ASSERT_EQ(a.estado, ResultadoImpresion::Estado::Pdf);
    EXPECT_TRUE(QRegularExpression("/valores-extremos_\\d{4}-\\d\\d-\\d\\d_\\d\\d-\\d\\d-\\d\\d(_2)?\\.pdf$")
                    .match(a.archivo).hasMatch()) << a.archivo.toStdString();
    EXPECT_NE(a.archivo, b.archivo);  // the same second twice does not overwrite
    EXPECT_TRUE(QFile::exists(a.archivo) && QFile::exists(b.archivo));
    EXPECT_TRUE(mensaje_impresion(a).contains(QDir::toNativeSeparators(a.archivo)));
    ResultadoImpresion fallo;
    fallo.error = "sin papel";
    EXPECT_TRUE(mensaje_impresion(fallo).contains("sin papel"));
    EXPECT_TRUE(mensaje_impresion({ResultadoImpresion::Estado::Impreso, {}, {}}).isEmpty());
}
