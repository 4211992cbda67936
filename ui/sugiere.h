// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The start-up hints window and its question, answered into the file "sugiere".
#include <QDialog>

namespace tya {

class Sugiere : public QDialog {
    Q_OBJECT
public:
    Sugiere(const QString& archivo, QWidget* padre = nullptr);
    // The hints and the question, as catalogue sources.
    static const char* const kTexto1;
    static const char* const kTexto2;
    static const char* const kTexto3;
    // Modal, after any modal window already showing has closed.
    int exec() override;

private:
    void responder(int valor);
    QString archivo_;
};

}  // namespace tya
