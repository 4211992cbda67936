// SPDX-License-Identifier: GPL-3.0-or-later
#include "archivo_texto.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringDecoder>
#include <cerrno>

#include "platform/motivo_archivo.h"

namespace tya {

QString texto_tamano(qint64 bytes) {
    if (bytes % (1 << 20) == 0) return QStringLiteral("%1 MB").arg(bytes >> 20);
    return QStringLiteral("%1 KB").arg((bytes + 1023) >> 10);
}

void quitar_bom(QByteArray& datos) {
    if (datos.startsWith("\xEF\xBB\xBF")) datos.remove(0, 3);
}

bool leer_archivo(const QString& ruta, qint64 tope, QByteArray& datos, QString& motivo) {
    datos.clear();
    const QFileInfo fi(ruta);
    if (!fi.exists()) {
        motivo = motivo_errno(ENOENT);
        return false;
    }
    if (fi.isDir()) {
        motivo = motivo_errno(EISDIR);
        return false;
    }
    // Opening a FIFO would wait for a writer, and a device may never end.
    if (!fi.isFile()) {
        motivo = QStringLiteral("no es un archivo común (es un dispositivo o una tubería)");
        return false;
    }
    const QString grande = QStringLiteral("ocupa más de %1, el máximo que se lee de este archivo").arg(texto_tamano(tope));
    if (fi.size() > tope) {
        motivo = grande;
        return false;
    }
    QFile f(ruta);
    if (!f.open(QIODevice::ReadOnly)) {
        motivo = motivo_archivo(f, errno);
        return false;
    }
    // One byte more than the limit tells a file that grew since it was measured.
    datos = f.read(tope + 1);
    if (f.error() != QFileDevice::NoError) {
        motivo = motivo_archivo(f, errno);
        datos.clear();
        return false;
    }
    if (datos.size() > tope) {
        motivo = grande;
        datos.clear();
        return false;
    }
    quitar_bom(datos);
    return true;
}

bool leer_lineas(const QString& ruta, QStringList& lineas, QString& error) {
    lineas.clear();
    QByteArray datos;
    QString motivo;
    if (!leer_archivo(ruta, kTopeTexto, datos, motivo) || !(motivo = motivo_contenido(datos)).isEmpty()) {
        error = QStringLiteral("No se puede leer el archivo %1: %2.").arg(ruta, motivo);
        return false;
    }
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString texto = utf8(datos);
    if (utf8.hasError()) texto = QString::fromLatin1(datos);
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
