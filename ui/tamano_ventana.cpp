// SPDX-License-Identifier: GPL-3.0-or-later
#include "tamano_ventana.h"

#include <QActionGroup>
#include <QDir>
#include <QEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QMainWindow>
#include <QMenu>
#include <QScreen>
#include <vector>

#include "core/tamano_ventana.h"
#include "files/preferencias.h"
#include "platform/dialogos.h"

namespace tya {

namespace {
const char* const kFactor = "QT_SCALE_FACTOR";

// The primary screen's available part, in its own logical pixels, read by an application object
// that lives only for this: Qt fixes the scale when its application starts, so the program's
// own must start after the factor is known.
QSize pantalla_disponible(int argc, char** argv) {
    // Qt may take its own options out of argv: the program's application gets the list intact.
    std::vector<char*> copia(argv, argv + argc);
    copia.push_back(nullptr);
    int n = argc;
    QGuiApplication sonda(n, copia.data());
    const QScreen* s = QGuiApplication::primaryScreen();
    return s ? s->availableGeometry().size() : QSize();
}
}  // namespace

bool fijar_factor_al_arrancar(int argc, char** argv, int porcentaje) {
    if (qEnvironmentVariableIsSet(kFactor) || qEnvironmentVariableIsSet("QT_SCREEN_SCALE_FACTORS")) return false;
    const double f = porcentaje > 0 ? porcentaje / 100.0 : factor_automatico(pantalla_disponible(argc, argv));
    qputenv(kFactor, QByteArray::number(f));
    return true;
}

void quitar_factor_del_entorno() { qunsetenv(kFactor); }

QMenu* menu_tamano_ventana(QMenu* ver, Preferencias& preferencias, Dialogos& dialogos) {
    QMenu* m = ver->addMenu(QStringLiteral("Tamaño de la ventana"));
    m->setObjectName(QStringLiteral("menu_tamano"));
    auto* grupo = new QActionGroup(m);
    const int actual = preferencias.tamano();
    for (int p : kTamanos) {
        QAction* a = m->addAction(p == 0 ? QStringLiteral("Automático") : QStringLiteral("%1 %").arg(p));
        a->setObjectName(QStringLiteral("tamano_%1").arg(p));
        a->setCheckable(true);
        a->setChecked(p == actual);
        grupo->addAction(a);
        QObject::connect(a, &QAction::triggered, m, [p, &preferencias, &dialogos] {
            if (!preferencias.guardar_tamano(p)) {
                dialogos.mensaje(QStringLiteral("No se pudo guardar el tamaño de la ventana en %1.")
                                     .arg(QDir::toNativeSeparators(preferencias.archivo())));
                return;
            }
            QString t = QStringLiteral("El nuevo tamaño de la ventana se verá la próxima vez que se abra Trayecta.");
            if (qEnvironmentVariableIsSet(kFactor) || qEnvironmentVariableIsSet("QT_SCREEN_SCALE_FACTORS"))
                t += QStringLiteral(" Mientras QT_SCALE_FACTOR o QT_SCREEN_SCALE_FACTORS estén fijadas, mandan ellas.");
            dialogos.mensaje(t);
        });
    }
    return m;
}

bool ALaVista::eventFilter(QObject* objeto, QEvent* evento) {
    if (evento->type() != QEvent::Show || !objeto->isWidgetType()) return false;
    auto* w = static_cast<QWidget*>(objeto);
    if (w->isWindow()) {
        if (const QScreen* s = w->screen()) {
            // The frame is the window manager's; a window not yet mapped has none, so its size is the widget's.
            const QRect marco = w->frameGeometry();
            const QPoint p = a_la_vista(marco, s->availableGeometry());
            if (p != marco.topLeft()) w->move(p);
        }
    } else if (auto* panel = qobject_cast<QGroupBox*>(w)) {
        // The panels that sit on the scene itself; those inside a layout are placed by it.
        const auto* ventana = qobject_cast<const QMainWindow*>(panel->window());
        if (ventana && panel->parentWidget() == ventana->centralWidget()) {
            const QPoint p = a_la_vista(panel->geometry(), panel->parentWidget()->rect());
            if (p != panel->pos()) panel->move(p);
        }
    }
    return false;
}

}  // namespace tya
