#pragma once
// Runs trayecta-calc in this process on the shipped start-up file and a given standard input.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QTemporaryDir>

#include "aplicacion.h"
#include "archivos.h"
#include "tools/calc.h"

namespace tya::prueba {

struct Corrida {
    int rc = -1;
    QByteArray salida, errores;
};

inline Corrida correr(const QStringList& args, const QByteArray& entrada = {}) {
    QBuffer in, out, err;
    in.setData(entrada);
    in.open(QIODevice::ReadOnly);
    out.open(QIODevice::WriteOnly);
    err.open(QIODevice::WriteOnly);
    const int rc = calc::ejecutar(QStringList{"--inic", TYA_DATOS "/INIC.DAT"} + args, in, out, err);
    return {rc, out.data(), err.data()};
}

}  // namespace tya::prueba
