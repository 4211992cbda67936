// SPDX-License-Identifier: GPL-3.0-or-later
#include "controles.h"

#include <QAction>
#include <QDrag>
#include <QDragEnterEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <memory>

#include "core/experiment_state.h"
#include "core/traduccion.h"
#include "accesible.h"
#include "platform/reloj.h"

namespace tya {

// Faces of the launch and stop buttons and the spin arrows.
void cara_lanzar(Superficie& s) {
    s.modo(Modo::Copia);
    for (double x = 3; x <= 8; x += 0.25) {
        const double h = (8 - x) * 0.6;
        s.linea(x, 5 - h, x, 5 + h, rgb(0, 128, 0));
    }
}
void cara_parar(Superficie& s) {
    s.modo(Modo::Copia);
    s.caja(2.5, 2.5, 7.5, 7.5, rgb(200, 0, 0));
}
void cara_flecha(Superficie& s, bool arriba) {
    s.modo(Modo::Copia);
    for (int k = 0; k < 5; ++k) {
        const double y = arriba ? 4 + k : 9 - k;
        s.linea(8 - k, y, 8 + k, y, rgb(0, 0, 0));
    }
}
void cara_flecha_lado(Superficie& s, bool derecha) {
    s.modo(Modo::Copia);
    for (int k = 0; k < 5; ++k) {
        const double x = derecha ? 6 + k : 10 - k;
        s.linea(x, 6.5 - (4 - k), x, 6.5 + (4 - k), rgb(0, 0, 0));
    }
}

QGroupBox* nuevo_marco(const char* nombre, const QString& caption, QWidget* padre) {
    auto* g = new QGroupBox(caption, padre);
    g->setObjectName(QLatin1String(nombre));
    g->setAutoFillBackground(true);
    return g;
}

QPushButton* nuevo_boton(const char* nombre, const QString& caption, QWidget* padre) {
    auto* b = new QPushButton(caption, padre);
    b->setObjectName(QLatin1String(nombre));
    b->setAutoDefault(false);
    return b;
}

BotonImagen::BotonImagen(int ancho_px, int alto_px, double ancho_u, double alto_u, QWidget* padre)
    : QWidget(padre), sup_(ancho_px, alto_px, rgb(192, 192, 192)), ancho_u_(ancho_u), alto_u_(alto_u) {
    instalar_interfaces_accesibles();
    sup_.escala(0, 0, ancho_u, alto_u);
    sup_.retenido(true);
    setFixedSize(ancho_px, alto_px);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
}

void BotonImagen::nombrar(const QString& nombre, const QString& descripcion) {
    setAccessibleName(nombre);
    setAccessibleDescription(descripcion);
    setToolTip(nombre);
}

void BotonImagen::keyPressEvent(QKeyEvent* ev) {
    switch (ev->key()) {
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (!ev->isAutoRepeat() || ev->key() != Qt::Key_Space) emit clic();
            break;
        default:
            QWidget::keyPressEvent(ev);
            return;
    }
    ev->accept();
}

void BotonImagen::focusInEvent(QFocusEvent* ev) {
    update();
    QWidget::focusInEvent(ev);
}

void BotonImagen::focusOutEvent(QFocusEvent* ev) {
    update();
    QWidget::focusOutEvent(ev);
}

void BotonImagen::presionar_y(Reloj& reloj, const std::function<void()>& mientras) {
    const double marca = reloj.segundos();
    const Modo antes = sup_.modo();
    sup_.modo(Modo::InvertirFondo);
    sup_.caja(0, 0, ancho_u_, alto_u_, rgb(100, 100, 100));
    repaint();
    if (mientras) mientras();
    esperar_desde(reloj, marca, 0.1);
    sup_.caja(0, 0, ancho_u_, alto_u_, rgb(100, 100, 100));
    sup_.modo(antes);
    repaint();
}

void BotonImagen::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, sup_.imagen());
    // The focus is painted over the face, never into it: the face's pixels stay the picture's.
    if (hasFocus()) {
        p.setPen(QPen(Qt::black, 1, Qt::DotLine));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void BotonImagen::mouseReleaseEvent(QMouseEvent* ev) {
    if (ev->button() == Qt::LeftButton && rect().contains(ev->position().toPoint())) emit clic();
}

Marcador::Marcador(bool blanco, QWidget* padre) : QWidget(padre), blanco_(blanco) {
    setFixedSize(7, 7);
    setAttribute(Qt::WA_TranslucentBackground);
    setAccessibleName(blanco ? Trayecta::tr("Marcador del blanco") : Trayecta::tr("Cruz del punto de lanzamiento"));
    setAccessibleDescription(
        blanco ? Trayecta::tr("Se arrastra con el mouse; con la escena enfocada, Tab lo elige y las flechas lo mueven")
               : Trayecta::tr("Se arrastra con el mouse; con la escena enfocada, las flechas la mueven"));
}

QPixmap Marcador::imagen() const {
    QPixmap pm(7, 7);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    if (blanco_) {
        p.fillRect(1, 0, 5, 7, Qt::white);
        p.fillRect(0, 1, 7, 5, Qt::white);
        p.setPen(Qt::black);
        p.drawLine(1, 0, 5, 0);
        p.drawLine(1, 6, 5, 6);
        p.drawLine(0, 1, 0, 5);
        p.drawLine(6, 1, 6, 5);
        p.fillRect(2, 2, 3, 3, QColor(255, 0, 0));
    } else {
        p.setPen(Qt::black);
        p.drawLine(3, 0, 3, 6);
        p.drawLine(0, 3, 6, 3);
    }
    return pm;
}

void Marcador::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawPixmap(0, 0, imagen());
}

void Marcador::mousePressEvent(QMouseEvent*) {
    emit presionado();
    auto* drag = new QDrag(this);
    auto* datos = new QMimeData;
    datos->setData(kMimeMarcador, QByteArray(blanco_ ? "2" : "1"));
    drag->setMimeData(datos);
    drag->setPixmap(imagen());
    drag->setHotSpot(QPoint(3, 3));
    drag->exec(Qt::MoveAction);
}

QString CajaTexto::filtrado(const QString& texto) {
    QString r;
    for (QChar c : texto)
        if (c.isPrint() && (!filtro || filtro(c))) r += c;
    return r;
}

void CajaTexto::pegar(QClipboard::Mode modo) {
    if (isReadOnly()) return;
    const QString t = filtrado(QGuiApplication::clipboard()->text(modo));
    if (!t.isEmpty()) insert(t);
}

void CajaTexto::mouseReleaseEvent(QMouseEvent* ev) {
    if (ev->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection()) {
        if (rect().contains(ev->position().toPoint())) {
            deselect();
            pegar(QClipboard::Selection);
        }
        return;
    }
    QLineEdit::mouseReleaseEvent(ev);
}

void CajaTexto::contextMenuEvent(QContextMenuEvent* ev) {
    std::unique_ptr<QMenu> menu(createStandardContextMenu());
    // The toolkit's entry pastes unfiltered; it is known by its caption, "&Paste" as Qt's own
    // catalogue translates it (named apart, so it is not taken for one of the program's texts).
    static const char* const pegar_qt = "&Paste";
    for (QAction* a : menu->actions()) {
        if (a->text().section(QLatin1Char('\t'), 0, 0) != QLineEdit::tr(pegar_qt)) continue;
        disconnect(a, &QAction::triggered, nullptr, nullptr);
        connect(a, &QAction::triggered, this, [this] { pegar(QClipboard::Clipboard); });
    }
    menu->exec(ev->globalPos());
}

void CajaTexto::dropEvent(QDropEvent* ev) {
    QMimeData datos;
    datos.setText(filtrado(ev->mimeData()->text()));
    QDropEvent filtrada(ev->position(), ev->possibleActions(), &datos, ev->buttons(), ev->modifiers());
    QLineEdit::dropEvent(&filtrada);
    ev->setDropAction(filtrada.dropAction());
    ev->setAccepted(filtrada.isAccepted());
}

void CajaTexto::inputMethodEvent(QInputMethodEvent* ev) {
    if (ev->commitString().isEmpty()) return QLineEdit::inputMethodEvent(ev);
    QInputMethodEvent filtrada(ev->preeditString(), ev->attributes());
    filtrada.setCommitString(filtrado(ev->commitString()), ev->replacementStart(), ev->replacementLength());
    QLineEdit::inputMethodEvent(&filtrada);
}

void CajaTexto::keyPressEvent(QKeyEvent* ev) {
    if (ev->matches(QKeySequence::Paste)) return pegar(QClipboard::Clipboard);
    const QString t = ev->text();
    const bool caracter = t.size() == 1 && (t[0].isPrint() || t[0] == QChar(8) || t[0] == QChar(13));
    if (caracter && !(ev->modifiers() & Qt::ControlModifier) && filtro && !filtro(t[0])) return;
    QLineEdit::keyPressEvent(ev);
}

}  // namespace tya
