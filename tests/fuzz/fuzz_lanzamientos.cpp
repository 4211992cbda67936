// SPDX-License-Identifier: GPL-3.0-or-later
// trayecta-calc's launch lines on any text, checked against the limits of the shipped INIC.DAT.
#include <QRegularExpression>

#include "comun.h"
#include "tools/calc.h"

using namespace tya;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t n) {
    const QString texto = QString::fromUtf8(fuzz::bytes(datos, n));
    const int lineas = static_cast<int>(texto.split(QRegularExpression(QStringLiteral("\\r\\n|\\n|\\r"))).size());
    QList<calc::Lanzamiento> lista;
    QString error;
    const bool ok = calc::leer_lanzamientos(texto, QStringLiteral("prueba.txt"), fuzz::limites(), lista, error);
    if (!ok) {
        static const QRegularExpression forma(QStringLiteral("^prueba\\.txt, línea ([0-9]+): \\S"));
        const QRegularExpressionMatch m = forma.match(error);
        const int l = m.captured(1).toInt();
        EXIGIR(m.hasMatch() && l >= 1 && l <= lineas, QStringLiteral("%1 (de %2 líneas)").arg(error).arg(lineas));
        return 0;
    }
    EXIGIR(error.isEmpty() && lista.size() <= calc::kLanzamientosMax, error);
    int anterior = 0;
    for (calc::Lanzamiento l : lista) {
        EXIGIR(l.linea > anterior && l.linea <= lineas, QString::number(l.linea));
        anterior = l.linea;
        EXIGIR(l.textos.size() == (l.blanco ? calc::kCamposConBlanco : calc::kCamposLanzamiento),
               l.textos.join(QLatin1Char(' ')));
        QString motivo;
        EXIGIR(calc::comprobar(l, fuzz::limites(), motivo), motivo);
        // What flying it converts must fit the fixed-point range.
        for (int k = 0; k < l.textos.size(); ++k) EXIGIR(std::isfinite(l.v[k]) && std::fabs(l.v[k]) < 1e9, l.textos[k]);
    }
    return 0;
}
