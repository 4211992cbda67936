// SPDX-License-Identifier: GPL-3.0-or-later
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

    // "Aceptar", or a double click in the list: the selected log's text.
    void mostrar_seleccionado();
    void copiar();  // the text to the clipboard, its lines ended by CR LF
    void cerrar();

    QListWidget* lista = nullptr;
    QPlainTextEdit* texto = nullptr;
    QPushButton *aceptar = nullptr, *boton_copiar = nullptr, *boton_cerrar = nullptr;

private:
    QString carpeta_;
    std::function<void()> cerrar_archivos_;
};

}  // namespace tya
