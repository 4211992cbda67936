// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The launch-point cross and the target on the scene: placed at their parameters, dragged to
// new places, and the target placed and removed from the menu "&Blanco".
#include <QObject>

#include "contexto.h"
#include "core/vuelo.h"

namespace tya {

struct BarraMenus;
class Marcador;
class PanelLanzamiento;

class Marcadores : public QObject {
    Q_OBJECT
public:
    Marcadores(const ContextoVentana& ctx, PanelLanzamiento& lanzamiento, const BarraMenus& menus, QObject* padre);

    // "Colocar": places the target or takes it away.
    void colocar_o_quitar_blanco();
    bool blanco_colocado() const;
    bool blanco_a_la_vista() const;
    // A marker taken with the mouse, then dropped at a scene point.
    void tomar_cruz();
    void tomar_blanco();
    void soltar_marcador(float x, float y);
    // The cross (or the target) moved by the arrow keys `dx`, `dy` pixels: dropped where a drag
    // to that pixel would drop it.
    void mover_con_teclas(bool blanco, int dx, int dy);

    void colocar_cruz(Esquina e);
    void colocar_blanco(Esquina e);

    Marcador* cruz() const { return cruz_; }
    Marcador* blanco() const { return blanco_; }

private:
    void mover(QWidget* m, Esquina e);

    ContextoVentana ctx_;
    PanelLanzamiento& lanzamiento_;
    const BarraMenus& menus_;
    Marcador *cruz_ = nullptr, *blanco_ = nullptr;
    int16_t Arrastre = 0;  // the marker taken: 1 the cross, 2 the target
};

}  // namespace tya
