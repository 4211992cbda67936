// SPDX-License-Identifier: GPL-3.0-or-later
#include "archivo_texto.h"

#include <QFile>
#include <QIODevice>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringDecoder>
#include <cerrno>
#include <algorithm>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/motivo_archivo.h"
#include "traduccion.h"

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
    // Opened without waiting (a FIFO would wait for a writer) and judged by what was opened,
    // not by the name, which another program may have swapped since.
    const int fd = ::open(QFile::encodeName(ruta).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        motivo = motivo_errno(errno);
        return false;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        const int e = errno;
        motivo = S_ISDIR(info.st_mode)   ? motivo_errno(EISDIR)
                 : S_ISREG(info.st_mode) ? motivo_errno(e)
                                         : Trayecta::tr("no es un archivo común (es un dispositivo o una tubería)");
        ::close(fd);
        return false;
    }
    const QString grande =
        Trayecta::tr("ocupa más de %1, el máximo que se lee de este archivo").arg(texto_tamano(tope));
    if (info.st_size > tope) {
        motivo = grande;
        ::close(fd);
        return false;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    QFile f;
    if (!f.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        motivo = motivo_archivo(f, errno);
        ::close(fd);
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

bool leer_dispositivo(QIODevice& d, qint64 tope, QByteArray& datos, QString& motivo) {
    datos.clear();
    // In pieces, so that an endless input (/dev/zero) stops one byte beyond the limit.
    while (datos.size() <= tope) {
        const QByteArray trozo = d.read(std::min<qint64>(tope + 1 - datos.size(), 1 << 16));
        if (trozo.isEmpty()) break;
        datos += trozo;
    }
    if (datos.size() > tope) {
        motivo = Trayecta::tr("ocupa más de %1, el máximo que se lee").arg(texto_tamano(tope));
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
        error = Trayecta::tr("No se puede leer el archivo %1: %2.").arg(ruta, motivo);
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
