// SPDX-License-Identifier: GPL-3.0-or-later
// The text window's topics and problems, without a window.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "apoyo.h"
#include "files/informe.h"
#include "scene/textos.h"

using namespace tya;
using namespace tya::prueba;

namespace {

struct Puesto {
    QTemporaryDir dir;
    Banco b;
    CajaTextos caja{*b.st, b.escena, dir.path()};
    VistaCaja& v = caja.vista();
    Puesto() {
        escribir(dir.filePath("modelo.txt"), "Modelo\r\nk = 1/2 Cd A\r\n");
        escribir(dir.filePath("metodo.txt"), "Euler\r\n");
        escribir(dir.filePath("7Prob"), "Problema 7\r\nF\xedsica en latin-1\r\n");
    }
};

}  // namespace

TEST(Textos, ProblemasYTemas) {
    const QList<std::pair<QString, bool>> casos = {{"0", true},
                                                   {"15", true},
                                                   {"7", true},
                                                   {"007", true},
                                                   {"0015", true},
                                                   {"16", false},
                                                   {"-1", false},
                                                   {"1.5", false},
                                                   {" 3", false},
                                                   {"3 ", false},
                                                   {"a", false},
                                                   {"", false},
                                                   {"00016", false},
                                                   {QString(40, '9'), false},
                                                   {QString::fromUtf8("٣"), false}};
    for (const auto& [r, vale] : casos) EXPECT_EQ(respuesta_problema_valida(r), vale) << r.toStdString();
    Puesto p;
    p.b.dialogos.respuestas_entrada = {"16", "a", "7"};  // asked again until valid
    p.caja.elegir_problema(p.b.dialogos);
    EXPECT_EQ(std::pair(p.b.dialogos.preguntas.size(), p.b.st->ArchivoProblema),
              std::pair(qsizetype(3), QString("7Prob")));
    EXPECT_TRUE(p.v.visible && p.v.imprimir && !p.v.icono && p.b.sup.retenido());
    EXPECT_EQ(p.v.texto.lineas(), QStringList({"", "    Problema 7", "    Física en latin-1"}));
    // 007 is valid, but its file does not exist: the window closes at once, and printing says why.
    p.b.dialogos.respuestas_entrada = {"007"};
    p.caja.elegir_problema(p.b.dialogos);
    QStringList lineas;
    QString error;
    EXPECT_FALSE(p.v.visible || p.v.imprimir || p.b.sup.retenido() || p.caja.lineas_problema(lineas, error));
    EXPECT_TRUE(error.contains("007Prob"));
    // Cancel changes nothing.
    p.b.dialogos.respuestas_entrada = {};
    p.caja.elegir_problema(p.b.dialogos);
    EXPECT_EQ(p.b.st->ArchivoProblema, "007Prob");

    // The topics: the icon with the about text alone; the model leads on to the method.
    p.caja.mostrar_texto(TemaTexto::Acerca);
    EXPECT_TRUE(p.v.icono);
    EXPECT_EQ(p.v.texto.lineas().value(0).trimmed(), Trayecta::tr("Versión %1").arg(TRAYECTA_VERSION));
    p.caja.mostrar_texto(TemaTexto::Modelo);
    EXPECT_EQ(std::tuple(p.v.caption, p.v.salir3, p.v.picture1, p.v.icono),
              std::tuple(Trayecta::tr("Modelo de Fricción"), Trayecta::tr("Seguir"), true, false));
    // The report over the model keeps "Seguir", which then leads to the method.
    p.caja.mostrar_informe(informe_en_columnas(*p.b.st, false, '.', p.v.texto), false);
    p.caja.cerrar_o_seguir();
    EXPECT_EQ(std::tuple(p.v.visible, p.v.caption, p.v.salir3, p.v.picture1),
              std::tuple(true, Trayecta::tr("Método de cálculo"), Trayecta::tr("Salir"), false));
    EXPECT_EQ(p.v.texto.lineas(), QStringList({"", "    Euler"}));
    // Closing gives the scene back.
    p.caja.cerrar_o_seguir();
    EXPECT_FALSE(p.v.visible || p.v.icono || p.b.sup.retenido());
    // While a flight runs no topic opens.
    p.b.st->EnVuelo = 1;
    for (TemaTexto tema : {TemaTexto::Acerca, TemaTexto::Problema, TemaTexto::Modelo, TemaTexto::Metodo})
        EXPECT_FALSE(p.caja.mostrar_texto(tema) || p.v.visible) << int(tema);
    // Without the model's file its name is shown, and "Seguir" still leads on to the method.
    p.b.st->EnVuelo = 0;
    QFile::remove(p.dir.filePath("modelo.txt"));
    EXPECT_FALSE(p.caja.mostrar_texto(TemaTexto::Modelo));
    EXPECT_TRUE(p.v.visible && p.v.texto.lineas().size() == 2 && p.v.texto.lineas().last().contains("modelo.txt"));
    p.caja.cerrar_o_seguir();
    EXPECT_EQ(p.v.caption, Trayecta::tr("Método de cálculo"));
}
