// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The "&Archivo" menu: experiment files, the session log with its viewer and the start-up
// offer to delete old logs, printing, and leaving the program.
#include <QObject>
#include <QStringList>
#include <functional>

#include "contexto.h"
#include "files/bitacora.h"

namespace tya {

struct BarraMenus;
class ImpresoraSistema;
class PanelGraficos;
class Repeticion;
class Trazas;

class MenuArchivo : public QObject {
    Q_OBJECT
public:
    MenuArchivo(const ContextoVentana& ctx, const BarraMenus& menus, PanelGraficos& graficos, Repeticion& repeticion,
                ImpresoraSistema& impresora, QObject* padre);

    // "Guardar": the stored experiments to a file the user names; true when it was written.
    bool guardar();
    // "Recuperar": the experiments of a file the user chooses replace the stored ones.
    void recuperar();
    // A file named outside the dialog (command line, a drop, the recent list), recovered as
    // "Recuperar" does; refused when "Recuperar" would be (a flight, a placed target).
    bool puede_recuperar() const;
    void abrir_experiencias(const QString& ruta);
    // Told of every file saved or recovered (the recent list).
    std::function<void(const QString&)> archivo_usado;
    void ver_sesiones();
    void alternar_documentacion();
    void inicializar();      // starts a new session log
    void cerrar_archivos();  // closes every open file of the program
    void documentar_lanzamiento();
    // `blanco`: the target is on the scene, so the report has its columns.
    void imprimir_valores(bool blanco);
    void imprimir_grafica();
    // "Salir": trazo.txt written and the program ended, once unsaved experiments are saved or
    // given up (`puede_salir`).
    void salir();
    // Experiments flown since the last save or recovery that leaving would lose; 0 when none
    // could be saved (a target is placed).
    int sin_guardar() const;
    // Asks before unsaved experiments are lost: true to leave (saved, or given up), false to stay.
    bool puede_salir();

    // The start-up steps of session documentation: the logs as counted then, the offer to
    // delete them and a new log.
    void documentacion_al_arrancar(const QStringList& logs);

    const Bitacora& bitacora() const { return bitacora_; }

private:
    void recuperar_de(const QString& ruta);

    bool guardadas_ = true;         // nothing flown since the scene was cleared, saved or recovered
    bool salida_decidida_ = false;  // asked once: closing the window after "Salir" asks no more
    ContextoVentana ctx_;
    const BarraMenus& menus_;
    PanelGraficos& graficos_;
    Repeticion& repeticion_;
    ImpresoraSistema& impresora_;
    Bitacora bitacora_;
    QStringList File1;  // the .log files as counted at start-up, in alphabetical order
    Trazas* trazas_ = nullptr;
};

}  // namespace tya
