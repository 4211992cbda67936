// SPDX-License-Identifier: GPL-3.0-or-later
// The manual page and --help must list the same options, so neither drifts from the other.
#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>

#include "calc.h"
#include "idioma.h"

namespace {

// The options a text names, sorted and without repeats, as one line that reads well in a failure.
QString coincidencias(const QString& texto, const QRegularExpression& patron) {
    QStringList opciones;
    for (auto it = patron.globalMatch(texto); it.hasNext();) opciones << it.next().captured(1);
    opciones.sort();
    opciones.removeDuplicates();
    return opciones.join(' ');
}

TEST(Manual, LasMismasOpcionesQueLaAyuda) {
    tya::prueba::EnEspanol espanol;  // the manual page is Spanish
    QFile pagina(QStringLiteral(TYA_FUENTES "/desktop/trayecta-calc.1"));
    ASSERT_TRUE(pagina.open(QIODevice::ReadOnly));
    QString roff = QString::fromUtf8(pagina.readAll());
    roff.replace(QStringLiteral("\\-"), QStringLiteral("-"));
    const QRegularExpression en_pagina(QStringLiteral("^\\.BI? (--?[a-z][a-z-]*)"),
                                       QRegularExpression::MultilineOption);
    const QRegularExpression en_ayuda(QStringLiteral("^  (--?[a-z][a-z-]*)"), QRegularExpression::MultilineOption);
    const QString ayuda = coincidencias(tya::calc::texto_ayuda(), en_ayuda);
    EXPECT_GE(ayuda.count(' '), 13);
    EXPECT_EQ(coincidencias(roff, en_pagina).toStdString(), ayuda.toStdString());
}

}  // namespace
