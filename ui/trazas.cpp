// SPDX-License-Identifier: GPL-3.0-or-later
#include "trazas.h"

#include <QClipboard>
#include <QDir>
#include <QGridLayout>
#include <QGuiApplication>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

#include "core/traduccion.h"
#include "files/sesion.h"
#include "foco.h"

namespace tya {

Trazas::Trazas(const QString& carpeta, std::function<void()> cerrar_archivos, QWidget* padre)
    : QDialog(padre), carpeta_(carpeta), cerrar_archivos_(std::move(cerrar_archivos)) {
    setWindowTitle(Trayecta::tr("Archivos de Sesiones Realizadas"));
    setObjectName(QStringLiteral("Trazas"));
    auto* g = new QGridLayout(this);
    lista = new QListWidget(this);
    lista->setObjectName(QStringLiteral("File1"));
    lista->setAccessibleName(Trayecta::tr("Bitácoras de sesión"));
    lista->addItems(listar_logs(carpeta_).nombres);
    lista->setFixedWidth(140);
    texto = new QPlainTextEdit(this);
    texto->setObjectName(QStringLiteral("Text1"));
    texto->setAccessibleName(Trayecta::tr("Contenido de la bitácora"));
    QFont fija(QStringLiteral("Courier New"));
    fija.setStyleHint(QFont::TypeWriter);
    fija.setFixedPitch(true);
    texto->setFont(fija);
    texto->setLineWrapMode(QPlainTextEdit::NoWrap);
    // A log is read here, not written; Tab moves on to the buttons.
    texto->setReadOnly(true);
    texto->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    texto->setTabChangesFocus(true);
    texto->setMinimumSize(520, 300);
    auto boton = [this](const char* nombre, const QString& caption) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(QLatin1String(nombre));
        b->setAutoDefault(false);
        return b;
    };
    aceptar = boton("Command2", Trayecta::tr("Aceptar"));
    boton_copiar = boton("Command3", Trayecta::tr("Copiar  al Portapapeles"));
    boton_cerrar = boton("Command1", Trayecta::tr("Cerrar"));
    g->addWidget(lista, 0, 0);
    g->addWidget(texto, 0, 1, 1, 3);
    g->addWidget(aceptar, 1, 0);
    g->addWidget(boton_copiar, 1, 1);
    g->addWidget(boton_cerrar, 1, 3);
    foco_visible(this);
    connect(lista, &QListWidget::itemDoubleClicked, this, &Trazas::mostrar_seleccionado);
    connect(aceptar, &QPushButton::clicked, this, &Trazas::mostrar_seleccionado);
    connect(boton_copiar, &QPushButton::clicked, this, &Trazas::copiar);
    connect(boton_cerrar, &QPushButton::clicked, this, &Trazas::cerrar);
}

void Trazas::mostrar_seleccionado() {
    texto->clear();
    if (cerrar_archivos_) cerrar_archivos_();
    const QListWidgetItem* it = lista->currentItem();
    if (!it) return;
    QString t = texto_log(QDir(carpeta_).filePath(it->text()));
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));  // the text box ends its lines itself
    texto->setPlainText(t);
}

void Trazas::copiar() {
    QClipboard* c = QGuiApplication::clipboard();
    c->clear();
    QString t = texto->toPlainText();
    t.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    c->setText(t);
}

void Trazas::cerrar() { hide(); }

}  // namespace tya
