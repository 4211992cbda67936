#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QScreen>
#include <QTranslator>

#include "core/experiment_state.h"
#include "form2.h"
#include "platform/dialogos_qt.h"
#include "platform/reloj.h"
#include "principal.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Trayecta"));
    QTranslator qt_es;
    if (qt_es.load(QLocale(QLocale::Spanish), QStringLiteral("qtbase"), QStringLiteral("_"),
                   QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&qt_es);

    tya::RelojReal reloj;
    auto estado = std::make_unique<tya::EstadoExp>();
    tya::DialogosQt dialogos;

    tya::Form2 splash;
    splash.mostrar(reloj);

    tya::Princip ventana(*estado, dialogos, reloj, QDir::currentPath());
    dialogos.padre(&ventana);
    if (!ventana.cargar()) return 1;
    // Without a window manager a maximize request is not honoured: take the screen's size first.
    if (QScreen* pantalla = QGuiApplication::primaryScreen()) ventana.setGeometry(pantalla->availableGeometry());
    ventana.showMaximized();
    return app.exec();
}
