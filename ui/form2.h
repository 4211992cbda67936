// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The splash window shown while the program starts.
#include <QWidget>

namespace tya {

class Reloj;

class Form2 : public QWidget {
    Q_OBJECT
public:
    explicit Form2(QWidget* padre = nullptr);
    // Shows itself for 3 s or until clicked, letting events run, then hides.
    void mostrar(Reloj& reloj);
    bool pulsado = false;

protected:
    void mousePressEvent(QMouseEvent*) override;
};

}  // namespace tya
