// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <sys/stat.h>

#include "archivos.h"
#include "core/archivo_texto.h"
#include "core/traduccion.h"

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
    const QString especial = Trayecta::tr("no es un archivo común (es un dispositivo o una tubería)");
    const std::pair<QString, QString> casos[] = {
        {fifo, especial},
        {"/dev/zero", especial},
        {grande, Trayecta::tr("ocupa más de %1, el máximo que se lee de este archivo").arg("1 MB")},
        {texto, Trayecta::tr("está en UTF-16; se lee texto UTF-8 o Latin-1")},
        {d.filePath("falta.txt"), Trayecta::tr("no existe")}};
    for (const auto& [ruta, motivo] : casos) {
        EXPECT_FALSE(leer_lineas(ruta, lineas, error));
        EXPECT_EQ(error, Trayecta::tr("No se puede leer el archivo %1: %2.").arg(ruta, motivo));
    }
}
