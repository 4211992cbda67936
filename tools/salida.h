// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// trayecta-calc's standard output: written straight to its descriptor and checked, so that a
// full disk or /dev/full never ends in exit status 0 over an empty file.
#include <QIODevice>
#include <QString>

namespace tya::calc {

class SalidaEstandar final : public QIODevice {
public:
    // Opened for writing on `descriptor` (standard output: 1), which it does not own until `terminar`.
    explicit SalidaEstandar(int descriptor = 1);
    bool fallo() const { return !motivo_.isEmpty(); }
    // "No se pudo escribir la salida estándar: no queda espacio en el disco."
    QString mensaje() const;
    // The check at exit: closes the descriptor (where a delayed write error shows) and, when
    // anything was not written and the command had not said so, says it on `errores` in one
    // line and turns status 0 into 1. Returns the exit status.
    int terminar(int estado, QIODevice& errores);

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* datos, qint64 n) override;

private:
    int fd_;
    QString motivo_;
};

// The message for an output that could not be written: the reason when `salida` is standard output.
QString mensaje_salida(const QIODevice& salida);

}  // namespace tya::calc
