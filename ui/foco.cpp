// SPDX-License-Identifier: GPL-3.0-or-later
#include "foco.h"

#include <QApplication>
#include <QEvent>
#include <QVariant>
#include <QWidget>

namespace tya {

namespace {
// The focus policy a covered control had, kept on it until it is uncovered.
constexpr const char* kPoliticaPropia = "tya_politica_foco";
}  // namespace

FocoCubierto::FocoCubierto(QWidget* contenedor) : QObject(contenedor), contenedor_(contenedor) {
    contenedor_->installEventFilter(this);
    for (QObject* h : contenedor_->children()) vigilar(h);
}

void FocoCubierto::vigilar(QObject* hijo) {
    if (hijo->isWidgetType()) hijo->installEventFilter(this);
}

bool FocoCubierto::eventFilter(QObject* o, QEvent* ev) {
    if (o == contenedor_) {
        if (ev->type() == QEvent::ChildAdded) vigilar(static_cast<QChildEvent*>(ev)->child());
        return false;
    }
    switch (ev->type()) {
    case QEvent::Show:
    case QEvent::Hide:
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::ZOrderChange: revisar(); break;
    default: break;
    }
    return false;
}

void FocoCubierto::revisar() {
    // The children's order is their stacking order: a later one lies over an earlier one.
    QList<QWidget*> paneles;
    for (QObject* h : contenedor_->children())
        if (h->isWidgetType()) paneles << static_cast<QWidget*>(h);
    for (qsizetype i = 0; i < paneles.size(); ++i) {
        QList<QWidget*> controles = paneles[i]->findChildren<QWidget*>();
        controles.prepend(paneles[i]);
        for (QWidget* w : controles) {
            const QVariant propia = w->property(kPoliticaPropia);
            if (!propia.isValid() && w->focusPolicy() == Qt::NoFocus) continue;
            const QRect r(w->mapTo(contenedor_, QPoint()), w->size());
            bool cubierto = false;
            for (qsizetype j = i + 1; j < paneles.size() && !cubierto; ++j)
                cubierto = paneles[j]->isVisible() && paneles[j]->autoFillBackground() && paneles[j]->geometry().intersects(r);
            if (cubierto && !propia.isValid()) {
                w->setProperty(kPoliticaPropia, static_cast<int>(w->focusPolicy()));
                w->setFocusPolicy(Qt::NoFocus);
                if (w->hasFocus()) paneles[i]->parentWidget()->setFocus(Qt::OtherFocusReason);
            } else if (!cubierto && propia.isValid()) {
                w->setFocusPolicy(static_cast<Qt::FocusPolicy>(propia.toInt()));
                w->setProperty(kPoliticaPropia, QVariant());
            }
        }
    }
}

void foco_visible(QWidget* ventana) { ventana->setAttribute(Qt::WA_KeyboardFocusChange); }

void RetornoFoco::recordar(const QWidget* abierto) {
    QWidget* f = QApplication::focusWidget();
    if (f && f != abierto && !abierto->isAncestorOf(f)) antes_ = f;
}

void RetornoFoco::devolver() {
    QWidget* w = antes_;
    antes_ = nullptr;
    if (!w || !w->isVisible() || !w->isEnabled()) return;
    w->window()->activateWindow();
    w->setFocus(Qt::OtherFocusReason);
}

}  // namespace tya
