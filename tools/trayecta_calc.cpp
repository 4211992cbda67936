// trayecta-calc: the flights of Trayecta from the command line, without a window.
#include <QFile>
#include <QGuiApplication>
#include <cstdio>

#include "calc.h"
#include "platform/consola.h"

int main(int argc, char** argv) {
    tya::silenciar_avisos_qt();
    // Graph labels need the font machinery of a GUI application, but no display.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QFile entrada, salida, errores;
    entrada.open(stdin, QIODevice::ReadOnly);
    salida.open(stdout, QIODevice::WriteOnly);
    errores.open(stderr, QIODevice::WriteOnly);
    return tya::calc::ejecutar(app.arguments().mid(1), entrada, salida, errores);
}
