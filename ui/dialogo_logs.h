// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The start-up offer, when the logs have grown large, to switch documentation off and delete them.
#include <QDialog>
#include <cstdint>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace tya {

// Accepted by "Aceptar" (the default button, so Enter answers it), rejected by "Cancelar".
class DialogoLogs : public QDialog {
    Q_OBJECT
public:
    DialogoLogs(int nlogs, int64_t tam_logs, QWidget* padre = nullptr);

    QPlainTextEdit* cuenta = nullptr;  // how many logs and bytes
    QLabel* pregunta = nullptr;
    QPushButton *aceptar = nullptr, *cancelar = nullptr;
};

}  // namespace tya
