// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The help viewer: the help file beside the program, opened at its contents or at its topic finder.
#include <QDialog>
#include <QStringList>

#include "files/temas_ayuda.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QTextBrowser;

namespace tya {

// Where the viewer opens: at the list of topics or at the topic finder.
enum class ModoAyuda { Contenidos, Buscar };

class VisorAyuda : public QDialog {
    Q_OBJECT
public:
    VisorAyuda(const QString& ruta, ModoAyuda modo, QWidget* padre = nullptr);
    void mostrar_tema(int i);

private:
    void filtrar(const QString& texto);
    QString error_;  // set before temas_ is read
    QList<TemaAyuda> temas_;
    QLineEdit* buscar_ = nullptr;
    QListWidget* lista_ = nullptr;
    QLabel* ninguno_ = nullptr;  // says that no topic holds the words typed
    QTextBrowser* texto_ = nullptr;
};

}  // namespace tya
