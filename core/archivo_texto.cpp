#include "archivo_texto.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringDecoder>

namespace tya {

bool leer_lineas(const QString& ruta, QStringList& lineas, QString& error) {
    lineas.clear();
    QFile f(ruta);
    if (!f.open(QIODevice::ReadOnly)) {
        error = f.exists() ? QStringLiteral("No se puede leer el archivo %1: %2").arg(ruta, f.errorString())
                           : QStringLiteral("No se encuentra el archivo %1").arg(ruta);
        return false;
    }
    const QByteArray datos = f.readAll();
    if (f.error() != QFileDevice::NoError) {
        error = QStringLiteral("No se puede leer el archivo %1: %2").arg(ruta, f.errorString());
        return false;
    }
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString texto = utf8(datos);
    if (utf8.hasError()) texto = QString::fromLatin1(datos);
    if (texto.startsWith(QChar(0xFEFF))) texto.remove(0, 1);
    if (texto.isEmpty()) return true;
    static const QRegularExpression fin(QStringLiteral("\\r\\n|\\n|\\r"));
    lineas = texto.split(fin);
    // A final line end does not start one more line.
    if (lineas.last().isEmpty()) lineas.removeLast();
    return true;
}

QString con_crlf(const QStringList& lineas) {
    QString s;
    for (const QString& l : lineas) s += l + QStringLiteral("\r\n");
    return s;
}

}  // namespace tya
