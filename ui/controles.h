// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Small controls of the main window: picture buttons, markers, entry boxes.
#include <QClipboard>
#include <QLineEdit>
#include <QWidget>
#include <functional>

#include "platform/superficie.h"
#include "vista_superficie.h"

class QGroupBox;
class QPainter;
class QPushButton;

namespace tya {

class Reloj;

// Faces of the launch and stop buttons and of the arrows.
void cara_lanzar(Superficie& s);
void cara_parar(Superficie& s);
void cara_flecha(Superficie& s, bool arriba);
void cara_flecha_lado(Superficie& s, bool derecha);

// A framed panel with its caption, standing on the scene and hiding what lies under it.
QGroupBox* nuevo_marco(const char* nombre, const QString& caption, QWidget* padre);
// A push button that Enter does not press by default.
QPushButton* nuevo_boton(const char* nombre, const QString& caption, QWidget* padre);

// A picture used as a button: its face is drawn on a surface of its own, and the pressed
// look inverts it for a tenth of a second. It takes the focus, shows it with a dotted frame,
// and Space or Enter presses it; a screen reader knows it as a button by `nombre`.
class BotonImagen : public QWidget {
    Q_OBJECT
public:
    BotonImagen(int ancho_px, int alto_px, double ancho_u, double alto_u, QWidget* padre);
    // What a screen reader says of it: what it is, and what pressing it does.
    void nombrar(const QString& nombre, const QString& descripcion);
    Superficie& superficie() { return sup_; }
    // The pressed look, with `mientras` run while it shows; the tenth of a second counts from
    // the press, so a quick `mientras` does not lengthen it.
    void presionar_y(Reloj& reloj, const std::function<void()>& mientras = {});

signals:
    void clic();

protected:
    void paintEvent(QPaintEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;
    void keyPressEvent(QKeyEvent*) override;
    void focusInEvent(QFocusEvent*) override;
    void focusOutEvent(QFocusEvent*) override;

private:
    Superficie sup_;
    double ancho_u_, alto_u_;
};

// The 7 by 7-pixel launch-point and target markers.
class Marcador : public QWidget {
    Q_OBJECT
public:
    Marcador(bool blanco, QWidget* padre);
    QPixmap imagen() const;

signals:
    void presionado();

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;

private:
    bool blanco_;
};

// A text box whose characters, typed, pasted or dropped, pass through a filter first.
class CajaTexto : public QLineEdit {
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;
    std::function<bool(QChar)> filtro;  // false: the key is discarded

protected:
    void keyPressEvent(QKeyEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;
    void contextMenuEvent(QContextMenuEvent*) override;
    void dropEvent(QDropEvent*) override;
    void inputMethodEvent(QInputMethodEvent*) override;

private:
    // The characters of `texto` the filter takes, each offered as a typed key.
    QString filtrado(const QString& texto);
    void pegar(QClipboard::Mode modo);
};

}  // namespace tya
