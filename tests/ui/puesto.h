// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window on a fresh working folder, with scripted dialogs, a clock that does not wait
// and no printer.
#include <QAction>
#include <QApplication>
#include <QtTest>
#include <functional>
#include <memory>

#include "archivos.h"
#include "separador.h"
#include "platform/dialogos.h"
#include "platform/impresora_sistema.h"
#include "platform/reloj.h"
#include "ui/comandos_escena.h"
#include "ui/controles.h"
#include "ui/muestra_en_escena.h"
#include "ui/marcadores.h"
#include "ui/menu_archivo.h"
#include "ui/panel_comparacion.h"
#include "ui/panel_graficos.h"
#include "ui/panel_lanzamiento.h"
#include "ui/principal.h"
#include "ui/ventanas_texto.h"

namespace tya::prueba {

// Runs `accion` on the first modal window of type T to show up.
template <class T> void al_abrirse(std::function<void(T*)> accion) {
    auto* t = new QTimer;
    QObject::connect(t, &QTimer::timeout, [t, accion] {
        if (auto* d = qobject_cast<T*>(QApplication::activeModalWidget())) {
            t->stop();
            t->deleteLater();
            accion(d);
        }
    });
    t->start(10);
}

struct Puesto {
    QTemporaryDir dir;
    std::unique_ptr<EstadoExp> st = std::make_unique<EstadoExp>();
    DialogosGuion dlg;
    RelojContador reloj;
    std::unique_ptr<Princip> w;
    // `antes` fills the folder further before the window loads from it; with `cargar` false the
    // window is built but left unloaded and hidden.
    explicit Puesto(const std::function<void(const QDir&)>& antes = {}, bool cargar = true) {
        const QDir d(dir.path());
        escribir(d.filePath("INIC.DAT"), leer(QStringLiteral(TYA_DATOS "/INIC.DAT")));
        escribir(d.filePath("trazo.txt"), " 0 \r\n");
        escribir(d.filePath("sugiere"), " 0 \r\n");
        escribir(d.filePath("tpract.txt"), "Objetivos\r\nPaso 1\r\n");
        escribir(d.filePath("3Prob"), "Un problema\r\n");
        if (antes) antes(d);
        w = std::make_unique<Princip>(*st, dlg, reloj, dir.path());
        if (!cargar) return;
        if (!w->cargar()) qFatal("%s", qPrintable(dlg.mensajes.join(QLatin1Char('\n'))));
        w->impresora().hay_impresora([] { return false; });
        w->resize(1400, 900);
        w->show();
    }
    void menu(const char* accion) { w->accion(QLatin1String(accion))->trigger(); }
    // A menu command whose file dialog is answered with `ruta`.
    void menu(const char* accion, const QString& ruta) {
        dlg.respuestas_archivo.push_back(ruta);
        menu(accion);
    }
    // The menu entries in `si` are enabled, those in `no` are not.
    bool activos(std::initializer_list<const char*> si, std::initializer_list<const char*> no = {}) {
        for (const auto& [nombres, activa] : {std::pair{si, true}, std::pair{no, false}})
            for (const char* n : nombres)
                if (w->accion(QLatin1String(n))->isEnabled() != activa) return qWarning("%s", n), false;
        return true;
    }
};

}  // namespace tya::prueba
