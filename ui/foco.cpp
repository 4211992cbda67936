// SPDX-License-Identifier: GPL-3.0-or-later
#include "foco.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
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
        case QEvent::ZOrderChange:
            revisar();
            break;
        default:
            break;
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
                cubierto = paneles[j]->isVisible() && paneles[j]->autoFillBackground() &&
                           paneles[j]->geometry().intersects(r);
            if (cubierto && !propia.isValid()) {
                w->setProperty(kPoliticaPropia, static_cast<int>(w->focusPolicy()));
                w->setFocusPolicy(Qt::NoFocus);
                if (w->hasFocus()) paneles[i]->parentWidget()->setFocus(Qt::TabFocusReason);
            } else if (!cubierto && propia.isValid()) {
                w->setFocusPolicy(static_cast<Qt::FocusPolicy>(propia.toInt()));
                w->setProperty(kPoliticaPropia, QVariant());
            }
        }
    }
}

namespace {
// The toolkit hides the focus frame whenever a window is activated; when the window has just
// been shown, the frame is put back once the activation has given the focus out. Later
// activations and clicks leave the frame as the toolkit has it.
class FocoAlAbrirse : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* o, QEvent* ev) override {
        const bool abierta = ev->type() == QEvent::Show;
        if (!abierta && !(ev->type() == QEvent::WindowActivate && recien_abierta_)) return false;
        recien_abierta_ = abierta;
        QPointer<QWidget> w = static_cast<QWidget*>(o);
        QTimer::singleShot(0, this, [w] {
            if (!w) return;
            w->setAttribute(Qt::WA_KeyboardFocusChange);
            if (QWidget* f = w->focusWidget()) f->update();
        });
        return false;
    }

private:
    bool recien_abierta_ = false;
};
}  // namespace

void foco_visible(QWidget* ventana) {
    ventana->setAttribute(Qt::WA_KeyboardFocusChange);
    ventana->installEventFilter(new FocoAlAbrirse(ventana));
}

bool tiene_el_foco(const QWidget* w) {
    const QWidget* f = QApplication::focusWidget();
    return !f || f == w || w->isAncestorOf(f);
}

void RetornoFoco::recordar(const QWidget* abierto) {
    QWidget* f = QApplication::focusWidget();
    if (f && f != abierto && !abierto->isAncestorOf(f)) {
        antes_ = f;
        visible_ = f->window()->testAttribute(Qt::WA_KeyboardFocusChange);
    }
}

void RetornoFoco::devolver() {
    QWidget* w = antes_;
    antes_ = nullptr;
    if (!w || !w->isVisible() || !w->isEnabled()) return;
    w->window()->activateWindow();
    // Shown as it was: framed when the student was using the keys, not after a click.
    w->setFocus(visible_ ? Qt::TabFocusReason : Qt::OtherFocusReason);
}

}  // namespace tya
