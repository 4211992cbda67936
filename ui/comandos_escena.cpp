// SPDX-License-Identifier: GPL-3.0-or-later
#include "comandos_escena.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>

#include "barra_menus.h"
#include "core/vuelo.h"
#include "panel_graficos.h"
#include "platform/dialogos.h"
#include "repeticion.h"
#include "scene/escena.h"

namespace tya {

ComandosEscena::ComandosEscena(const ContextoVentana& ctx, const BarraMenus& menus, PanelGraficos& graficos,
                               Repeticion& repeticion, VentanaVuelo& ventana)
    : ctx_(ctx), menus_(menus), graficos_(graficos), repeticion_(repeticion), ventana_(ventana) {}

void ComandosEscena::lanzar() {
    EstadoExp& st = ctx_.st;
    if (st.EnVuelo == 1) return;
    if (st.NExp == 10) {
        if (!ctx_.dialogos.confirmar(QStringLiteral("Los Gráficos anteriores serán borrados"))) return;
        ctx_.escena.borrar_escena(st.MedioAnchoBlanco, st.MedioAltoBlanco);
        ctx_.refrescar_escena();
    }
    const BarraMenus& m = menus_;
    m.imprimir_valores->setEnabled(true);
    m.imprimir_grafica->setEnabled(true);
    if (!m.velocidades->isEnabled() && !m.colocar_blanco->isChecked()) {
        m.velocidades->setEnabled(true);
        m.posiciones->setEnabled(true);
        m.valores_extremos->setEnabled(true);
        m.guardar->setEnabled(true);
    }
    if (m.colocar_blanco->isChecked()) m.valores_extremos->setEnabled(true);
    if (graficos_.isVisible()) graficos_.hide();
    st.Parar = 0;
    repeticion_.permitir(false);  // no replay while a flight runs
    EntornoVuelo en{st, ctx_.escena, ventana_, ctx_.reloj, ctx_.dialogos};
    calcular_vuelo(en, st.MedioAnchoBlanco, st.MedioAltoBlanco);
    repeticion_.permitir(m.posiciones->isEnabled());  // replay goes with the graph views
    ctx_.refrescar_escena();
}

void ComandosEscena::parar() { ctx_.st.Parar = 1; }

void ComandosEscena::borrar() {
    if (ctx_.st.EnVuelo == 1) return;
    ctx_.escena.borrar_escena(ctx_.st.MedioAnchoBlanco, ctx_.st.MedioAltoBlanco);
    ctx_.refrescar_escena();
}

void ComandosEscena::cambiar_zoom() {
    ctx_.escena.menu_zoom();
    ctx_.refrescar_escena();
}

void ComandosEscena::copiar_pantalla() {
    QApplication::clipboard()->clear();
    QApplication::clipboard()->setImage(ctx_.sup.imagen_retenida().copy(ctx_.vista->rect()));
}

}  // namespace tya
