// SPDX-License-Identifier: GPL-3.0-or-later
#include "argumentos.h"

#include <QDir>
#include <QFile>

#include "version.h"

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
        if (!solo_archivos && a == QLatin1String("--version")) {
            r.respuesta = QStringLiteral("trayecta %1\n").arg(version_programa());
            return r;
        }
        if (!solo_archivos && (a == QLatin1String("--help") || a == QLatin1String("-h"))) {
            r.respuesta = kUso +
                          QStringLiteral(
                              "\n\nAbre Trayecta; con un archivo de experiencias (.TYA), lo carga como "
                              "\"Recuperar\".\n  --version  muestra la versión\n  --help     muestra esta ayuda\n");
            return r;
        }
        if (!solo_archivos && a.startsWith(QLatin1Char('-'))) {
            return {{}, QStringLiteral("trayecta: opción desconocida «%1»\n%2").arg(a, kUso), {}};
        }
        if (!r.archivo.isEmpty()) {
            return {{},
                    QStringLiteral("trayecta: sobra «%1»: se abre un solo archivo de experiencias a la vez\n%2")
                        .arg(a, kUso),
                    {}};
        }
        if (a.isEmpty()) { return {{}, QStringLiteral("trayecta: el nombre de archivo está vacío\n%1").arg(kUso), {}}; }
        r.archivo = QDir::cleanPath(QDir(carpeta).absoluteFilePath(a));
    }
    return r;
}

bool argumentos_como_texto(int argc, const char* const* argv, QStringList& args, QString& error) {
    args.clear();
    for (int i = 1; i < argc; ++i) {
        const QByteArray crudo(argv[i]);
        const QString texto = QFile::decodeName(crudo);
        if (QFile::encodeName(texto) != crudo) {
            // The bytes shown as they are, the ones that are not text in hexadecimal.
            QString visible;
            for (const char c : crudo) {
                const auto b = static_cast<unsigned char>(c);
                visible += b >= 0x20 && b < 0x7F ? QString(QLatin1Char(c))
                                                 : QStringLiteral("\\x%1").arg(b, 2, 16, QLatin1Char('0'));
            }
            error = QStringLiteral(
                        "El argumento %1 (%2) no es texto UTF-8 válido: un nombre de archivo así no se "
                        "puede usar tal cual; cámbiele el nombre.")
                        .arg(i)
                        .arg(visible);
            return false;
        }
        args << texto;
    }
    return true;
}

}  // namespace tya
