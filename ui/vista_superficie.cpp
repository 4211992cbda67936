// SPDX-License-Identifier: GPL-3.0-or-later
#include "vista_superficie.h"

#include <QDragEnterEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace tya {

const char* const kMimeMarcador = "application/x-trayecta-marcador";

VistaSuperficie::VistaSuperficie(Superficie& sup, QWidget* padre, bool crece)
    : QWidget(padre), sup_(sup), crece_(crece) {
    setMouseTracking(true);
    setAcceptDrops(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    sup.proporcion(devicePixelRatioF());
    if (!crece_) setFixedSize(sup.ancho_px(), sup.alto_px());
}

void VistaSuperficie::refrescar() {
    const QRect r = sup_.tomar_cambios();
    if (!r.isNull()) update(r);
}

void VistaSuperficie::paintEvent(QPaintEvent* ev) {
    sup_.tomar_cambios();
    // On a scaled screen the surface keeps an image at the screen's own pixels, shown one to one.
    sup_.proporcion(devicePixelRatioF());
    QPainter p(this);
    if (sup_.proporcion() == 1)
        p.drawImage(ev->rect(), sup_.imagen(), ev->rect());
    else
        p.drawImage(QPointF(0, 0), sup_.imagen_pantalla());
    if (encima) encima(p);
    if (foco && hasFocus()) foco(p);
}

void VistaSuperficie::focusInEvent(QFocusEvent* ev) {
    update();
    QWidget::focusInEvent(ev);
}

void VistaSuperficie::focusOutEvent(QFocusEvent* ev) {
    update();
    QWidget::focusOutEvent(ev);
}

void VistaSuperficie::resizeEvent(QResizeEvent*) {
    // Only ever grows: a smaller window keeps what lies beyond its edge for when it grows again.
    if (crece_ && (width() > sup_.ancho_px() || height() > sup_.alto_px()))
        sup_.redimensionar(std::max(width(), sup_.ancho_px()), std::max(height(), sup_.alto_px()));
}

void VistaSuperficie::mouseMoveEvent(QMouseEvent* ev) {
    const QPointF p = ev->position();
    emit raton_movido(float(sup_.x_unidades(p.x())), float(sup_.y_unidades(p.y())));
}

void VistaSuperficie::mouseReleaseEvent(QMouseEvent* ev) {
    if (rect().contains(ev->position().toPoint())) emit pulsado();
}

void VistaSuperficie::dragEnterEvent(QDragEnterEvent* ev) {
    if (ev->mimeData()->hasFormat(kMimeMarcador)) ev->acceptProposedAction();
}

void VistaSuperficie::dragMoveEvent(QDragMoveEvent* ev) {
    if (ev->mimeData()->hasFormat(kMimeMarcador)) ev->acceptProposedAction();
}

void VistaSuperficie::dropEvent(QDropEvent* ev) {
    if (!ev->mimeData()->hasFormat(kMimeMarcador)) return;
    ev->acceptProposedAction();
    // Markers sit on the view; a drop over one of them lands at the pointer all the same.
    const QPointF p = ev->position();
    emit soltado_arrastre(float(sup_.x_unidades(p.x())), float(sup_.y_unidades(p.y())));
}

}  // namespace tya
