#pragma once
// The text window CajaValores: the about text, problems, the model texts and the
// extreme-values report, printed line by line on its own surface.
#include <QDialog>

class QLabel;
class QPushButton;

namespace tya {

class CajaTextos;
class TextoEnColumnas;
class Dialogos;
class Impresora;
struct EstadoExp;

class CajaValores : public QDialog {
    Q_OBJECT
public:
    CajaValores(CajaTextos& textos, EstadoExp& st, Dialogos& dialogos, Impresora& impresora, QWidget* padre);

    // The commands that open it.
    void mostrar_texto(int tema);
    void Problem_Click();
    void menu_valores_Click(bool blanco);

    void Copiar_Click();
    void Imprimir_Click();
    void Salir3_Click();
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
    void reject() override;

private:
    CajaTextos& textos_;
    EstadoExp& st_;
    Dialogos& dialogos_;
    Impresora& impresora_;
    QFont fuente_;
    QPushButton *Copiar = nullptr, *Imprimir = nullptr, *Salir3 = nullptr;
    QLabel *Picture1 = nullptr, *icono = nullptr;
};

}  // namespace tya
