// SPDX-License-Identifier: GPL-3.0-or-later
#include "escena_teclado.h"

#include <QKeyEvent>
#include <QPainter>

#include "controles.h"
#include "core/experiment_state.h"
#include "marcadores.h"
#include "muestra_en_escena.h"
#include "platform/dialogos.h"

namespace tya {

EscenaTeclado::EscenaTeclado(const ContextoVentana& ctx, Marcadores& marcadores, InspeccionMuestra& inspeccion,
                             QObject* padre)
    : QObject(padre), ctx_(ctx), marcadores_(marcadores), inspeccion_(inspeccion) {
    // Reached by Tab only: a click on the scene keeps the focus where it was, in a box being typed in.
    ctx_.vista->setFocusPolicy(Qt::TabFocus);
    ctx_.vista->installEventFilter(this);
    ctx_.vista->foco = [this](QPainter& p) { pintar(p); };
}

EscenaTeclado::~EscenaTeclado() { ctx_.vista->foco = nullptr; }  // the view outlives it

bool EscenaTeclado::moviendo_blanco() const { return blanco_ && marcadores_.blanco_a_la_vista(); }

void EscenaTeclado::olvidar_marca() {
    marca_.reset();
    ctx_.vista->update();
}

bool EscenaTeclado::eventFilter(QObject* objeto, QEvent* evento) {
    if (evento->type() != QEvent::KeyPress) return QObject::eventFilter(objeto, evento);
    // A key a panel on the scene left unused comes up to the view: only the scene's own are its.
    if (!ctx_.vista->hasFocus()) return false;
    auto* k = static_cast<QKeyEvent*>(evento);
    return tecla(k->key(), k->modifiers());
}

bool EscenaTeclado::tecla(int t, Qt::KeyboardModifiers mod) {
    const int paso = mod & Qt::ShiftModifier ? kPasoLargo : 1;
    switch (t) {
        case Qt::Key_Left:
            marcadores_.mover_con_teclas(moviendo_blanco(), -paso, 0);
            break;
        case Qt::Key_Right:
            marcadores_.mover_con_teclas(moviendo_blanco(), paso, 0);
            break;
        case Qt::Key_Up:
            marcadores_.mover_con_teclas(moviendo_blanco(), 0, -paso);
            break;
        case Qt::Key_Down:
            marcadores_.mover_con_teclas(moviendo_blanco(), 0, paso);
            break;
        case Qt::Key_Tab:
        case Qt::Key_Backtab: {
            // From the cross to the target and back; past them the focus goes on along the window.
            const bool atras = t == Qt::Key_Backtab || (mod & Qt::ShiftModifier);
            if (!marcadores_.blanco_a_la_vista() || atras != moviendo_blanco()) {
                blanco_ = false;
                return false;
            }
            blanco_ = !atras;
            break;
        }
        case Qt::Key_PageDown:
        case Qt::Key_PageUp: {
            if (ctx_.st.EnVuelo == 1) return true;
            const auto m = marca_vecina(ctx_.st, marca_, t == Qt::Key_PageDown ? 1 : -1);
            if (!m) {
                ctx_.dialogos.pitido();
                return true;
            }
            marca_ = m;
            emit marca_descrita(describir_marca(ctx_.st, *m));
            break;
        }
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (!marca_ || ctx_.st.EnVuelo == 1) return true;
            inspeccion_.elegir_muestra(marca_->k, marca_->i);
            break;
        default:
            return false;
    }
    ctx_.vista->update();
    return true;
}

void EscenaTeclado::pintar(QPainter& p) const {
    const QColor claro = ctx_.vista->palette().color(QPalette::Highlight);
    // The whole scene framed, the marker the arrows move boxed, the chosen mark ringed: each
    // drawn twice, dark inside light, so it shows on the sky, the ground and the marks alike.
    auto doble = [&p, claro](auto dibujar) {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(claro, 3));
        dibujar();
        p.setPen(QPen(Qt::black, 1, Qt::DashLine));
        dibujar();
    };
    const QRect r = ctx_.vista->rect().adjusted(1, 1, -2, -2);
    doble([&] { p.drawRect(r); });
    const QWidget* m = moviendo_blanco() ? static_cast<QWidget*>(marcadores_.blanco()) : marcadores_.cruz();
    const QRect caja = m->geometry().adjusted(-4, -4, 3, 3);
    doble([&] { p.drawRect(caja); });
    if (marca_ && marca_->k <= ctx_.st.NExp) {
        const QPointF c = punto_marca(ctx_.st, *marca_);
        const QPointF px(ctx_.sup.x_px(c.x()), ctx_.sup.y_px(c.y()));
        doble([&] { p.drawEllipse(px, 9, 9); });
    }
}

}  // namespace tya
