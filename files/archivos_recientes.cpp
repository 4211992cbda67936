// SPDX-License-Identifier: GPL-3.0-or-later
#include "archivos_recientes.h"

#include <QDir>
#include <QFileInfo>

namespace tya {

QStringList anotar_reciente(const QStringList& lista, const QString& ruta) {
    const QString a = QDir::cleanPath(QFileInfo(ruta).absoluteFilePath());
    QStringList r{a};
    for (const QString& e : lista)
        if (r.size() < kMaxRecientes && QDir::cleanPath(QFileInfo(e).absoluteFilePath()) != a) r << e;
    return r;
}

QString acortar_al_medio(const QString& texto, int largo) {
    if (texto.size() <= largo || largo < 3) return texto;
    const int resto = largo - 1;
    // Both ends tell a name apart: the start of the name and the extension or the last folder.
    return texto.left(resto - resto / 2) + QChar(0x2026) + texto.right(resto / 2);
}

QString titulo_reciente(int n, const QString& ruta) {
    const QFileInfo f(ruta);
    // "&" in a name would turn into an access key; doubled after shortening, so never cut in two.
    auto literal = [](QString t, int largo) {
        return acortar_al_medio(t, largo).replace(QLatin1Char('&'), QLatin1String("&&"));
    };
    return QStringLiteral("&%1 %2  (%3)")
        .arg(n)
        .arg(literal(f.fileName(), kLargoNombreReciente),
             literal(QDir::toNativeSeparators(f.path()), kLargoNombreReciente));
}

}  // namespace tya
