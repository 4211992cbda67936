// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Pasting into any editable text of the program, whatever the clipboard holds: nothing, an
// image, binary data or megabytes of text.
#include <QObject>

namespace tya {

// Above this many characters a paste is refused: no text box of the program needs more, and
// laying out more would stop the window.
inline constexpr qsizetype kTopePegado = 1 << 20;

// The clipboard's text as a text box takes it: only printable characters, line ends and
// tabs; empty when there is no text or more than kTopePegado characters.
QString texto_para_pegar(const QString& texto);

// Watches every key press of the application: a paste into an editable multi-line text is
// made from the clipboard's plain text, never from its raw data (an empty clipboard crashed
// the toolkit there); a paste into a one-line box with nothing to paste is dropped.
class PegadoSeguro : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    // Once per application; later calls find the first guard.
    static void instalar();

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;
};

}  // namespace tya
