// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The practical-work panel (control Frame4): the text of tpract.txt, to read, copy and print.
#include <QGroupBox>
#include <QStringList>

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

    // tpract.txt into the box; the same text reopens where the reader left it.
    void cargar();
    // tpract.txt to the printer, leaving the box as it is.
    void imprimir();
    // The text to the clipboard, each line ended by CR LF.
    void copiar();
    void cerrar();
    QPlainTextEdit* texto() const { return texto_; }

signals:
    // Hidden: the scene's marks it covered must be drawn again.
    void cerrado();

private:
    // tpract.txt's lines, with the scene let go first; false, with the reason shown, when unread.
    bool leer(QStringList& lineas);
    Escena& escena_;
    Dialogos& dialogos_;
    Impresora& impresora_;
    QString dir_;
    QPlainTextEdit* texto_ = nullptr;
};

}  // namespace tya
