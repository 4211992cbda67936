// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one way the program writes a whole file: through a temporary file that replaces the old
// one only when every byte reached the disk, so the path holds the new content or the old one,
// never part of either.
#include <QByteArrayView>
#include <QString>

namespace tya {

struct Escritura {
    // The step that failed, so each caller can say what it was doing.
    enum class Paso { Hecho, Crear, Escribir, Guardar };
    Paso paso = Paso::Hecho;
    QString motivo;  // why, in the words of motivo_archivo; empty when written
    explicit operator bool() const { return paso == Paso::Hecho; }
};

Escritura escribir_archivo(const QString& ruta, QByteArrayView datos);

}  // namespace tya
