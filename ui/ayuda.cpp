// SPDX-License-Identifier: GPL-3.0-or-later
#include "ayuda.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "core/traduccion.h"
#include "foco.h"

namespace tya {

VisorAyuda::VisorAyuda(const QString& ruta, ModoAyuda modo, QWidget* padre)
    : QDialog(padre), temas_(leer_ayuda(ruta, &error_)) {
    setWindowTitle(Trayecta::tr("Ayuda de Trayecta"));
    setObjectName(QStringLiteral("VisorAyuda"));
    auto* h = new QHBoxLayout(this);
    auto* izq = new QVBoxLayout;
    buscar_ = new QLineEdit(this);
    buscar_->setObjectName(QStringLiteral("buscar"));
    buscar_->setPlaceholderText(Trayecta::tr("Escriba una palabra"));
    lista_ = new QListWidget(this);
    lista_->setObjectName(QStringLiteral("temas"));
    lista_->setFixedWidth(220);
    lista_->setAccessibleName(Trayecta::tr("Temas de ayuda"));
    buscar_->setAccessibleName(Trayecta::tr("Buscar temas que contengan"));
    texto_ = new QTextBrowser(this);
    texto_->setObjectName(QStringLiteral("texto"));
    texto_->setAccessibleName(Trayecta::tr("Texto del tema"));
    const bool buscar = modo == ModoAyuda::Buscar;
    auto* rotulo = new QLabel(buscar ? Trayecta::tr("Buscar:") : Trayecta::tr("Contenidos:"), this);
    rotulo->setBuddy(buscar ? static_cast<QWidget*>(buscar_) : lista_);
    izq->addWidget(rotulo);
    izq->addWidget(buscar_);
    // Under the words typed, where the eye is when the list empties.
    ninguno_ = new QLabel(this);
    ninguno_->setObjectName(QStringLiteral("ninguno"));
    ninguno_->setWordWrap(true);
    ninguno_->setFixedWidth(220);
    ninguno_->hide();
    izq->addWidget(ninguno_);
    izq->addWidget(lista_);
    h->addLayout(izq);
    h->addWidget(texto_, 1);
    buscar_->setVisible(buscar);
    connect(buscar_, &QLineEdit::textChanged, this, &VisorAyuda::filtrar);
    connect(lista_, &QListWidget::currentRowChanged, this, [this](int fila) {
        if (QListWidgetItem* it = lista_->item(fila)) mostrar_tema(it->data(Qt::UserRole).toInt());
    });
    filtrar(QString());
    if (temas_.isEmpty())
        texto_->setPlainText(error_);
    else if (!buscar)
        lista_->setCurrentRow(0);
    if (buscar)
        buscar_->setFocus();
    else
        lista_->setFocus();
    foco_visible(this);
    resize(720, 460);
}

void VisorAyuda::filtrar(const QString& texto) {
    lista_->clear();
    const QList<int> hallados = temas_con(temas_, texto);
    for (int i : hallados) {
        auto* it = new QListWidgetItem(temas_[i].titulo, lista_);
        it->setData(Qt::UserRole, i);
    }
    const bool nada = hallados.isEmpty() && !temas_.isEmpty();
    ninguno_->setText(nada ? Trayecta::tr("Ningún tema contiene «%1». Pruebe con otra palabra.").arg(texto.trimmed())
                           : QString());
    ninguno_->setVisible(nada);
}

void VisorAyuda::mostrar_tema(int i) {
    if (i < 0 || i >= temas_.size()) return;
    texto_->setPlainText(temas_[i].titulo + QStringLiteral("\n\n") + temas_[i].texto);
}

}  // namespace tya
