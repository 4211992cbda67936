// SPDX-License-Identifier: GPL-3.0-or-later
#include "marcadores.h"

#include <QAction>
#include <cmath>

#include "barra_menus.h"
#include "core/experiment_state.h"
#include "panel_lanzamiento.h"
#include "platform/dialogos.h"
#include "repeticion.h"

namespace tya {

Marcadores::Marcadores(const ContextoVentana& ctx, PanelLanzamiento& lanzamiento, const BarraMenus& menus,
                       Repeticion& repeticion, QObject* padre)
    : QObject(padre), ctx_(ctx), lanzamiento_(lanzamiento), menus_(menus), repeticion_(repeticion) {
    cruz_ = new Marcador(false, ctx_.vista);
    cruz_->setObjectName(QStringLiteral("Cruz"));
    blanco_ = new Marcador(true, ctx_.vista);
    blanco_->setObjectName(QStringLiteral("Blanco"));
    blanco_->hide();
    connect(cruz_, &Marcador::presionado, this, &Marcadores::tomar_cruz);
    connect(blanco_, &Marcador::presionado, this, &Marcadores::tomar_blanco);
}

void Marcadores::mover(QWidget* m, Esquina e) {
    m->move(static_cast<int>(std::lround(ctx_.sup.x_px(e.izquierda))), static_cast<int>(std::lround(ctx_.sup.y_px(e.arriba))));
}

void Marcadores::colocar_cruz(Esquina e) { mover(cruz_, e); }
void Marcadores::colocar_blanco(Esquina e) { mover(blanco_, e); }

bool Marcadores::blanco_colocado() const { return menus_.colocar_blanco->isChecked(); }
bool Marcadores::blanco_a_la_vista() const { return !blanco_->isHidden(); }

void Marcadores::tomar_cruz() {
    Arrastre = 1;
    ctx_.dialogos.pitido();
}

void Marcadores::tomar_blanco() {
    Arrastre = 2;
    ctx_.dialogos.pitido();
}

void Marcadores::soltar_marcador(float x, float y) {
    const EstadoExp& st = ctx_.st;
    if (st.EnVuelo == 1) return;
    if (x < 0) x = 0;
    if (y < 0) y = 0;
    // Each text runs the entry check, which puts back the parameter's own previous value
    // when the drop lies beyond the limits.
    if (Arrastre == 1) {
        lanzamiento_.poner_parametro(iXo, Fijo::saturado(double(x) / st.Escala));
        lanzamiento_.poner_parametro(iYo, Fijo::saturado(double(y) / st.Escala));
    } else if (Arrastre == 2) {
        lanzamiento_.poner_parametro(iXoB, Fijo::saturado(x));
        lanzamiento_.poner_parametro(iYoB, Fijo::saturado(y));
    }
}

void Marcadores::colocar_o_quitar_blanco() {
    if (ctx_.st.EnVuelo == 1) return;
    ctx_.st.NExp = 0;
    const BarraMenus& m = menus_;
    if (!m.colocar_blanco->isChecked()) {
        m.guardar->setEnabled(false);
        m.recuperar->setEnabled(false);
        m.colocar_blanco->setChecked(true);
        lanzamiento_.mostrar_panel_blanco(true);
        blanco_->show();
        blanco_->raise();
        m.velocidades->setEnabled(false);
        m.posiciones->setEnabled(false);
        repeticion_.permitir(false);  // replay goes with the graph views
        m.zoom->setEnabled(false);
    } else {
        m.guardar->setEnabled(true);
        m.recuperar->setEnabled(true);
        m.colocar_blanco->setChecked(false);
        lanzamiento_.mostrar_panel_blanco(false);
        blanco_->hide();
        m.zoom->setEnabled(true);
    }
}

}  // namespace tya
