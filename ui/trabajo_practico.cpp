// SPDX-License-Identifier: GPL-3.0-or-later
#include "trabajo_practico.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>

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
    texto_ = new QPlainTextEdit(this);
    texto_->setObjectName(QStringLiteral("CajaTP"));
    // Nothing typed reaches the text; it can still be selected and scrolled.
    texto_->setReadOnly(true);
    texto_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    v->addWidget(texto_, 1);
    auto* h = new QHBoxLayout;
    auto boton = [this, h](const char* nombre, const QString& caption, void (TrabajoPractico::*accion)()) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(QLatin1String(nombre));
        b->setAutoDefault(false);
        h->addWidget(b);
        connect(b, &QPushButton::clicked, this, accion);
    };
    boton("Command4", QStringLiteral("Copiar al Portapapeles"), &TrabajoPractico::copiar);
    boton("ImpTP", QStringLiteral("Imprimir"), &TrabajoPractico::imprimir);
    h->addStretch(1);
    boton("CerrarTP", QStringLiteral("Cerrar"), &TrabajoPractico::cerrar);
    v->addLayout(h);
}

void TrabajoPractico::trabajo_practico(int& modo) {
    // Printing leaves the box as it is: only loading replaces its text, and the same text
    // reopens where the reader left it.
    const QString antes = texto_->toPlainText();
    const int desplazamiento = texto_->verticalScrollBar()->value();
    if (modo == 0) texto_->clear();
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
        const QString nuevo = lineas.join(QLatin1Char('\n'));
        texto_->setPlainText(nuevo);
        if (nuevo == antes) texto_->verticalScrollBar()->setValue(desplazamiento);
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const ResultadoImpresion r = impresora_.imprimir(
        QStringLiteral("trabajo-practico"), [&](QPagedPaintDevice& d, QString& e) { return dibujar_lineas(d, lineas, e); });
    QApplication::restoreOverrideCursor();
    if (const QString m = mensaje_impresion(r); !m.isEmpty()) dialogos_.mensaje(m);
}

void TrabajoPractico::imprimir() {
    int modo = 1;
    trabajo_practico(modo);
}

void TrabajoPractico::copiar() {
    QApplication::clipboard()->clear();
    // The box's lines as the text file had them, each ended by CR LF.
    const QString t = texto_->toPlainText();
    QApplication::clipboard()->setText(t.isEmpty() ? t : con_crlf(t.split(QLatin1Char('\n'))));
}

void TrabajoPractico::cerrar() {
    hide();
    escena_.redibujar_escena();
    emit cerrado();
}

}  // namespace tya
