// SPDX-License-Identifier: GPL-3.0-or-later
#include "sugiere.h"

#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QGridLayout>
#include <QPlainTextEdit>
#include <QPushButton>

#include "core/inic.h"
#include "core/traduccion.h"
#include "foco.h"

namespace tya {

// Broken into lines by hand: the boxes are narrow and do not wrap them.
//: Short lines: the box is 170 pixels wide.
const char* const Sugiere::kTexto1 = QT_TRANSLATE_NOOP(
    "Trayecta", "* Haga Click y \nArrastre el punto \nde lanzamiento\n(Cruz del origen)");
//: Short lines: the box is 170 pixels wide.
const char* const Sugiere::kTexto2 = QT_TRANSLATE_NOOP(
    "Trayecta",
    "* Haga Click en los \npuntos graficados\npara obtener los\nvectores :\nVelocidad: verde\nAceleracion: rojo");
//: Three lines: the box is 344 pixels wide.
const char* const Sugiere::kTexto3 = QT_TRANSLATE_NOOP(
    "Trayecta", "¿ Desea que este anuncio \n aparezca al arrancar \nluego el programa ?");

Sugiere::Sugiere(const QString& archivo, QWidget* padre) : QDialog(padre), archivo_(archivo) {
    setWindowTitle(Trayecta::tr("Sugerencias"));
    setObjectName(QStringLiteral("Sugiere"));
    auto* g = new QGridLayout(this);
    auto texto = [this](const char* nombre, const char* t) {
        auto* e = new QPlainTextEdit(this);
        e->setObjectName(QLatin1String(nombre));
        e->setPlainText(Trayecta::tr(t).trimmed());
        e->setReadOnly(true);
        e->setFixedSize(170, 110);
        return e;
    };
    QPlainTextEdit* t1 = texto("Text1", kTexto1);
    QPlainTextEdit* t2 = texto("Text2", kTexto2);
    t1->setAccessibleName(Trayecta::tr("Sugerencia: el punto de lanzamiento"));
    t2->setAccessibleName(Trayecta::tr("Sugerencia: los vectores de una marca"));
    g->addWidget(t1, 0, 0);
    g->addWidget(t2, 0, 1);
    auto* t3 = texto("Text3", kTexto3);
    t3->setAccessibleName(Trayecta::tr("Pregunta"));
    t3->setFixedSize(344, 64);
    g->addWidget(t3, 1, 0, 1, 2);
    // The button called Cancelar answers yes and the one called si answers no.
    auto* cancelar = new QPushButton(Trayecta::tr("Si"), this);
    cancelar->setObjectName(QStringLiteral("Cancelar"));
    auto* si = new QPushButton(Trayecta::tr("No"), this);
    si->setObjectName(QStringLiteral("si"));
    cancelar->setAutoDefault(false);
    si->setAutoDefault(false);
    g->addWidget(cancelar, 2, 0);
    g->addWidget(si, 2, 1);
    connect(cancelar, &QPushButton::clicked, this, [this] { responder(1); });
    connect(si, &QPushButton::clicked, this, [this] { responder(0); });
    cancelar->setFocus();  // a visible focus from the start, on the answer that keeps things as they are
    foco_visible(this);
}

namespace {
// Ends a local loop when the watched window is hidden.
class AlOcultarse : public QObject {
public:
    AlOcultarse(QWidget* w, QEventLoop& bucle) : bucle_(bucle) {
        w->installEventFilter(this);
        connect(w, &QObject::destroyed, &bucle, &QEventLoop::quit);
    }
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Hide) bucle_.quit();
        return false;
    }

private:
    QEventLoop& bucle_;
};
}  // namespace

int Sugiere::exec() {
    // A message already up (a damaged file named at start) is answered first: shown over it,
    // the hints would hide it and take its keys.
    for (QWidget* m = QApplication::activeModalWidget(); m && m != this && m->isVisible();
         m = QApplication::activeModalWidget()) {
        QEventLoop bucle;
        AlOcultarse vigia(m, bucle);
        bucle.exec();
    }
    return QDialog::exec();
}

void Sugiere::responder(int valor) {
    escribir_valor(archivo_, valor);  // a failed write is passed over: the window closes anyway
    hide();
    accept();
}

}  // namespace tya
