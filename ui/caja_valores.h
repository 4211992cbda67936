// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The text window CajaValores: the about text, problems, the model texts and the
// extreme-values report, printed line by line on its own surface.
#include <QDialog>

#include "foco.h"

class QLabel;
class QPushButton;
class QScrollBar;

namespace tya {

class CajaTextos;
enum class TemaTexto;
class TextoEnColumnas;
class Dialogos;
class Impresora;
struct EstadoExp;

class CajaValores : public QDialog {
    Q_OBJECT
public:
    CajaValores(CajaTextos& textos, EstadoExp& st, Dialogos& dialogos, Impresora& impresora, QWidget* padre);

    // The commands that open it.
    void mostrar_texto(TemaTexto tema);
    void elegir_problema();
    // `blanco`: the target is on the scene, so the report has its columns.
    void mostrar_valores_extremos(bool blanco);

    // Its buttons: the report to the clipboard, the problem to the printer, close (or go on).
    void copiar();
    void imprimir_problema();
    void cerrar_o_seguir();
    // Makes the window what the text logic says: caption, geometry, buttons, pictures, text.
    void aplicar();
    // The text the window prints.
    const TextoEnColumnas& texto() const;

signals:
    // The scene was redrawn on closing.
    void escena_redibujada();

protected:
    void paintEvent(QPaintEvent*) override;
    void changeEvent(QEvent*) override;
    void closeEvent(QCloseEvent*) override;
    void wheelEvent(QWheelEvent*) override;
    void reject() override;

private:
    CajaTextos& textos_;
    EstadoExp& st_;
    Dialogos& dialogos_;
    Impresora& impresora_;
    QFont fuente_;
    QPushButton *copiar_ = nullptr, *imprimir_ = nullptr, *cerrar_ = nullptr;
    QLabel *figura_modelo_ = nullptr, *icono_ = nullptr;
    // The text and pictures scroll under it when the window is cut to the screen.
    QScrollBar* barra_ = nullptr;
    RetornoFoco volver_foco_;
    void desplazar();
};

}  // namespace tya
