#pragma once
// The viewer of past session logs: the list of .log files and the chosen one's text.
#include <QDialog>
#include <functional>

class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace tya {

class Trazas : public QDialog {
    Q_OBJECT
public:
    // The list is filled here, once: opening the window again shows the same list.
    // `cerrar_archivos` is the program's close-all, run before a log is read.
    Trazas(const QString& carpeta, std::function<void()> cerrar_archivos, QWidget* padre = nullptr);

    void File1_DblClick();
    void Command2_Click();  // "Aceptar": show the selected log
    void Command3_Click();  // the text to the clipboard
    void Command1_Click();  // "Cerrar"

    QListWidget* File1 = nullptr;
    QPlainTextEdit* Text1 = nullptr;
    QPushButton *Command1 = nullptr, *Command2 = nullptr, *Command3 = nullptr;

private:
    void mostrar_seleccionado();
    QString carpeta_;
    std::function<void()> cerrar_archivos_;
};

}  // namespace tya
