// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Keeping the keyboard's focus where a student sees it: never on a control another panel
// covers, shown from the moment a window opens, and back where it was when a panel closes.
#include <QObject>
#include <QPointer>

class QWidget;

namespace tya {

// The panels standing on `contenedor` (the scene) cover each other: a control under a panel
// that fills its background leaves the Tab chain while covered and comes back when uncovered.
class FocoCubierto : public QObject {
    Q_OBJECT
public:
    explicit FocoCubierto(QWidget* contenedor);
    void revisar();

protected:
    bool eventFilter(QObject* o, QEvent* ev) override;

private:
    void vigilar(QObject* hijo);
    QWidget* contenedor_;
};

// The focus frame drawn from the first moment `ventana` shows, not only after the first Tab.
void foco_visible(QWidget* ventana);

// The focus is on `w` or inside it, or on no window of the program at all.
bool tiene_el_foco(const QWidget* w);

// Where the focus was when a panel or window opened; it goes back there when it closes.
class RetornoFoco {
public:
    // Remembers the focused widget unless it lies inside `abierto`, the panel now opening.
    void recordar(const QWidget* abierto);
    // The focus back to the remembered widget, if it is still there to take it.
    void devolver();

private:
    QPointer<QWidget> antes_;
    bool visible_ = false;  // its focus frame showed
};

}  // namespace tya
