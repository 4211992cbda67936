// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window Princip: the scene it draws on, with the menu bar, panels and markers
// assembled around it, and the hooks through which a flight and the scene operations change it.
#include <QMainWindow>
#include <memory>
#include <optional>

#include "barra_menus.h"
#include "contexto.h"
#include "core/experiment_state.h"
#include "core/ganchos_vuelo.h"
#include "core/resumen_vuelo.h"
#include "core/vuelo.h"
#include "scene/escena.h"

class QLabel;

namespace tya {

class AvisosEstado;
class ComandosEscena;
class EscenaTeclado;
class LineaEstado;
class ImpresoraSistema;
class InspeccionMuestra;
class Marcadores;
class MenuArchivo;
class PanelGraficos;
class PanelLanzamiento;
class Repeticion;
class VentanasTexto;

class Princip : public QMainWindow, public VentanaVuelo, public VentanaEscena {
    Q_OBJECT
public:
    // `directorio` is the working folder with INIC.DAT, trazo.txt and "sugiere".
    Princip(EstadoExp& st, Dialogos& dialogos, Reloj& reloj, const QString& directorio);
    ~Princip() override;

    // The load sequence; when start-up cannot go on, a message naming the file and false.
    bool cargar();

    // The parts it is assembled from.
    PanelLanzamiento& lanzamiento() { return *lanzamiento_; }
    PanelGraficos& graficos() { return *graficos_; }
    Marcadores& marcadores() { return *marcadores_; }
    InspeccionMuestra& inspeccion() { return *inspeccion_; }
    MenuArchivo& archivo() { return *archivo_; }
    VentanasTexto& textos() { return *textos_; }
    ComandosEscena& comandos() { return *comandos_; }
    Repeticion* repeticion() const { return repeticion_; }
    EscenaTeclado& teclado() { return *teclado_; }
    AvisosEstado& avisos() { return *avisos_; }
    // The status line under the scene: the last flight's result, announced to a screen reader.
    LineaEstado* linea_estado() const { return linea_estado_; }
    // A menu entry by its control's name.
    QAction* accion(const QString& nombre) const;
    Superficie& superficie_escena() { return *sup_; }
    Escena& escena() { return *escena_; }
    VistaSuperficie* vista_escena() const { return vista_; }
    ImpresoraSistema& impresora() { return *impresora_; }

    // VentanaVuelo
    void procesar_eventos() override;
    bool blanco_colocado() const override;
    void mostrar_radio(const QString& t) override;
    void mover_blanco(double izquierda, double arriba) override;
    void mostrar_ngraf(const QString& t) override;
    void documentar_lanzamiento() override;

    // VentanaEscena (the menus follow the commands' announcements, not the scene)
    void vaciar_lista_y_ngraf() override;
    void borrar_curvas() override;
    void colocar_blanco(Esquina e) override;
    void colocar_cruz(Esquina e) override;
    void zoom_cambiado(const FilaZoom& fila) override;

protected:
    void closeEvent(QCloseEvent*) override;
    void changeEvent(QEvent*) override;

private:
    void crear_rotulos();
    // Each menu's entries to the part that handles them.
    void conectar_archivo();
    void conectar_edicion_y_ver();
    void conectar_blanco_y_actividades();
    void conectar_barra_y_ayuda();
    // The menus, the replay, the graph panel and the status line to the state's announcements.
    void conectar_avisos();
    void crear_linea_estado();
    // Shown in the status line and spoken by a screen reader.
    void anunciar(const QString& texto);
    // The scene's description: the stored flights, one line each.
    void describir_escena();

    EstadoExp& st;
    Dialogos& dialogos_;
    Reloj& reloj_;
    QString dir_;
    std::unique_ptr<Superficie> sup_;
    std::unique_ptr<Escena> escena_;
    VistaSuperficie* vista_ = nullptr;
    std::unique_ptr<ImpresoraSistema> impresora_;
    AvisosEstado* avisos_ = nullptr;
    BarraMenus menus_;
    LineaEstado* linea_estado_ = nullptr;
    // What the records do not keep of each stored flight; nothing for a file's.
    PorExp<std::optional<LanceVuelo>> lances_;
    QLabel *rotulo_alto_ = nullptr, *rotulo_ancho_ = nullptr;  // the scene's extent: "3750 m", "6400 m"

    // Destroyed before the scene and the printer they work with.
    std::unique_ptr<PanelLanzamiento> lanzamiento_;
    PanelGraficos* graficos_ = nullptr;
    Repeticion* repeticion_ = nullptr;  // a tool window of its own, over the views it marks
    std::unique_ptr<Marcadores> marcadores_;
    std::unique_ptr<InspeccionMuestra> inspeccion_;
    std::unique_ptr<VentanasTexto> textos_;
    std::unique_ptr<MenuArchivo> archivo_;
    std::unique_ptr<ComandosEscena> comandos_;
    std::unique_ptr<EscenaTeclado> teclado_;
};

}  // namespace tya
