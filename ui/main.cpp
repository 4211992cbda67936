// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QScreen>
#include <QTimer>
#include <cstdio>

#include "arranque.h"
#include "core/argumentos.h"
#include "core/tamano_ventana.h"
#include "core/carpeta_trabajo.h"
#include "core/experiment_state.h"
#include "core/idioma.h"
#include "core/traduccion.h"
#include "core/version.h"
#include "files/preferencias.h"
#include "form2.h"
#include "platform/consola.h"
#include "platform/dialogos_qt.h"
#include "platform/reloj.h"
#include "menu_archivo.h"
#include "principal.h"
#include "tamano_ventana.h"

int main(int argc, char** argv) {
    tya::silenciar_avisos_qt();
    // Read before any window: only a typed command can carry a wrong one (a file manager passes
    // one file), so it is answered on that terminal, with a status a script can test. A core
    // application lives just as long, so the answer is in the user's language without a display.
    tya::Preferencias preferencias;
    const QString idioma = tya::elegir_idioma(preferencias.idioma(), tya::idioma_del_entorno());
    tya::Argumentos argumentos;
    {
        QCoreApplication lectura(argc, argv);
        tya::instalar_idioma(idioma);
        QStringList args;
        QString no_es_texto;
        argumentos = tya::argumentos_como_texto(argc, argv, args, no_es_texto)
                         ? tya::leer_argumentos(args, QDir::currentPath())
                         : tya::Argumentos{{}, no_es_texto, {}};
        if (!argumentos.error.isEmpty()) {
            std::fprintf(stderr, "%s\n", qPrintable(argumentos.error));
            return 2;
        }
        // Answered before any display is needed, so a script or a packager can ask it anywhere.
        if (!argumentos.respuesta.isEmpty()) {
            std::printf("%s", qPrintable(argumentos.respuesta));
            if (std::fflush(stdout) == 0 && !std::ferror(stdout)) return 0;
            std::fprintf(stderr, "%s\n",
                         qPrintable(tya::Trayecta::tr("trayecta: no se pudo escribir la salida estándar.")));
            return 1;
        }
    }

    // The whole window enlarged by one factor, which Qt takes only before its application exists.
    const bool factor_fijado = tya::fijar_factor_al_arrancar(argc, argv, preferencias.tamano());
    QApplication app(argc, argv);
    if (factor_fijado) tya::quitar_factor_del_entorno();
    app.installEventFilter(new tya::ALaVista(&app));

    QApplication::setApplicationName(QStringLiteral("Trayecta"));
    // The user's choice in "Ver" > "Idioma", else the desktop's language; before any text is made.
    tya::instalar_idioma(idioma);

    // Started from a folder with INIC.DAT it works there; from anywhere else (a desktop menu), in
    // the per-user folder. Everything relative then resolves there, as in the folder itself.
    tya::DialogosQt dialogos;
    const QString carpeta = tya::entrar_en_carpeta_trabajo(dialogos);
    if (carpeta.isEmpty()) return 1;

    tya::RelojReal reloj;
    auto estado = std::make_unique<tya::EstadoExp>();

    tya::Form2 splash;
    splash.mostrar(reloj);

    tya::Princip ventana(*estado, dialogos, reloj, carpeta);
    dialogos.padre(&ventana);
    // The window-size and language submenus, the recent files and files dropped from the file
    // manager.
    tya::completar_ventana(ventana, preferencias, dialogos);
    if (!ventana.cargar()) return 1;
    // Un-maximised under a window manager, the window comes back with its caption and borders
    // on the screen: room for them is left around its normal size.
    const QScreen* pantalla = QGuiApplication::primaryScreen();
    const QRect disponible = pantalla ? pantalla->availableGeometry() : QRect();
    if (pantalla) ventana.setGeometry(disponible.adjusted(8, tya::kReservaTitulo, -8, -8));
    ventana.showMaximized();
    // Without a window manager nothing maximises it nor draws a frame: it takes the whole part.
    if (pantalla)
        QTimer::singleShot(800, &ventana, [&ventana, disponible] {
            if (ventana.frameGeometry() == ventana.geometry() && ventana.geometry() != disponible)
                ventana.setGeometry(disponible);
        });
    // The file named on the command line, once the window is up, as "Recuperar" would read it.
    if (!argumentos.archivo.isEmpty())
        QTimer::singleShot(0, &ventana, [&] { ventana.archivo().abrir_experiencias(argumentos.archivo); });
    return app.exec();
}
