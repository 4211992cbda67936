// SPDX-License-Identifier: GPL-3.0-or-later
#include "tamano_ventana.h"

#include <QActionGroup>
#include <QDir>
#include <QEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMouseEvent>
#include <QScreen>
#include <memory>
#include <vector>

#include "core/tamano_ventana.h"
#include "core/traduccion.h"
#include "files/preferencias.h"
#include "platform/dialogos.h"
#include "scene/escena.h"

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

// A size's entry with an access key of its own among the sizes offered: the sizes share their
// digits, so each is keyed by the one no other takes first.
QString titulo_tamano(int p) {
    switch (p) {
        case 0:
            return Trayecta::tr("&Automático");
        case 100:
            return QStringLiteral("&100 %");
        case 125:
            return QStringLiteral("12&5 %");
        case 150:
            return QStringLiteral("15&0 %");
        case 200:
            return QStringLiteral("&200 %");
        case 300:
            return QStringLiteral("&300 %");
        default:
            return QStringLiteral("%1 &%").arg(p);  // 250
    }
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
    QMenu* m = ver->addMenu(Trayecta::tr("&Tamaño de la ventana"));
    m->setObjectName(QStringLiteral("menu_tamano"));
    auto* grupo = new QActionGroup(m);
    const int actual = preferencias.tamano();
    // The size kept in the file: the one checked whenever a choice is refused or cannot be kept.
    auto guardado = std::make_shared<int>(actual);
    const auto marcar_guardado = [m, guardado] {
        if (QAction* a = m->findChild<QAction*>(QStringLiteral("tamano_%1").arg(*guardado))) a->setChecked(true);
    };
    for (int p : kTamanos) {
        QAction* a = m->addAction(titulo_tamano(p));
        a->setObjectName(QStringLiteral("tamano_%1").arg(p));
        a->setCheckable(true);
        a->setChecked(p == actual);
        grupo->addAction(a);
        QObject::connect(a, &QAction::triggered, m, [p, &preferencias, &dialogos, guardado, marcar_guardado] {
            if (const QScreen* s = QGuiApplication::primaryScreen()) {
                // In the screen's own pixels, whatever factor this run is drawn at.
                const QSize fisica = s->availableGeometry().size() * s->devicePixelRatio();
                if (!tamano_cabe(p, fisica)) {
                    marcar_guardado();
                    dialogos.mensaje(Trayecta::tr("El tamaño %1 % no cabe en esta pantalla (%2 × %3 disponibles). "
                                                  "El mayor que cabe es %4 %.")
                                         .arg(p)
                                         .arg(fisica.width())
                                         .arg(fisica.height())
                                         .arg(tamano_mayor_que_cabe(fisica)));
                    return;
                }
            }
            if (!preferencias.guardar_tamano(p)) {
                marcar_guardado();
                dialogos.mensaje(Trayecta::tr("No se pudo guardar el tamaño de la ventana en %1: sigue marcado el "
                                              "tamaño que estaba guardado.")
                                     .arg(QDir::toNativeSeparators(preferencias.archivo())));
                return;
            }
            *guardado = p;
            QString t = Trayecta::tr("El nuevo tamaño de la ventana se verá la próxima vez que se abra Trayecta.");
            if (qEnvironmentVariableIsSet(kFactor) || qEnvironmentVariableIsSet("QT_SCREEN_SCALE_FACTORS"))
                t += Trayecta::tr(" Mientras QT_SCALE_FACTOR o QT_SCREEN_SCALE_FACTORS estén fijadas, mandan ellas.");
            dialogos.mensaje(t);
        });
    }
    return m;
}

QRect en_pantalla(const QWidget* w) { return w->isVisible() ? QRect(w->mapToGlobal(QPoint()), w->size()) : QRect(); }

void colocar_fuera_del_vuelo(QWidget* ventana, const QWidget* escena, const Superficie& sup,
                             std::vector<Obstaculo> tambien) {
    ventana->adjustSize();
    const QScreen* s = escena->screen() ? escena->screen() : QGuiApplication::primaryScreen();
    if (!s) return;
    // The window manager's frame, once known; before the first showing a caption's worth.
    const QSize marco = ventana->frameGeometry().size() - ventana->size();
    const QSize caja = ventana->size() + (marco.isEmpty() ? QSize(8, 30) : marco);
    const QRect vuelo = zona_vuelo(sup);
    // The flight weighs most: a student watches it while stepping through it.
    tambien.push_back({QRect(escena->mapToGlobal(vuelo.topLeft()), vuelo.size()), 8});
    const QRect zona = s->availableGeometry();
    ventana->move(lugar_libre(caja, zona, tambien, zona.bottomRight() - QPoint(caja.width(), caja.height())));
}

namespace {
// A group box standing on the main window's scene, not inside a layout.
QGroupBox* panel_sobre_escena(QObject* objeto) {
    auto* panel = qobject_cast<QGroupBox*>(objeto);
    if (!panel) return nullptr;
    const auto* ventana = qobject_cast<const QMainWindow*>(panel->window());
    return ventana && panel->parentWidget() == ventana->centralWidget() ? panel : nullptr;
}
}  // namespace

bool ALaVista::arrastrar(QWidget* panel, QEvent* evento) {
    auto* m = static_cast<QMouseEvent*>(evento);
    const QPoint en_padre = panel->mapToParent(m->position().toPoint());
    switch (evento->type()) {
        case QEvent::MouseButtonPress:
            // The caption's strip only: the rest of the panel keeps its clicks.
            if (m->button() != Qt::LeftButton || m->position().y() > panel->fontMetrics().height() + 4) return false;
            arrastrado_ = panel;
            agarre_ = m->position().toPoint();
            panel->raise();
            return true;
        case QEvent::MouseMove:
            if (arrastrado_ != panel) return false;
            panel->move(a_la_vista(QRect(en_padre - agarre_, panel->size()), panel->parentWidget()->rect()));
            return true;
        case QEvent::MouseButtonRelease:
            if (arrastrado_ != panel) return false;
            arrastrado_ = nullptr;
            return true;
        default:
            return false;
    }
}

bool ALaVista::eventFilter(QObject* objeto, QEvent* evento) {
    const QEvent::Type t = evento->type();
    if (t == QEvent::MouseButtonPress || t == QEvent::MouseMove || t == QEvent::MouseButtonRelease)
        if (QGroupBox* panel = panel_sobre_escena(objeto)) return arrastrar(panel, evento);
    if (evento->type() != QEvent::Show || !objeto->isWidgetType()) return false;
    auto* w = static_cast<QWidget*>(objeto);
    if (w->isWindow()) {
        if (const QScreen* s = w->screen()) {
            // The frame is the window manager's; a window not yet mapped has none, so its size is the widget's.
            const QRect marco = w->frameGeometry();
            const QPoint p = a_la_vista(marco, s->availableGeometry());
            if (p != marco.topLeft()) w->move(p);
        }
    } else if (QGroupBox* panel = panel_sobre_escena(w)) {
        // The panels that sit on the scene itself; those inside a layout are placed by it.
        const QPoint p = a_la_vista(panel->geometry(), panel->parentWidget()->rect());
        if (p != panel->pos()) panel->move(p);
    }
    return false;
}

}  // namespace tya
