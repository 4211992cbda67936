// SPDX-License-Identifier: GPL-3.0-or-later
#include "form2.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QThread>
#include <QVBoxLayout>

#include "platform/reloj.h"

namespace tya {

Form2::Form2(QWidget* padre) : QWidget(padre, Qt::Window) {
    setWindowTitle(QStringLiteral("Trayecta // Fisilab"));
    setObjectName(QStringLiteral("Form2"));
    auto* l = new QVBoxLayout(this);
    auto* titulo = new QLabel(QStringLiteral("TRAYECTA"), this);
    titulo->setObjectName(QStringLiteral("Label1"));
    QFont f = titulo->font();
    f.setPointSize(36);
    f.setBold(true);
    titulo->setFont(f);
    titulo->setAlignment(Qt::AlignCenter);
    titulo->setStyleSheet(QStringLiteral("color: rgb(0,0,160);"));
    titulo->setAttribute(Qt::WA_TransparentForMouseEvents);
    auto* sub = new QLabel(QStringLiteral("Fisilab"), this);
    sub->setAlignment(Qt::AlignCenter);
    sub->setAttribute(Qt::WA_TransparentForMouseEvents);
    l->addWidget(titulo);
    l->addWidget(sub);
    resize(420, 220);
}

void Form2::mostrar(Reloj& reloj) {
    pulsado = false;
    show();
    if (QScreen* s = screen()) move(s->availableGeometry().center() - rect().center());
    const double marca = reloj.segundos();
    for (;;) {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
        const double ahora = reloj.segundos();
        if (pulsado || ahora < marca || ahora - marca > 3) break;
        QThread::msleep(10);
    }
    hide();
}

void Form2::mousePressEvent(QMouseEvent*) { pulsado = true; }

}  // namespace tya
