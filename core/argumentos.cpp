// SPDX-License-Identifier: GPL-3.0-or-later
#include "argumentos.h"

#include <QDir>
#include <QFile>

#include "traduccion.h"
#include "version.h"

namespace tya {

namespace {
QString uso() { return Trayecta::tr("Uso: trayecta [ARCHIVO.TYA]"); }
}  // namespace

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
            r.respuesta = Trayecta::tr(
                              "%1\n\nAbre Trayecta; con un archivo de experiencias (.TYA), lo carga como "
                              "\"Recuperar\".\n  --version  muestra la versión\n  --help     muestra esta ayuda\n")
                              .arg(uso());
            return r;
        }
        if (!solo_archivos && a.startsWith(QLatin1Char('-'))) {
            return {{}, Trayecta::tr("trayecta: opción desconocida «%1»\n%2").arg(a, uso()), {}};
        }
        if (!r.archivo.isEmpty()) {
            return {{},
                    Trayecta::tr("trayecta: sobra «%1»: se abre un solo archivo de experiencias a la vez\n%2")
                        .arg(a, uso()),
                    {}};
        }
        if (a.isEmpty()) { return {{}, Trayecta::tr("trayecta: el nombre de archivo está vacío\n%1").arg(uso()), {}}; }
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
            error = Trayecta::tr(
                        "El argumento %1 (%2) no es texto UTF-8 válido: un nombre de archivo así no se "
                        "puede usar tal cual; cámbiele el nombre.")
                        .arg(QString::number(i), visible);
            return false;
        }
        args << texto;
    }
    return true;
}

}  // namespace tya
