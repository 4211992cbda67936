#include "argumentos.h"

#include <QFile>

namespace tya::calc {

bool leer_argumentos(int argc, const char* const* argv, QStringList& args, QString& error) {
    args.clear();
    for (int i = 1; i < argc; ++i) {
        const QByteArray crudo(argv[i]);
        const QString texto = QFile::decodeName(crudo);
        if (QFile::encodeName(texto) != crudo) {
            // The bytes shown as they are, the ones that are not text in hexadecimal.
            QString visible;
            for (const char c : crudo) {
                const auto b = static_cast<unsigned char>(c);
                visible += b >= 0x20 && b < 0x7F ? QString(QLatin1Char(c)) : QStringLiteral("\\x%1").arg(b, 2, 16, QLatin1Char('0'));
            }
            error = QStringLiteral("El argumento %1 (%2) no es texto UTF-8 válido: un nombre de archivo así no se "
                                   "puede usar tal cual; cámbiele el nombre.")
                        .arg(i).arg(visible);
            return false;
        }
        args << texto;
    }
    return true;
}

}  // namespace tya::calc
