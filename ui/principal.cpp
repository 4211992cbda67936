// SPDX-License-Identifier: GPL-3.0-or-later
#include "principal.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>

#include "avisos_estado.h"
#include "comandos_escena.h"
#include "core/formato.h"
#include "core/idioma.h"
#include "core/inic.h"
#include "core/traduccion.h"
#include "escena_teclado.h"
#include "files/sesion.h"
#include "linea_estado.h"
#include "muestra_en_escena.h"
#include "marcadores.h"
#include "menu_archivo.h"
#include "panel_comparacion.h"
#include "panel_graficos.h"
#include "panel_lanzamiento.h"
#include "platform/dialogos.h"
#include "platform/impresora_sistema.h"
#include "repeticion.h"
#include "trabajo_practico.h"
#include "ventanas_texto.h"

namespace tya {

Princip::Princip(EstadoExp& estado, Dialogos& dialogos, Reloj& reloj, const QString& directorio)
    : st(estado), dialogos_(dialogos), reloj_(reloj), dir_(directorio) {
    setWindowTitle(QStringLiteral("Trayecta  //  Fisilab"));
    setObjectName(QStringLiteral("Princip"));
    QFont f = font();
    f.setPointSize(8);
    setFont(f);
    // The retained image is as large as the screen, so what is drawn before the window is
    // shown larger (the ground band lies below the design size) is there when it grows.
    QSize pantalla(1920, 1200);
    if (QScreen* s = QGuiApplication::primaryScreen()) pantalla = pantalla.expandedTo(s->size());
    sup_ = std::make_unique<Superficie>(nueva_superficie_escena(pantalla.width(), pantalla.height()));
    escena_ = std::make_unique<Escena>(st, *sup_, this);
    vista_ = new VistaSuperficie(*sup_, this, true);
    vista_->setObjectName(QStringLiteral("escena"));
    vista_->setAccessibleName(Trayecta::tr("Escena del lanzamiento"));
    setCentralWidget(vista_);
    avisos_ = new AvisosEstado(this);
    impresora_ = std::make_unique<ImpresoraSistema>(dir_);
    menus_ = crear_barra_menus(menuBar());

    // Created in the order Tab goes through their controls; they lie on the scene in the same
    // order, the later over the earlier, except the practical work, which lies over the graphs.
    const ContextoVentana ctx{st, dialogos_, reloj_, dir_, *sup_, *escena_, vista_, *avisos_};
    lanzamiento_ = std::make_unique<PanelLanzamiento>(ctx, nullptr);
    textos_ = std::make_unique<VentanasTexto>(ctx, *impresora_);
    graficos_ = new PanelGraficos(ctx, vista_);
    for (QWidget* w : {static_cast<QWidget*>(graficos_), static_cast<QWidget*>(&graficos_->comparacion_posiciones()),
                       static_cast<QWidget*>(&graficos_->comparacion_velocidades())})
        w->stackUnder(textos_->trabajo_practico());
    crear_rotulos();
    repeticion_ = new Repeticion(ctx, *graficos_, menus_.repetir, this);
    marcadores_ = std::make_unique<Marcadores>(ctx, *lanzamiento_, menus_, nullptr);
    inspeccion_ = std::make_unique<InspeccionMuestra>(ctx, *repeticion_, nullptr);
    connect(repeticion_, &Repeticion::tabla_pedida, inspeccion_.get(), &InspeccionMuestra::abrir_tabla);
    archivo_ = std::make_unique<MenuArchivo>(ctx, menus_, *graficos_, *repeticion_, *impresora_, nullptr);
    comandos_ = std::make_unique<ComandosEscena>(ctx, *this);
    teclado_ = std::make_unique<EscenaTeclado>(ctx, *marcadores_, *inspeccion_, nullptr);
    crear_linea_estado();

    connect(vista_, &VistaSuperficie::soltado_arrastre, marcadores_.get(), &Marcadores::soltar_marcador);
    connect(lanzamiento_.get(), &PanelLanzamiento::lanzar_pedido, comandos_.get(), &ComandosEscena::lanzar);
    connect(lanzamiento_.get(), &PanelLanzamiento::parar_pedido, comandos_.get(), &ComandosEscena::parar);
    connect(textos_.get(), &VentanasTexto::escena_redibujada, this, [this] { vista_->refrescar(); });
    conectar_archivo();
    conectar_edicion_y_ver();
    conectar_blanco_y_actividades();
    conectar_barra_y_ayuda();
    conectar_avisos();
    connect(teclado_.get(), &EscenaTeclado::marca_descrita, this, &Princip::anunciar);
}

Princip::~Princip() = default;

void Princip::crear_rotulos() {
    rotulo_alto_ = new QLabel(QStringLiteral("3750 m"), vista_);
    rotulo_alto_->setObjectName(QStringLiteral("Label18"));
    rotulo_ancho_ = new QLabel(QStringLiteral("6400 m"), vista_);
    rotulo_ancho_->setObjectName(QStringLiteral("Label19"));
    for (QLabel* l : {rotulo_alto_, rotulo_ancho_}) l->setAttribute(Qt::WA_TranslucentBackground);
    // Next to the top of the wall, and above the right end of the ground band.
    rotulo_alto_->adjustSize();
    rotulo_alto_->move(int(sup_->x_px(0)) + 4, int(sup_->y_px(3800)) - rotulo_alto_->height() / 2);
    rotulo_ancho_->adjustSize();
    rotulo_ancho_->move(int(sup_->x_px(6450)) - rotulo_ancho_->width(),
                        int(sup_->y_px(0)) - rotulo_ancho_->height() - 2);
}

void Princip::conectar_archivo() {
    MenuArchivo* a = archivo_.get();
    connect(menus_.salir, &QAction::triggered, a, &MenuArchivo::salir);
    connect(menus_.guardar, &QAction::triggered, a, &MenuArchivo::guardar);
    connect(menus_.recuperar, &QAction::triggered, a, &MenuArchivo::recuperar);
    connect(menus_.ver_sesiones, &QAction::triggered, a, &MenuArchivo::ver_sesiones);
    connect(menus_.documentar, &QAction::triggered, a, [this, a] {
        // As with the target entry, the check mark changes only in the handler.
        menus_.documentar->setChecked(!menus_.documentar->isChecked());
        a->alternar_documentacion();
    });
    connect(menus_.imprimir_valores, &QAction::triggered, a,
            [this, a] { a->imprimir_valores(marcadores_->blanco_a_la_vista()); });
    connect(menus_.imprimir_grafica, &QAction::triggered, a, &MenuArchivo::imprimir_grafica);
}

void Princip::conectar_edicion_y_ver() {
    connect(menus_.copiar_pantalla, &QAction::triggered, comandos_.get(), &ComandosEscena::copiar_pantalla);
    connect(menus_.valores_extremos, &QAction::triggered, textos_.get(),
            [this] { textos_->mostrar_valores_extremos(marcadores_->blanco_a_la_vista()); });
    connect(menus_.posiciones, &QAction::triggered, graficos_, &PanelGraficos::ver_posiciones);
    connect(menus_.velocidades, &QAction::triggered, graficos_, &PanelGraficos::ver_velocidades);
    connect(menus_.zoom, &QAction::triggered, comandos_.get(), &ComandosEscena::cambiar_zoom);
    connect(menus_.modelo, &QAction::triggered, textos_.get(), &VentanasTexto::mostrar_modelo);
}

void Princip::conectar_blanco_y_actividades() {
    connect(menus_.colocar_blanco, &QAction::triggered, marcadores_.get(), [this] {
        // The check mark is the program's record of the target: only the handler changes it,
        // so the toolkit's own toggle is undone first.
        menus_.colocar_blanco->setChecked(!menus_.colocar_blanco->isChecked());
        marcadores_->colocar_o_quitar_blanco();
    });
    connect(menus_.trabajo_practico, &QAction::triggered, textos_.get(),
            [this] { textos_->abrir_trabajo_practico(lanzamiento_->panel_condiciones()); });
    connect(menus_.problemas, &QAction::triggered, textos_.get(), &VentanasTexto::elegir_problema);
}

void Princip::conectar_barra_y_ayuda() {
    connect(menus_.lanzar, &QAction::triggered, comandos_.get(), &ComandosEscena::lanzar);
    connect(menus_.parar, &QAction::triggered, comandos_.get(), &ComandosEscena::parar);
    connect(menus_.borrar, &QAction::triggered, comandos_.get(), &ComandosEscena::borrar);
    connect(menus_.contenidos, &QAction::triggered, textos_.get(), [this] { textos_->abrir_ayuda(false); });
    connect(menus_.buscar, &QAction::triggered, textos_.get(), [this] { textos_->abrir_ayuda(true); });
    connect(menus_.acerca, &QAction::triggered, textos_.get(), &VentanasTexto::acerca_de);
    connect(menus_.sugerencias, &QAction::triggered, textos_.get(), &VentanasTexto::mostrar_sugerencias);
}

void Princip::crear_linea_estado() {
    // Under the scene, never over it: the status bar takes its own strip of the window.
    linea_estado_ = new LineaEstado(this);
    statusBar()->addWidget(linea_estado_, 1);
    statusBar()->setSizeGripEnabled(false);
    statusBar()->setAccessibleName(Trayecta::tr("Línea de estado"));
    describir_escena();
}

void Princip::anunciar(const QString& texto) { linea_estado_->anunciar(texto); }

void Princip::describir_escena() {
    vista_->setAccessibleDescription(describir_vuelos(st, lances_, marcadores_->blanco_colocado(), separador_local()));
}

void Princip::conectar_avisos() {
    auto cambiadas = [this] {
        lances_ = {};
        teclado_->olvidar_marca();
        describir_escena();
    };
    connect(avisos_, &AvisosEstado::experiencias_borradas, this, [this, cambiadas] {
        for (QAction* a : menus_.de_experiencias()) a->setEnabled(false);
        repeticion_->permitir(false);  // replay goes with the graph views; a cleared scene closes it
        cambiadas();
    });
    connect(avisos_, &AvisosEstado::experiencias_recuperadas, this, [this, cambiadas] {
        for (QAction* a : menus_.de_experiencias()) a->setEnabled(true);
        repeticion_->permitir(false);  // what it replayed is gone
        repeticion_->permitir(true);
        // An open panel drew from the records before they were read; show what was read.
        graficos_->numero_cambiado();
        cambiadas();
    });
    connect(avisos_, &AvisosEstado::vuelo_iniciado, this, [this] {
        const BarraMenus& m = menus_;
        m.imprimir_valores->setEnabled(true);
        m.imprimir_grafica->setEnabled(true);
        // With a target the graph views and saving wait until it is taken away and a flight follows.
        if (!m.velocidades->isEnabled() && !m.colocar_blanco->isChecked()) {
            m.velocidades->setEnabled(true);
            m.posiciones->setEnabled(true);
            m.valores_extremos->setEnabled(true);
            m.guardar->setEnabled(true);
        }
        if (m.colocar_blanco->isChecked()) m.valores_extremos->setEnabled(true);
        if (graficos_->isVisible()) graficos_->hide();
        repeticion_->permitir(false);  // no replay while a flight runs
        teclado_->olvidar_marca();
    });
    connect(avisos_, &AvisosEstado::vuelo_terminado, this, [this](const LanceVuelo& lance) {
        const BarraMenus& m = menus_;
        repeticion_->permitir(m.posiciones->isEnabled());  // replay goes with the graph views
        const int e = std::clamp<int>(st.NExp, 1, kExperiencias) - 1;
        lances_[static_cast<size_t>(e)] = lance;
        const bool blanco = marcadores_->blanco_colocado();
        anunciar(linea_resultado(st, e, lance, blanco, separador_local()));
        describir_escena();
    });
    connect(avisos_, &AvisosEstado::blanco_colocado, this, [this](bool colocado) {
        const BarraMenus& m = menus_;
        m.guardar->setEnabled(!colocado);
        m.recuperar->setEnabled(!colocado);
        m.zoom->setEnabled(!colocado);
        // Placed, the graph views go; taken away, they come back with the next flight.
        if (colocado) {
            m.velocidades->setEnabled(false);
            m.posiciones->setEnabled(false);
            repeticion_->permitir(false);
        }
        teclado_->olvidar_marca();
        describir_escena();  // the numbering starts again
    });
}

QAction* Princip::accion(const QString& nombre) const { return findChild<QAction*>(nombre); }

bool Princip::cargar() {
    // Both files are read before anything is set up, so a bad one leaves no half-built window.
    ValoresInic inic;
    uint8_t trazo = 0;
    QString error;
    if (!leer_inic(QDir(dir_).filePath(QStringLiteral("INIC.DAT")), inic, error) ||
        !leer_trazo(QDir(dir_).filePath(QStringLiteral("trazo.txt")), trazo, error)) {
        dialogos_.mensaje(error);
        return false;
    }

    st.ColorVel = rgb(250, 100, 250);
    st.ColorAcel = rgb(50, 250, 250);
    st.Escala = 1;
    st.Dt = Fijo::crudo(150);
    {
        QFile uno(QDir(dir_).filePath(QStringLiteral("uno.log")));
        if (uno.open(QIODevice::WriteOnly | QIODevice::Truncate)) uno.write("archivo de inicio\r\n");
    }
    st.RutaAyuda = ruta_texto(dir_, QStringLiteral("tyayuda2.hlp"));  // the translated copy when there is one
    st.Trazo = trazo;
    const ListaLogs logs = listar_logs(dir_);
    st.NLogs = static_cast<int32_t>(logs.nombres.size());
    st.TamLogs = logs.bytes;
    archivo_->documentacion_al_arrancar(logs.nombres);

    aplicar_inic(inic, st);
    lanzamiento_->mostrar_parametros();
    st.NExp = 0;
    st.NColor = 2;

    resize(640, 337);  // 9600 by 5050 twips
    escena_->preparar();
    vista_->refrescar();

    lanzamiento_->particula_y_medio_iniciales();
    // The keys start in Vo, the first thing a class changes; the scene is a Tab away.
    lanzamiento_->entrada(iVo)->setFocus();
    textos_->arrancar_reloj();
    return true;
}

void Princip::closeEvent(QCloseEvent* ev) {
    // Unsaved experiments are asked about first; staying leaves everything as it was.
    if (!archivo_->puede_salir()) {
        ev->ignore();
        return;
    }
    // A running flight stops at its next step; the program ends when it returns.
    st.Parar = 1;
    ev->accept();
    QApplication::quit();
}

void Princip::changeEvent(QEvent* ev) {
    if (ev->type() == QEvent::ActivationChange && isActiveWindow()) inspeccion_->ventana_activada();
    QMainWindow::changeEvent(ev);
}

// ---- Hooks of the flight and the scene ---------------------------------------------------

void Princip::procesar_eventos() {
    vista_->refrescar();
    QCoreApplication::processEvents();
}

bool Princip::blanco_colocado() const { return marcadores_->blanco_colocado(); }

void Princip::mostrar_radio(const QString& t) { lanzamiento_->poner_texto(iR, t); }

void Princip::mover_blanco(double izquierda, double arriba) {
    marcadores_->colocar_blanco({float(izquierda), float(arriba)});
}

void Princip::mostrar_ngraf(const QString& t) { graficos_->mostrar_numero(t); }

void Princip::documentar_lanzamiento() { archivo_->documentar_lanzamiento(); }

void Princip::vaciar_lista_y_ngraf() { graficos_->vaciar_tabla_y_numero(); }

void Princip::borrar_curvas() { graficos_->borrar_grafico(); }

void Princip::colocar_cruz(Esquina e) { marcadores_->colocar_cruz(e); }

void Princip::colocar_blanco(Esquina e) { marcadores_->colocar_blanco(e); }

void Princip::zoom_cambiado(const FilaZoom& fila) {
    menus_.zoom->setText(fila.menu);
    rotulo_alto_->setText(fila.label18);
    rotulo_ancho_->setText(fila.label19);
    rotulo_alto_->adjustSize();
    rotulo_ancho_->adjustSize();
    menus_.colocar_blanco->setEnabled(fila.blanco1);
    teclado_->olvidar_marca();  // the marks shown are not those of the other zoom
}

}  // namespace tya
