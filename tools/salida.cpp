// SPDX-License-Identifier: GPL-3.0-or-later
#include "salida.h"

#include <cerrno>
#include <unistd.h>

#include "calc.h"
#include "core/traduccion.h"
#include "platform/motivo_archivo.h"

namespace tya::calc {

SalidaEstandar::SalidaEstandar(int descriptor) : fd_(descriptor) { open(QIODevice::WriteOnly | QIODevice::Unbuffered); }

qint64 SalidaEstandar::writeData(const char* datos, qint64 n) {
    if (fallo()) return -1;
    qint64 hecho = 0;
    while (hecho < n) {
        const ssize_t w = ::write(fd_, datos + hecho, static_cast<size_t>(n - hecho));
        if (w < 0 && errno == EINTR) continue;
        if (w <= 0) {
            motivo_ = motivo_errno(w < 0 ? errno : ENOSPC);
            return -1;
        }
        hecho += w;
    }
    return hecho;
}

QString SalidaEstandar::mensaje() const {
    return Trayecta::tr("No se pudo escribir la salida estándar: %1.").arg(motivo_);
}

int SalidaEstandar::terminar(int estado, QIODevice& errores) {
    const bool dicho = fallo() && estado == kSalidaEscritura;
    if (fd_ >= 0 && ::close(fd_) != 0 && errno != EINTR && !fallo()) motivo_ = motivo_errno(errno);
    fd_ = -1;
    if (!fallo() || dicho) return estado;
    errores.write((mensaje() + QLatin1Char('\n')).toUtf8());
    return estado == kSalidaBien ? kSalidaEscritura : estado;
}

QString mensaje_salida(const QIODevice& salida) {
    if (const auto* s = dynamic_cast<const SalidaEstandar*>(&salida); s && s->fallo()) return s->mensaje();
    return Trayecta::tr("No se pudo escribir la salida.");
}

}  // namespace tya::calc
