// SPDX-License-Identifier: GPL-3.0-or-later
#include "muestra_en_escena.h"

#include "formtabla.h"
#include "panel_comparacion.h"
#include "panel_graficos.h"
#include "repeticion.h"
#include "tamano_ventana.h"

namespace tya {

InspeccionMuestra::InspeccionMuestra(const ContextoVentana& ctx, Repeticion& repeticion, QObject* padre)
    : QObject(padre), ctx_(ctx), repeticion_(repeticion) {
    connect(ctx_.vista, &VistaSuperficie::raton_movido, this, &InspeccionMuestra::puntero_movido);
    connect(ctx_.vista, &VistaSuperficie::pulsado, this, &InspeccionMuestra::clic_en_escena);
}

void InspeccionMuestra::puntero_movido(float x, float y) {
    switch (seguir_puntero(raton_, ctx_.st, ctx_.sup, x, y)) {
        case Puntero::Cruz:
            ctx_.vista->setCursor(Qt::CrossCursor);
            break;
        case Puntero::Flecha:
            ctx_.vista->setCursor(Qt::ArrowCursor);
            break;
        case Puntero::SinCambio:
            break;
    }
}

void InspeccionMuestra::ventana_activada() { raton_.ColorFondo = ctx_.sup.fondo(); }

void InspeccionMuestra::clic_en_escena() {
    if (repeticion_.clic_escena(raton_)) return;  // a mark of the replayed experiment moves its cursor
    const std::optional<MuestraElegida> m = clic_escena(raton_, ctx_.st, ctx_.sup);
    if (m) mostrar_tabla(m->valores);
}

void InspeccionMuestra::elegir_muestra(int k, int i) {
    if (repeticion_.isVisible() && repeticion_.experiencia() == k) {
        repeticion_.reproducir(false);
        repeticion_.ir_a(i);
        return;
    }
    abrir_tabla(k, i);
}

void InspeccionMuestra::abrir_tabla(int k, int i) {
    const size_t e = static_cast<size_t>(k - 1), j = static_cast<size_t>(i);
    dibujar_vectores(ctx_.st, ctx_.sup, ctx_.st.Xs[e][j], ctx_.st.Ys[e][j], k, i);
    mostrar_tabla(valores_muestra(ctx_.st, k, i));
}

void InspeccionMuestra::mostrar_tabla(const std::array<QString, 7>& valores) {
    ctx_.refrescar_escena();
    if (!formtabla_) formtabla_ = new FormTabla(ctx_.vista->window());
    formtabla_->poner(valores);
    // Placed when it opens; moved by the user, it stays where it was put.
    if (!formtabla_->isVisible()) {
        PanelGraficos& g = repeticion_.graficos();
        colocar_fuera_del_vuelo(formtabla_, ctx_.vista, ctx_.sup,
                                {{en_pantalla(&repeticion_), 4},
                                 {en_pantalla(&g.comparacion_posiciones()), 2},
                                 {en_pantalla(&g.comparacion_velocidades()), 2},
                                 en_pantalla(&g)});
    }
    formtabla_->show();
}

}  // namespace tya
