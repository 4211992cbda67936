// SPDX-License-Identifier: GPL-3.0-or-later
#include "motivo_archivo.h"

#include <QStringList>
#include <cerrno>

#include "core/traduccion.h"

namespace tya {

namespace {
// A text of Qt's own, as Qt's catalogue gives it in the running language.
QString de_qt(const char* clase, const char* texto) { return QCoreApplication::translate(clase, texto); }
}  // namespace

QString motivo_errno(int numero) {
    switch (numero) {
        case ENOSPC:
        case EFBIG:
        case EDQUOT:
            return Trayecta::tr("no queda espacio en el disco");
        case ENOENT:
            return Trayecta::tr("no existe");
        case EACCES:
        case EPERM:
            return Trayecta::tr("no hay permiso");
        case EROFS:
            return Trayecta::tr("el disco es de solo lectura");
        case EISDIR:
            return Trayecta::tr("es una carpeta");
        case ENOTDIR:
            return Trayecta::tr("una parte de la ruta no es una carpeta");
        case ENAMETOOLONG:
            return Trayecta::tr("el nombre es demasiado largo");
        case EIO:
            return Trayecta::tr("error de lectura o escritura del disco");
        case EMFILE:
        case ENFILE:
            return Trayecta::tr("hay demasiados archivos abiertos");
        case ELOOP:
            return Trayecta::tr("la ruta tiene demasiados enlaces");
        case ETXTBSY:
        case EBUSY:
            return Trayecta::tr("el archivo está en uso");
        case ENXIO:
        case ENODEV:
            return Trayecta::tr("el dispositivo no está disponible");
        case EEXIST:
            return Trayecta::tr("ya existe");
        case 0:
            return Trayecta::tr("el sistema no dio el motivo");
        default:
            return Trayecta::tr("error del sistema número %1").arg(numero);
    }
}

QString motivo_archivo(const QFileDevice& f, int numero) {
    const QString t = f.errorString();
    static const int conocidos[] = {ENOSPC,  EFBIG,   EDQUOT,       ENOENT, EACCES, EPERM,  EROFS,
                                    EISDIR,  ENOTDIR, ENAMETOOLONG, EIO,    EMFILE, ENFILE, ELOOP,
                                    ETXTBSY, EBUSY,   ENXIO,        ENODEV, EEXIST};
    for (int e : conocidos)
        if (t == qt_error_string(e)) return motivo_errno(e);
    // Qt's own texts for what the system does not refuse by itself, as Qt's catalogue gives them.
    const QStringList no_modificable =
        de_qt("QSaveFile", "Existing file %1 is not writable").split(QLatin1String("%1"));
    if (no_modificable.size() == 2 && t.startsWith(no_modificable[0]) && t.endsWith(no_modificable[1]))
        return Trayecta::tr("el archivo existente no se puede modificar");
    if (t.contains(QLatin1String("is a directory")) || t == de_qt("QIODevice", "file to open is a directory") ||
        t == de_qt("QSaveFile", "Filename refers to a directory"))
        return motivo_errno(EISDIR);
    if (numero != 0) return motivo_errno(numero);
    switch (f.error()) {
        case QFileDevice::ReadError:
            return Trayecta::tr("no se pudo leer");
        case QFileDevice::WriteError:
            return Trayecta::tr("no se pudo escribir");
        case QFileDevice::OpenError:
            return Trayecta::tr("no se pudo abrir");
        case QFileDevice::PermissionsError:
            return motivo_errno(EACCES);
        case QFileDevice::ResourceError:
            return Trayecta::tr("faltan recursos del sistema");
        case QFileDevice::RenameError:
            return Trayecta::tr("no se pudo reemplazar el archivo anterior");
        default:
            return motivo_errno(0);
    }
}

QString motivo_contenido(QByteArrayView datos, qsizetype* donde) {
    const bool bom16 = datos.startsWith("\xFF\xFE") || datos.startsWith("\xFE\xFF");
    for (qsizetype i = 0; i < datos.size(); ++i) {
        const auto c = static_cast<unsigned char>(datos[i]);
        if (c >= 0x20 && c != 0x7F) continue;
        if (c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == 0x1A) continue;
        if (donde) *donde = i;
        // UTF-16 text has a NUL beside nearly every letter of the Latin alphabet.
        const bool utf16 = bom16 ||
                           (c == 0 && i + 2 < datos.size() && (datos[i + 2] == 0 || (i >= 2 && datos[i - 2] == 0)));
        if (utf16) return Trayecta::tr("está en UTF-16; se lee texto UTF-8 o Latin-1");
        if (c == 0) return Trayecta::tr("tiene bytes nulos: no es un archivo de texto");
        return Trayecta::tr("tiene caracteres de control: no es un archivo de texto");
    }
    if (bom16) {
        if (donde) *donde = 0;
        return Trayecta::tr("está en UTF-16; se lee texto UTF-8 o Latin-1");
    }
    return {};
}

}  // namespace tya
