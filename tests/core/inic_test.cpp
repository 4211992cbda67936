// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <sys/stat.h>

#include "archivos.h"
#include "core/inic.h"
#include "idioma.h"

using namespace tya;

TEST(Inic, RegistrosYErrores) {
    prueba::EnEspanol guardia;
    ValoresInic v;
    QString error;
    ASSERT_TRUE(leer_inic(QStringLiteral(TYA_DATOS "/INIC.DAT"), v, error)) << error.toStdString();
    EXPECT_EQ(std::tuple(v.max[iVo], v.min[iAng], v.max[iR]), std::tuple(Fijo::entero(340), -180, Fijo::entero(100)));
    // Commas and line ends both separate; blanks are ignored.
    ASSERT_TRUE(leer_inic_texto(" 1.5 ,2\r\n0\r\n" + QString("1,2,0\n").repeated(9), v, error));
    EXPECT_EQ(v.valor[1], Fijo::desde(1.5));
    EXPECT_FALSE(leer_inic_texto("1,2,0\n4,x,0\n", v, error));
    EXPECT_TRUE(error.contains("registro 2")) << error.toStdString();
    EXPECT_FALSE(leer_inic_texto(QString("1,2,0\n").repeated(9), v, error));
    EXPECT_TRUE(error.contains("registro 10")) << error.toStdString();
    EXPECT_FALSE(leer_inic_texto(QString("1,2,0.5\n").repeated(10), v, error));
    EXPECT_TRUE(!leer_inic("/no/existe/INIC.DAT", v, error) && error.contains("INIC.DAT"));
}

TEST(Inic, ArchivoEnteroComprobado) {
    prueba::EnEspanol guardia;
    const QByteArray bueno = prueba::leer(QStringLiteral(TYA_DATOS "/INIC.DAT"));
    auto con = [&bueno](int registro, const QByteArray& linea) {
        QList<QByteArray> l = bueno.split('\n');
        l[registro - 1] = linea + '\r';
        return l.join('\n');
    };
    // The whole file is checked: the message names the file, the line and record with the
    // parameter's name, and what is wrong.
    const std::pair<QByteArray, const char*> casos[] = {
        {con(1, "100,5, 340, 0"), "INIC.DAT, línea 1, registro 1 (Vo): \"100,5\" lleva coma decimal"},
        {con(2, "45, 180, 200"), "registro 2 (Ang): el mínimo (200) es mayor que el máximo (180)"},
        {con(9, "150, 100, 0"), "registro 9 (R): el valor inicial (150) está fuera de sus límites (0 a 100)"},
        {con(3, "-1, 6450, 0"), "registro 3 (Xo): el valor inicial (-1)"},
        {bueno + "7\r\n", "30 en total, y tiene 31: sobra \"7\" (línea 11)"},
        {con(10, "0, 50"), "falta el mínimo del registro 10 (Viento)"},
        {QByteArray("1\0,2\0,", 6), "INIC.DAT"},
    };
    QTemporaryDir d;
    const QString ruta = d.filePath("INIC.DAT");
    ValoresInic v;
    QString error;
    for (const auto& [texto, palabras] : casos) {
        prueba::escribir(ruta, texto);
        EXPECT_FALSE(leer_inic(ruta, v, error));
        EXPECT_TRUE(error.contains(QString::fromUtf8(palabras))) << error.toStdString();
    }
    // A byte-order mark (Notepad's) is skipped; UTF-16 and a FIFO are refused by name.
    prueba::escribir(ruta, "\xEF\xBB\xBF" + bueno);
    EXPECT_TRUE(leer_inic(ruta, v, error)) << error.toStdString();
    prueba::escribir(ruta, QByteArray("\xFF\xFE"
                                      "1\0,\0",
                                      6));
    EXPECT_TRUE(!leer_inic(ruta, v, error) && error.contains("UTF-16")) << error.toStdString();
    QFile::remove(ruta);
    ASSERT_EQ(mkfifo(QFile::encodeName(ruta).constData(), 0600), 0);
    EXPECT_TRUE(!leer_inic(ruta, v, error) && error.contains("no es un archivo común")) << error.toStdString();
}

TEST(Inic, TrazoYValores) {
    QTemporaryDir d;
    const QString ruta = d.filePath("trazo.txt");
    uint8_t trazo = 9;
    QString error;
    EXPECT_FALSE(leer_trazo(ruta, trazo, error));
    ASSERT_TRUE(escribir_valor(ruta, 1));
    EXPECT_EQ(prueba::leer(ruta), " 1 \r\n");
    EXPECT_TRUE(leer_trazo(ruta, trazo, error) && trazo == 1);
    ASSERT_TRUE(escribir_valor(ruta, 7));
    EXPECT_FALSE(leer_trazo(ruta, trazo, error));
    EXPECT_FALSE(escribir_valor(d.filePath("no/existe/x"), 0));
}
