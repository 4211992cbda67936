// SPDX-License-Identifier: GPL-3.0-or-later
// The help's topic finder: words typed without accents or in any case find the shipped topics.
#include <gtest/gtest.h>

#include "files/temas_ayuda.h"

using namespace tya;

TEST(TemasAyuda, BuscarSinAcentosNiMayusculas) {
    QString error;
    const QList<TemaAyuda> temas = leer_ayuda(QStringLiteral(TYA_DATOS "/tyayuda2.hlp"), &error);
    ASSERT_FALSE(temas.isEmpty()) << error.toStdString();
    auto titulos = [&](const QString& palabras) {
        QStringList t;
        for (int i : temas_con(temas, palabras)) t << temas[i].titulo;
        return t;
    };
    // Each search, and a topic it must find; "" when it must find none.
    const QList<std::pair<QString, QString>> casos = {
        {"vacio", "Medio"},
        {"VACÍO", "Medio"},
        {"angulo", "Condiciones iniciales"},
        {"friccion", "Modelo y Método de cálculo"},
        {"Fricción", "Modelo y Método de cálculo"},
        {"  escala/10  ", "Escala/10"},
        {"metodo euler", "Modelo y Método de cálculo"},  // every word, anywhere in the topic
        {"kg/m", "Valores Extremos"},
        {"pinguino", ""},
        {"euler pinguino", ""},
    };
    for (const auto& [palabras, tema] : casos) {
        const QStringList t = titulos(palabras);
        if (tema.isEmpty())
            EXPECT_TRUE(t.isEmpty()) << palabras.toStdString();
        else
            EXPECT_TRUE(t.contains(tema)) << palabras.toStdString() << " -> " << t.join(", ").toStdString();
    }
    EXPECT_EQ(titulos("   ").size(), temas.size());
    EXPECT_EQ(sin_acentos(QStringLiteral("ÁÉÍÓÚÜÑ áéíóúüñ")), QStringLiteral("aeiouun aeiouun"));
}
