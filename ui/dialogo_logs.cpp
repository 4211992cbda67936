// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogo_logs.h"

#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "core/traduccion.h"
#include "files/sesion.h"
#include "foco.h"

namespace tya {

DialogoLogs::DialogoLogs(int nlogs, int64_t tam_logs, QWidget* padre) : QDialog(padre) {
    setWindowTitle(Trayecta::tr("Dialog Caption"));
    setObjectName(QStringLiteral("Dialog"));
    auto* g = new QGridLayout(this);
    cuenta = new QPlainTextEdit(texto_dialogo_logs(nlogs, tam_logs), this);
    cuenta->setObjectName(QStringLiteral("Text1"));
    cuenta->setAccessibleName(Trayecta::tr("Bitácoras guardadas"));
    cuenta->setReadOnly(true);
    cuenta->setFocusPolicy(Qt::NoFocus);  // Enter must reach the default button
    cuenta->setFixedHeight(56);
    pregunta = new QLabel(kPreguntaDialogoLogs, this);
    pregunta->setObjectName(QStringLiteral("Label3"));
    pregunta->setWordWrap(true);
    aceptar = new QPushButton(Trayecta::tr("Aceptar"), this);
    aceptar->setObjectName(QStringLiteral("OKButton"));
    aceptar->setDefault(true);
    cancelar = new QPushButton(Trayecta::tr("Cancelar"), this);
    cancelar->setObjectName(QStringLiteral("CancelButton"));
    cancelar->setAutoDefault(false);
    g->addWidget(cuenta, 0, 0, 1, 2);
    g->addWidget(pregunta, 1, 0, 1, 2);
    g->addWidget(aceptar, 2, 0);
    g->addWidget(cancelar, 2, 1);
    setMinimumWidth(420);
    foco_visible(this);
    connect(aceptar, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelar, &QPushButton::clicked, this, &QDialog::reject);
}

}  // namespace tya
