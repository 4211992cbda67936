// SPDX-License-Identifier: GPL-3.0-or-later
#include "muestra_en_escena.h"

#include "formtabla.h"
#include "repeticion.h"

namespace tya {

InspeccionMuestra::InspeccionMuestra(const ContextoVentana& ctx, Repeticion& repeticion, QObject* padre)
    : QObject(padre), ctx_(ctx), repeticion_(repeticion) {
    connect(ctx_.vista, &VistaSuperficie::raton_movido, this, &InspeccionMuestra::puntero_movido);
    connect(ctx_.vista, &VistaSuperficie::pulsado, this, &InspeccionMuestra::clic_en_escena);
}

void InspeccionMuestra::puntero_movido(float x, float y) {
    switch (seguir_puntero(raton_, ctx_.st, ctx_.sup, x, y)) {
    case Puntero::Cruz: ctx_.vista->setCursor(Qt::CrossCursor); break;
    case Puntero::Flecha: ctx_.vista->setCursor(Qt::ArrowCursor); break;
    case Puntero::SinCambio: break;
    }
}

void InspeccionMuestra::ventana_activada() { raton_.ColorFondo = ctx_.sup.fondo(); }

void InspeccionMuestra::clic_en_escena() {
    if (repeticion_.clic_escena(raton_)) return;  // a mark of the replayed experiment moves its cursor
    const std::optional<MuestraElegida> m = clic_escena(raton_, ctx_.st, ctx_.sup);
    if (!m) return;
    ctx_.refrescar_escena();
    if (!formtabla_) {
        formtabla_ = new FormTabla(ctx_.vista->window());
        // Below the ground band, where neither marks nor the graph panels ever are.
        formtabla_->move(ctx_.vista->mapToGlobal(QPoint(int(ctx_.sup.x_px(0)), int(ctx_.sup.y_px(-400)))));
    }
    formtabla_->poner(m->valores);
    formtabla_->show();
}

}  // namespace tya
