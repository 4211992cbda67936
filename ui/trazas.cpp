#include "trazas.h"

#include <QClipboard>
#include <QDir>
#include <QGridLayout>
#include <QGuiApplication>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

#include "files/sesion.h"

namespace tya {

Trazas::Trazas(const QString& carpeta, std::function<void()> cerrar_archivos, QWidget* padre)
    : QDialog(padre), carpeta_(carpeta), cerrar_archivos_(std::move(cerrar_archivos)) {
    setWindowTitle(QStringLiteral("Archivos de Sesiones Realizadas"));
    setObjectName(QStringLiteral("Trazas"));
    auto* g = new QGridLayout(this);
    File1 = new QListWidget(this);
    File1->setObjectName(QStringLiteral("File1"));
    File1->addItems(listar_logs(carpeta_).nombres);
    File1->setFixedWidth(140);
    Text1 = new QPlainTextEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    QFont fija(QStringLiteral("Courier New"));
    fija.setStyleHint(QFont::TypeWriter);
    fija.setFixedPitch(true);
    Text1->setFont(fija);
    Text1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Text1->setMinimumSize(520, 300);
    auto boton = [this](const char* nombre, const QString& caption) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(QLatin1String(nombre));
        b->setAutoDefault(false);
        return b;
    };
    Command2 = boton("Command2", QStringLiteral("Aceptar"));
    Command3 = boton("Command3", QStringLiteral("Copiar  al Portapapeles"));
    Command1 = boton("Command1", QStringLiteral("Cerrar"));
    g->addWidget(File1, 0, 0);
    g->addWidget(Text1, 0, 1, 1, 3);
    g->addWidget(Command2, 1, 0);
    g->addWidget(Command3, 1, 1);
    g->addWidget(Command1, 1, 3);
    connect(File1, &QListWidget::itemDoubleClicked, this, &Trazas::File1_DblClick);
    connect(Command2, &QPushButton::clicked, this, &Trazas::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Trazas::Command3_Click);
    connect(Command1, &QPushButton::clicked, this, &Trazas::Command1_Click);
}

void Trazas::File1_DblClick() { mostrar_seleccionado(); }
void Trazas::Command2_Click() { mostrar_seleccionado(); }

void Trazas::mostrar_seleccionado() {
    Text1->clear();
    if (cerrar_archivos_) cerrar_archivos_();
    const QListWidgetItem* it = File1->currentItem();
    if (!it) return;
    QString t = texto_log(QDir(carpeta_).filePath(it->text()));
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));  // the text box ends its lines itself
    Text1->setPlainText(t);
}

void Trazas::Command3_Click() {
    QClipboard* c = QGuiApplication::clipboard();
    c->clear();
    QString t = Text1->toPlainText();
    t.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    c->setText(t);
}

void Trazas::Command1_Click() { hide(); }

}  // namespace tya
