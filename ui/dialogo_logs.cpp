#include "dialogo_logs.h"

#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "files/sesion.h"

namespace tya {

DialogoLogs::DialogoLogs(int nlogs, int64_t tam_logs, QWidget* padre) : QDialog(padre) {
    setWindowTitle(QStringLiteral("Dialog Caption"));
    setObjectName(QStringLiteral("Dialog"));
    auto* g = new QGridLayout(this);
    Text1 = new QPlainTextEdit(texto_dialogo_logs(nlogs, tam_logs), this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setReadOnly(true);
    Text1->setFocusPolicy(Qt::NoFocus);  // Enter must reach the default button
    Text1->setFixedHeight(56);
    Label3 = new QLabel(kPreguntaDialogoLogs, this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setWordWrap(true);
    OKButton = new QPushButton(QStringLiteral("Aceptar"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setDefault(true);
    CancelButton = new QPushButton(QStringLiteral("Cancelar"), this);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    CancelButton->setAutoDefault(false);
    g->addWidget(Text1, 0, 0, 1, 2);
    g->addWidget(Label3, 1, 0, 1, 2);
    g->addWidget(OKButton, 2, 0);
    g->addWidget(CancelButton, 2, 1);
    setMinimumWidth(420);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

}  // namespace tya
