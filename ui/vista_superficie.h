// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The view of a drawing surface: the scene and the graph boxes as the window shows them.
#include <QWidget>
#include <functional>

#include "platform/superficie.h"

class QPainter;

namespace tya {

// The drag format of a marker (the launch cross, the target) dropped on a view.
extern const char* const kMimeMarcador;

// Shows a drawing surface and reports the pointer in the surface's units.
class VistaSuperficie : public QWidget {
    Q_OBJECT
public:
    VistaSuperficie(Superficie& sup, QWidget* padre, bool crece = false);
    Superficie& superficie() { return sup_; }
    // Repaints what was drawn since the last call.
    void refrescar();
    // Painted over the surface's image at every repaint, never into it (the replay cursor).
    std::function<void(QPainter&)> encima;
    // Painted over everything while the view has the keyboard's focus (the focus marks).
    std::function<void(QPainter&)> foco;

signals:
    void raton_movido(float x, float y);
    void pulsado();
    void soltado_arrastre(float x, float y);

protected:
    void paintEvent(QPaintEvent*) override;
    void focusInEvent(QFocusEvent*) override;
    void focusOutEvent(QFocusEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;
    void dragEnterEvent(QDragEnterEvent*) override;
    void dragMoveEvent(QDragMoveEvent*) override;
    void dropEvent(QDropEvent*) override;

private:
    Superficie& sup_;
    bool crece_;
};

}  // namespace tya
