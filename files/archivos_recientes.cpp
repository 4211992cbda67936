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

QString titulo_reciente(int n, const QString& ruta) {
    const QFileInfo f(ruta);
    // "&" in a name would turn into an access key.
    auto literal = [](QString t) { return t.replace(QLatin1Char('&'), QLatin1String("&&")); };
    return QStringLiteral("&%1 %2  (%3)").arg(n).arg(literal(f.fileName()), literal(QDir::toNativeSeparators(f.path())));
}

}  // namespace tya
