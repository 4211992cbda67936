#include <QApplication>
#include <QLibraryInfo>
#include <QScreen>
#include <QTranslator>
#include <cstdio>
#include <cstring>

#include "core/carpeta_trabajo.h"
#include "core/experiment_state.h"
#include "core/version.h"
#include "form2.h"
#include "platform/dialogos_qt.h"
#include "platform/reloj.h"
#include "principal.h"

int main(int argc, char** argv) {
    // Answered before any display is needed, so a script or a packager can ask it anywhere.
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("trayecta %s\n", qPrintable(tya::version_programa()));
        return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Trayecta"));
    QTranslator qt_es;
    if (qt_es.load(QLocale(QLocale::Spanish), QStringLiteral("qtbase"), QStringLiteral("_"),
                   QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&qt_es);

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
    if (!ventana.cargar()) return 1;
    // Without a window manager a maximize request is not honoured: take the screen's size first.
    if (QScreen* pantalla = QGuiApplication::primaryScreen()) ventana.setGeometry(pantalla->availableGeometry());
    ventana.showMaximized();
    return app.exec();
}
