// SPDX-License-Identifier: GPL-3.0-or-later
#include "ayuda.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "core/archivo_texto.h"

namespace tya {

QList<TemaAyuda> leer_ayuda(const QString& ruta, QString* error) {
    QList<TemaAyuda> temas;
    QStringList lineas;
    QString e;
    if (!leer_lineas(ruta, lineas, e)) {
        if (error) *error = e;
        return temas;
    }
    for (const QString& l : lineas) {
        if (l.startsWith(QLatin1String("# "))) {
            temas.append({l.mid(2).trimmed(), QString()});
        } else if (!temas.isEmpty()) {
            temas.last().texto += l + QLatin1Char('\n');
        }
    }
    for (TemaAyuda& t : temas) t.texto = t.texto.trimmed();
    if (temas.isEmpty() && error)
        *error = QStringLiteral("El archivo de ayuda %1 no tiene temas (cada tema empieza con una línea \"# título\").").arg(ruta);
    return temas;
}

VisorAyuda::VisorAyuda(const QString& ruta, int comando, QWidget* padre)
    : QDialog(padre), temas_(leer_ayuda(ruta, &error_)) {
    setWindowTitle(QStringLiteral("Ayuda de Trayecta"));
    setObjectName(QStringLiteral("VisorAyuda"));
    auto* h = new QHBoxLayout(this);
    auto* izq = new QVBoxLayout;
    buscar_ = new QLineEdit(this);
    buscar_->setObjectName(QStringLiteral("buscar"));
    buscar_->setPlaceholderText(QStringLiteral("Escriba una palabra"));
    lista_ = new QListWidget(this);
    lista_->setObjectName(QStringLiteral("temas"));
    lista_->setFixedWidth(220);
    texto_ = new QTextBrowser(this);
    texto_->setObjectName(QStringLiteral("texto"));
    izq->addWidget(new QLabel(comando == 11 ? QStringLiteral("Buscar:") : QStringLiteral("Contenidos:"), this));
    izq->addWidget(buscar_);
    izq->addWidget(lista_);
    h->addLayout(izq);
    h->addWidget(texto_, 1);
    buscar_->setVisible(comando == 11);
    connect(buscar_, &QLineEdit::textChanged, this, &VisorAyuda::filtrar);
    connect(lista_, &QListWidget::currentRowChanged, this, [this](int fila) {
        if (QListWidgetItem* it = lista_->item(fila)) mostrar_tema(it->data(Qt::UserRole).toInt());
    });
    filtrar(QString());
    if (temas_.isEmpty())
        texto_->setPlainText(error_);
    else if (comando != 11)
        lista_->setCurrentRow(0);
    if (comando == 11) buscar_->setFocus();
    resize(720, 460);
}

void VisorAyuda::filtrar(const QString& texto) {
    lista_->clear();
    for (int i = 0; i < temas_.size(); ++i) {
        const TemaAyuda& t = temas_[i];
        if (texto.isEmpty() || t.titulo.contains(texto, Qt::CaseInsensitive) || t.texto.contains(texto, Qt::CaseInsensitive)) {
            auto* it = new QListWidgetItem(t.titulo, lista_);
            it->setData(Qt::UserRole, i);
        }
    }
}

void VisorAyuda::mostrar_tema(int i) {
    if (i < 0 || i >= temas_.size()) return;
    texto_->setPlainText(temas_[i].titulo + QStringLiteral("\n\n") + temas_[i].texto);
}

}  // namespace tya
