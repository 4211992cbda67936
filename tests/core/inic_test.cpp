#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "archivos.h"
#include "core/inic.h"

using namespace tya;

TEST(Inic, RegistrosYErrores) {
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
