// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <sys/stat.h>

#include "archivos.h"
#include "core/archivo_texto.h"

using namespace tya;

TEST(ArchivoTexto, LeidoEnteroYAcotado) {
    QTemporaryDir d;
    const QString fifo = d.filePath("tubo.txt"), grande = d.filePath("grande.txt"), texto = d.filePath("1Prob");
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    prueba::escribir(grande, QByteArray(kTopeTexto + 1, 'a'));
    prueba::escribir(texto, "\xEF\xBB\xBFPrimera\r\nsegunda\r\n");
    QStringList lineas;
    QString error;
    // Notepad's byte-order mark is skipped.
    ASSERT_TRUE(leer_lineas(texto, lineas, error)) << error.toStdString();
    EXPECT_EQ(lineas, (QStringList{"Primera", "segunda"}));
    // Neither a FIFO nor a device is opened; a file above the limit and binary content are
    // refused by name, never echoed.
    prueba::escribir(texto, QByteArray("P\0r\0i\0", 6));
    const std::pair<QString, const char*> casos[] = {{fifo, "no es un archivo común"},
                                                     {"/dev/zero", "no es un archivo común"},
                                                     {grande, "ocupa más de 1 MB"},
                                                     {texto, "UTF-16"},
                                                     {d.filePath("falta.txt"), "no existe"}};
    for (const auto& [ruta, palabras] : casos) {
        EXPECT_FALSE(leer_lineas(ruta, lineas, error));
        EXPECT_TRUE(error.startsWith("No se puede leer el archivo " + ruta + ": ") && error.contains(palabras))
            << error.toStdString();
    }
}
