// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The status line under the scene: one line of text every student sees, which a screen reader
// speaks when it changes (it shows itself to the reader as a notification).
#include <QLabel>

namespace tya {

class LineaEstado : public QLabel {
    Q_OBJECT
public:
    explicit LineaEstado(QWidget* padre);
    // Shows `texto` and has a screen reader say it.
    void anunciar(const QString& texto);
};

}  // namespace tya
