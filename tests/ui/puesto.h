#pragma once
// The main window on a fresh working folder, with scripted dialogs, a clock that does not wait
// and no printer.
#include <QAction>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>
#include <memory>

#include "archivos.h"
#include "platform/dialogos.h"
#include "platform/impresora_sistema.h"
#include "platform/reloj.h"
#include "ui/principal.h"

namespace tya::prueba {

struct Puesto {
    QTemporaryDir dir;
    std::unique_ptr<EstadoExp> st = std::make_unique<EstadoExp>();
    DialogosGuion dlg;
    RelojContador reloj;
    std::unique_ptr<Princip> w;
    // `antes` fills the folder further before the window loads from it; with `cargar` false the
    // window is built but left unloaded and hidden.
    explicit Puesto(const QByteArray& trazo = " 0 \r\n", const std::function<void(const QDir&)>& antes = {},
                    bool cargar = true) {
        const QDir d(dir.path());
        escribir(d.filePath("INIC.DAT"), leer(QStringLiteral(TYA_DATOS "/INIC.DAT")));
        escribir(d.filePath("trazo.txt"), trazo);
        escribir(d.filePath("sugiere"), " 0 \r\n");
        if (antes) antes(d);
        w = std::make_unique<Princip>(*st, dlg, reloj, dir.path());
        if (!cargar) return;
        if (!w->cargar()) qFatal("%s", qPrintable(dlg.mensajes.join(QLatin1Char('\n'))));
        w->impresora().hay_impresora([] { return false; });
        w->resize(1400, 900);
        w->show();
    }
    void menu(const char* accion) { w->accion(QLatin1String(accion))->trigger(); }
};

}  // namespace tya::prueba
