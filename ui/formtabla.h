// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The small window with the values of one inspected sample.
#include <QWidget>
#include <array>

class QLabel;

namespace tya {

class FormTabla : public QWidget {
    Q_OBJECT
public:
    explicit FormTabla(QWidget* padre = nullptr);
    void poner(const std::array<QString, 7>& valores);
    QString valor(int fila) const;  // fila 1 to 7

private:
    std::array<QLabel*, 8> tabla_{};
};

}  // namespace tya
