// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The practical-work panel (control Frame4): the text of tpract.txt, to read, copy and print.
#include <QGroupBox>

class QPlainTextEdit;
class QPushButton;

namespace tya {

class Dialogos;
class Escena;
class Impresora;

class TrabajoPractico : public QGroupBox {
    Q_OBJECT
public:
    TrabajoPractico(Escena& escena, Dialogos& dialogos, Impresora& impresora, const QString& directorio,
                    QWidget* padre);

    // modo 0 loads the text into the box, 1 prints it; modo is 0 on return.
    void trabajo_practico(int& modo);
    void imprimir();
    // The text to the clipboard, each line ended by CR LF.
    void copiar();
    void cerrar();
    QPlainTextEdit* texto() const { return texto_; }

signals:
    // Hidden: the scene's marks it covered must be drawn again.
    void cerrado();

private:
    Escena& escena_;
    Dialogos& dialogos_;
    Impresora& impresora_;
    QString dir_;
    QPlainTextEdit* texto_ = nullptr;
};

}  // namespace tya
