#include "trabajo_practico.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>

#include "core/archivo_texto.h"
#include "files/impresion.h"
#include "platform/dialogos.h"
#include "platform/impresora.h"
#include "scene/escena.h"

namespace tya {

TrabajoPractico::TrabajoPractico(Escena& escena, Dialogos& dialogos, Impresora& impresora,
                                 const QString& directorio, QWidget* padre)
    : QGroupBox(QStringLiteral("Trabajo Práctico"), padre), escena_(escena), dialogos_(dialogos),
      impresora_(impresora), dir_(directorio) {
    setObjectName(QStringLiteral("Frame4"));
    setAutoFillBackground(true);
    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(6, 4, 6, 6);
    CajaTP = new QPlainTextEdit(this);
    CajaTP->setObjectName(QStringLiteral("CajaTP"));
    // Nothing typed reaches the text; it can still be selected and scrolled.
    CajaTP->setReadOnly(true);
    CajaTP->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    v->addWidget(CajaTP, 1);
    auto* h = new QHBoxLayout;
    auto boton = [this, h](const char* nombre, const QString& caption) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(QLatin1String(nombre));
        b->setAutoDefault(false);
        h->addWidget(b);
        return b;
    };
    Command4 = boton("Command4", QStringLiteral("Copiar al Portapapeles"));
    ImpTP = boton("ImpTP", QStringLiteral("Imprimir"));
    h->addStretch(1);
    CerrarTP = boton("CerrarTP", QStringLiteral("Cerrar"));
    v->addLayout(h);
    connect(Command4, &QPushButton::clicked, this, &TrabajoPractico::Command4_Click);
    connect(ImpTP, &QPushButton::clicked, this, &TrabajoPractico::ImpTP_Click);
    connect(CerrarTP, &QPushButton::clicked, this, &TrabajoPractico::CerrarTP_Click);
}

void TrabajoPractico::trabajo_practico(int& modo) {
    // Printing leaves the box as it is: only loading replaces its text.
    if (modo == 0) CajaTP->clear();
    escena_.retenido(false);
    QStringList lineas;
    QString error;
    const bool leido = leer_lineas(QDir(dir_).filePath(QStringLiteral("tpract.txt")), lineas, error);
    const int pedido = modo;
    modo = 0;
    if (!leido) {
        dialogos_.mensaje(error);
        return;
    }
    if (pedido == 0) {
        CajaTP->setPlainText(lineas.join(QLatin1Char('\n')));
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const ResultadoImpresion r = impresora_.imprimir(
        QStringLiteral("trabajo-practico"), [&](QPagedPaintDevice& d, QString& e) { return dibujar_lineas(d, lineas, e); });
    QApplication::restoreOverrideCursor();
    if (const QString m = mensaje_impresion(r); !m.isEmpty()) dialogos_.mensaje(m);
}

void TrabajoPractico::ImpTP_Click() {
    int modo = 1;
    trabajo_practico(modo);
}

void TrabajoPractico::Command4_Click() {
    QApplication::clipboard()->clear();
    // The box's lines as the text file had them, each ended by CR LF.
    const QString t = CajaTP->toPlainText();
    QApplication::clipboard()->setText(t.isEmpty() ? t : con_crlf(t.split(QLatin1Char('\n'))));
}

void TrabajoPractico::CerrarTP_Click() {
    hide();
    escena_.redibujar_escena();
    emit cerrado();
}

}  // namespace tya
