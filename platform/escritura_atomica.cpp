// SPDX-License-Identifier: GPL-3.0-or-later
#include "escritura_atomica.h"

#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>

#include "motivo_archivo.h"

#include "core/traduccion.h"

namespace tya {

namespace {

// A missing folder or a folder in the way says more than the system's "no such file".
QString motivo_al_crear(const QSaveFile& f, const QString& ruta, int numero) {
    if (!QFileInfo(QFileInfo(ruta).absolutePath()).exists()) return Trayecta::tr("la carpeta no existe");
    if (QFileInfo(ruta).isDir()) return Trayecta::tr("ese nombre es una carpeta");
    return motivo_archivo(f, numero);
}

}  // namespace

Escritura escribir_archivo(const QString& ruta, QByteArrayView datos) {
    QSaveFile f(ruta);
    if (!f.open(QIODevice::WriteOnly)) return {Escritura::Paso::Crear, motivo_al_crear(f, ruta, errno)};
    // commit() alone can report success on a full disk: every byte and the flush are checked.
    if (f.write(datos.data(), datos.size()) != datos.size() || !f.flush()) {
        const QString motivo = motivo_archivo(f, errno);
        f.cancelWriting();
        return {Escritura::Paso::Escribir, motivo};
    }
    if (!f.commit()) return {Escritura::Paso::Guardar, motivo_archivo(f, errno)};
    return {};
}

}  // namespace tya
