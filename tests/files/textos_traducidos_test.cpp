// SPDX-License-Identifier: GPL-3.0-or-later
// Every language has every teaching text, fit for the same window, and whatever the language,
// the program writes and reads the same files.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QRegularExpression>

#include "apoyo.h"
#include "archivos.h"
#include "core/idioma.h"
#include "files/bitacora.h"
#include "files/experimentos.h"
#include "files/temas_ayuda.h"
#include "idioma.h"

using namespace tya;

namespace {

QStringList numeros(const QString& texto) {
    static const QRegularExpression n(QStringLiteral("\\d+(?:\\.\\d+)?"));
    QStringList r;
    for (auto it = n.globalMatch(texto); it.hasNext();) r << it.next().captured(0);
    r.sort();
    return r;
}

qsizetype linea_mas_larga(const QString& texto) {
    qsizetype m = 0;
    for (const QString& l : texto.split('\n')) m = std::max(m, l.size());
    return m;
}

}  // namespace

TEST(TextosTraducidos, CadaTextoEnCadaIdioma) {
    const QDir datos(QStringLiteral(TYA_DATOS));
    // Files read by the program, not by a person, and a picture without words: the same in
    // every language.
    const QStringList formatos = {"INIC.DAT", "trazo.txt", "sugiere", "icono.png"};
    QStringList textos;
    for (const QString& f : datos.entryList(QDir::Files))
        if (!formatos.contains(f)) textos << f;
    ASSERT_GE(textos.size(), 21);
    for (const Idioma& i : kIdiomas) {
        if (i.codigo == QLatin1String("es")) continue;
        for (const QString& f : textos) {
            SCOPED_TRACE(QStringLiteral("%1/%2").arg(i.codigo, f).toStdString());
            const QByteArray es = prueba::leer(datos.filePath(f)),
                             otro = prueba::leer(datos.filePath(QStringLiteral("%1/%2").arg(i.codigo, f)));
            ASSERT_FALSE(otro.isEmpty());
            EXPECT_NE(otro, es);
            // A picture keeps its size: the text window leaves room for that.
            if (f.endsWith(".png")) {
                EXPECT_EQ(QImage::fromData(otro).size(), QImage::fromData(es).size());
                continue;
            }
            // The same line ends, every number as the Spanish gives it, and no line wider than
            // the Spanish text's widest (the text windows and the page are as wide as that).
            EXPECT_EQ(otro.count("\r\n") == otro.count('\n'), es.count("\r\n") == es.count('\n'));
            const QString t_es = QString::fromUtf8(es).remove('\r'), t = QString::fromUtf8(otro).remove('\r');
            EXPECT_EQ(numeros(t), numeros(t_es));
            if (!f.endsWith(".hlp")) { EXPECT_LE(linea_mas_larga(t), linea_mas_larga(t_es)); }
        }
        // The help has the same topics, and its answers topic is the answer key itself.
        const QString ayuda = datos.filePath(QStringLiteral("%1/tyayuda2.hlp").arg(i.codigo));
        const QList<TemaAyuda> temas = leer_ayuda(ayuda);
        EXPECT_EQ(temas.size(), leer_ayuda(datos.filePath("tyayuda2.hlp")).size()) << i.codigo;
        const QString clave = QString::fromUtf8(
                                  prueba::leer(datos.filePath(QStringLiteral("%1/respuestas.txt").arg(i.codigo))))
                                  .remove('\r')
                                  .section('\n', 1)
                                  .trimmed();
        EXPECT_TRUE(std::any_of(temas.cbegin(), temas.cend(), [&](const TemaAyuda& t) {
            return t.texto.endsWith(clave);
        })) << i.codigo;
    }
}

TEST(TextosTraducidos, ArchivosIgualesEnTodoIdioma) {
    prueba::EnEspanol guardia;
    prueba::Banco b;
    b.lanzamiento(80, 30, 100, 50, 1, 2, -5);
    ASSERT_EQ(b.volar(), FinVuelo::Suelo);
    QByteArray tya_es, log_es;
    for (const Idioma& i : kIdiomas) {
        SCOPED_TRACE(i.codigo);
        instalar_idioma(i.codigo);
        const QByteArray tya = texto_experiencias(*b.st);
        const QByteArray log = (cabecera_bitacora(QStringLiteral("07/12/26")).join("\r\n") + "\r\n" +
                                linea_lanzamiento(*b.st, QLatin1Char('.')))
                                   .toUtf8();
        if (tya_es.isEmpty()) {
            tya_es = tya;
            log_es = log;
            continue;
        }
        EXPECT_EQ(tya, tya_es);
        EXPECT_EQ(log, log_es);
        // A file written in this language is read back whole, and written again the same.
        EstadoExp leido;
        QBuffer origen(&tya_es);
        ASSERT_TRUE(origen.open(QIODevice::ReadOnly));
        ASSERT_TRUE(leer_experiencias(leido, origen).ok);
        EXPECT_EQ(texto_experiencias(leido), tya_es);
    }
}
