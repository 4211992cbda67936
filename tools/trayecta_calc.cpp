// trayecta-calc: the flights of Trayecta from the command line, without a window.
#include <QCoreApplication>
#include <QFile>
#include <cstdio>

#include "calc.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QFile entrada, salida, errores;
    entrada.open(stdin, QIODevice::ReadOnly);
    salida.open(stdout, QIODevice::WriteOnly);
    errores.open(stderr, QIODevice::WriteOnly);
    return tya::calc::ejecutar(app.arguments().mid(1), entrada, salida, errores);
}
