// SPDX-License-Identifier: GPL-3.0-or-later
#include "marcadores.h"

#include <QAction>
#include <cmath>

#include "avisos_estado.h"
#include "barra_menus.h"
#include "core/experiment_state.h"
#include "panel_lanzamiento.h"
#include "platform/dialogos.h"
#include "scene/teclado_escena.h"

namespace tya {

Marcadores::Marcadores(const ContextoVentana& ctx, PanelLanzamiento& lanzamiento, const BarraMenus& menus,
                       QObject* padre)
    : QObject(padre), ctx_(ctx), lanzamiento_(lanzamiento), menus_(menus) {
    cruz_ = new Marcador(false, ctx_.vista);
    cruz_->setObjectName(QStringLiteral("Cruz"));
    blanco_ = new Marcador(true, ctx_.vista);
    blanco_->setObjectName(QStringLiteral("Blanco"));
    blanco_->hide();
    connect(cruz_, &Marcador::presionado, this, &Marcadores::tomar_cruz);
    connect(blanco_, &Marcador::presionado, this, &Marcadores::tomar_blanco);
}

void Marcadores::mover(QWidget* m, Esquina e) {
    m->move(static_cast<int>(std::lround(ctx_.sup.x_px(e.izquierda))),
            static_cast<int>(std::lround(ctx_.sup.y_px(e.arriba))));
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

void Marcadores::mover_con_teclas(bool blanco, int dx, int dy) {
    const EstadoExp& st = ctx_.st;
    // The marker's point in scene units: the target's ignores the zoom, as its drop does.
    const double esc = blanco ? 1 : st.Escala;
    const Fijo x = st.Param[blanco ? iXoB : iXo], y = st.Param[blanco ? iYoB : iYo];
    const QPointF p = destino_con_teclas(ctx_.sup, x.real() * esc, y.real() * esc, dx, dy);
    Arrastre = blanco ? 2 : 1;
    soltar_marcador(static_cast<float>(p.x()), static_cast<float>(p.y()));
}

void Marcadores::colocar_o_quitar_blanco() {
    if (ctx_.st.EnVuelo == 1) return;
    ctx_.st.NExp = 0;
    const bool colocar = !menus_.colocar_blanco->isChecked();
    menus_.colocar_blanco->setChecked(colocar);
    lanzamiento_.mostrar_panel_blanco(colocar);
    blanco_->setVisible(colocar);
    if (colocar) blanco_->raise();
    emit ctx_.avisos.blanco_colocado(colocar);
}

}  // namespace tya
