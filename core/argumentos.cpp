#include "argumentos.h"

#include <QDir>

namespace tya {

namespace {
const QString kUso = QStringLiteral("Uso: trayecta [ARCHIVO.TYA]");
}

Argumentos leer_argumentos(const QStringList& args, const QString& carpeta) {
    Argumentos r;
    bool solo_archivos = false;
    for (const QString& a : args) {
        if (!solo_archivos && a == QLatin1String("--")) {
            solo_archivos = true;
            continue;
        }
        // Options the program knows (a version query, say) are answered here, before this refusal.
        if (!solo_archivos && a.startsWith(QLatin1Char('-'))) {
            return {{}, QStringLiteral("trayecta: opción desconocida «%1»\n%2").arg(a, kUso)};
        }
        if (!r.archivo.isEmpty()) {
            return {{}, QStringLiteral("trayecta: sobra «%1»: se abre un solo archivo de experiencias a la vez\n%2").arg(a, kUso)};
        }
        if (a.isEmpty()) {
            return {{}, QStringLiteral("trayecta: el nombre de archivo está vacío\n%1").arg(kUso)};
        }
        r.archivo = QDir::cleanPath(QDir(carpeta).absoluteFilePath(a));
    }
    return r;
}

}  // namespace tya
