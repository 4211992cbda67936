// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The toolkit's message boxes, input box and beep.
#include <QFileIconProvider>

#include "dialogos.h"

class QWidget;

namespace tya {

class DialogosQt : public Dialogos {
public:
    explicit DialogosQt(QWidget* padre = nullptr) : padre_(padre) {}
    void padre(QWidget* p) { padre_ = p; }
    void mensaje(const QString& texto) override;
    bool confirmar(const QString& texto) override;
    Eleccion elegir(const QString& texto, const QString& primera, const QString& segunda) override;
    QString entrada(const QString& pregunta, const QString& titulo) override;
    QString entrada_con_valor(const QString& pregunta, const QString& titulo, const QString& inicial) override;
    void aviso(const QString& titulo, const QString& texto) override;
    void pitido() override;
    QString elegir_archivo(const PedidoArchivo& pedido) override;

private:
    QWidget* padre_;
};

// The kind of each entry the file dialog lists, in the program's language: "Carpeta", "Archivo TYA".
class TiposArchivo : public QFileIconProvider {
public:
    QString type(const QFileInfo& info) const override;
};

extern const QString kTituloAplicacion;

}  // namespace tya
