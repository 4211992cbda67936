// SPDX-License-Identifier: GPL-3.0-or-later
#include "comandos_escena.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>

#include "avisos_estado.h"
#include "core/resumen_vuelo.h"
#include "core/traduccion.h"
#include "platform/dialogos.h"
#include "platform/reloj.h"
#include "scene/escena.h"

namespace tya {

ComandosEscena::ComandosEscena(const ContextoVentana& ctx, VentanaVuelo& ventana) : ctx_(ctx), ventana_(ventana) {}

void ComandosEscena::lanzar() {
    EstadoExp& st = ctx_.st;
    if (st.EnVuelo == 1) return;
    if (st.NExp == 10) {
        if (!ctx_.dialogos.confirmar(Trayecta::tr("Los Gráficos anteriores serán borrados"))) return;
        ctx_.escena.borrar_escena(st.MedioAnchoBlanco, st.MedioAltoBlanco);
        ctx_.refrescar_escena();
        emit ctx_.avisos.experiencias_borradas();
    }
    st.Parar = 0;
    emit ctx_.avisos.vuelo_iniciado();
    const FinVuelo fin = volar();
    ctx_.refrescar_escena();
    emit ctx_.avisos.vuelo_terminado(lance_actual(st, fin));
}

FinVuelo ComandosEscena::volar() {
    EstadoExp& st = ctx_.st;
    Escena& escena = ctx_.escena;
    Vuelo vuelo(st, ventana_.blanco_colocado(), st.MedioAnchoBlanco, st.MedioAltoBlanco);
    if (vuelo.radio_elevado()) ventana_.mostrar_radio(QStringLiteral("0.01"));
    escena.retenido(true);
    double marca_pausa = ctx_.reloj.segundos();
    // Once a step the window's events get through: "Parar" among them, read by the next step.
    for (Evento ev = vuelo.terminado() ? Evento::Fin : Evento::Paso; ev != Evento::Fin; ev = vuelo.avanzar(true)) {
        if (ev == Evento::Paso) {
            ventana_.procesar_eventos();
        } else if (ev == Evento::Muestra) {
            // The mark, the pause that paces the flight, and the colour the mark shows.
            const MuestraTomada& m = vuelo.muestra();
            const int esc = st.Escala;
            if (marca_visible(m.x, m.y, esc)) escena.marca(m.x * esc, m.y * esc, radio_marca(esc), st.NColor);
            marca_pausa = esperar_desde(ctx_.reloj, marca_pausa, kPausaMarca);
            if (m.i == kMuestraDeColor) vuelo.anotar_color(escena.color_en(m.x * esc, m.y * esc));
        } else if (ev == Evento::Blanco) {
            ventana_.mover_blanco(vuelo.esquina_blanco().izquierda, vuelo.esquina_blanco().arriba);
        }
    }
    if (vuelo.fin() == FinVuelo::Impacto) ctx_.dialogos.mensaje(Trayecta::tr("Impacto"));
    if (vuelo.fin() == FinVuelo::Limite) ctx_.dialogos.mensaje(Trayecta::tr("Fin de Simulación"));
    vuelo.cerrar();
    if (st.Trazo == 1) ventana_.documentar_lanzamiento();
    ventana_.mostrar_ngraf(QString::number(st.NExp));
    return vuelo.fin();
}

void ComandosEscena::parar() { ctx_.st.Parar = 1; }

void ComandosEscena::borrar() {
    if (ctx_.st.EnVuelo == 1) return;
    ctx_.escena.borrar_escena(ctx_.st.MedioAnchoBlanco, ctx_.st.MedioAltoBlanco);
    ctx_.refrescar_escena();
    emit ctx_.avisos.experiencias_borradas();
}

void ComandosEscena::cambiar_zoom() {
    ctx_.escena.menu_zoom();
    ctx_.refrescar_escena();
}

void ComandosEscena::copiar_pantalla() {
    QApplication::clipboard()->clear();
    // At the screen's pixels, as the scene is seen.
    const double r = ctx_.sup.proporcion();
    const QRect vista(QPoint(0, 0), (QSizeF(ctx_.vista->size()) * r).toSize());
    QApplication::clipboard()->setImage(ctx_.sup.imagen_retenida_pantalla().copy(vista));
}

}  // namespace tya
