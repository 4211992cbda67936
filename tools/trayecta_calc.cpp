// SPDX-License-Identifier: GPL-3.0-or-later
// trayecta-calc: the flights of Trayecta from the command line, without a window.
#include <QFile>
#include <QGuiApplication>
#include <cstdio>

#include "calc.h"
#include "core/argumentos.h"
#include "core/idioma.h"
#include "platform/consola.h"
#include "salida.h"

int main(int argc, char** argv) {
    tya::silenciar_avisos_qt();
    // Graph labels need the font machinery of a GUI application, but never a display: whatever
    // platform the environment names, the one that is always there.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    // Like any command, in the desktop's language; LC_ALL=C, which scripts set, keeps Spanish.
    tya::instalar_idioma(tya::idioma_del_entorno());
    QFile entrada, errores;
    entrada.open(stdin, QIODevice::ReadOnly);
    errores.open(stderr, QIODevice::WriteOnly | QIODevice::Unbuffered);
    tya::calc::SalidaEstandar salida;
    QStringList args;
    QString error;
    int estado = tya::calc::kSalidaRechazo;
    if (tya::argumentos_como_texto(argc, argv, args, error))
        estado = tya::calc::ejecutar(args, entrada, salida, errores);
    else
        errores.write((error + QLatin1Char('\n')).toUtf8());
    return salida.terminar(estado, errores);
}
