// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The help viewer: the help file beside the program, opened at its contents or at its topic finder.
#include <QDialog>
#include <QStringList>

class QLineEdit;
class QListWidget;
class QTextBrowser;

namespace tya {

// Topics of a help file: each starts at a line "# title"; the text up to the next one is its body.
struct TemaAyuda {
    QString titulo, texto;
};
// Empty, with the reason in `error`, when the file cannot be read or has no topic.
QList<TemaAyuda> leer_ayuda(const QString& ruta, QString* error = nullptr);

class VisorAyuda : public QDialog {
    Q_OBJECT
public:
    // Command 9 shows the contents, 11 the topic finder.
    VisorAyuda(const QString& ruta, int comando, QWidget* padre = nullptr);
    void mostrar_tema(int i);

private:
    void filtrar(const QString& texto);
    QString error_;  // set before temas_ is read
    QList<TemaAyuda> temas_;
    QLineEdit* buscar_ = nullptr;
    QListWidget* lista_ = nullptr;
    QTextBrowser* texto_ = nullptr;
};

}  // namespace tya
