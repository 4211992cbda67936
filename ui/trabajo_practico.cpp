// SPDX-License-Identifier: GPL-3.0-or-later
#include "trabajo_practico.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>

#include "core/archivo_texto.h"
#include "core/idioma.h"
#include "core/traduccion.h"
#include "files/impresion.h"
#include "platform/dialogos.h"
#include "platform/impresora.h"
#include "scene/escena.h"

namespace tya {

TrabajoPractico::TrabajoPractico(Escena& escena, Dialogos& dialogos, Impresora& impresora, const QString& directorio,
                                 QWidget* padre)
    : QGroupBox(Trayecta::tr("Trabajo Práctico"), padre),
      escena_(escena),
      dialogos_(dialogos),
      impresora_(impresora),
      dir_(directorio) {
    setObjectName(QStringLiteral("Frame4"));
    setAutoFillBackground(true);
    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(6, 4, 6, 6);
    texto_ = new QPlainTextEdit(this);
    texto_->setObjectName(QStringLiteral("CajaTP"));
    texto_->setAccessibleName(Trayecta::tr("Texto del trabajo práctico"));
    texto_->setTabChangesFocus(true);  // read here, not written: Tab goes on to the buttons
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
    boton("Command4", Trayecta::tr("Copiar al Portapapeles"), &TrabajoPractico::copiar);
    boton("ImpTP", Trayecta::tr("Imprimir"), &TrabajoPractico::imprimir);
    h->addStretch(1);
    boton("CerrarTP", Trayecta::tr("Cerrar"), &TrabajoPractico::cerrar);
    v->addLayout(h);
}

bool TrabajoPractico::leer(QStringList& lineas) {
    escena_.retenido(false);
    QString error;
    if (leer_lineas(ruta_texto(dir_, QStringLiteral("tpract.txt")), lineas, error)) return true;
    dialogos_.mensaje(error);
    return false;
}

void TrabajoPractico::cargar() {
    const QString antes = texto_->toPlainText();
    const int desplazamiento = texto_->verticalScrollBar()->value();
    texto_->clear();
    QStringList lineas;
    if (!leer(lineas)) return;
    const QString nuevo = lineas.join(QLatin1Char('\n'));
    texto_->setPlainText(nuevo);
    if (nuevo == antes) texto_->verticalScrollBar()->setValue(desplazamiento);
}

void TrabajoPractico::imprimir() {
    QStringList lineas;
    if (!leer(lineas)) return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const ResultadoImpresion r = impresora_.imprimir(
        QStringLiteral("trabajo-practico"),
        [&](QPagedPaintDevice& d, QString& e) { return dibujar_lineas(d, lineas, e); });
    QApplication::restoreOverrideCursor();
    if (const QString m = mensaje_impresion(r); !m.isEmpty()) dialogos_.mensaje(m);
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
