// SPDX-License-Identifier: GPL-3.0-or-later
#include "pegado_seguro.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace tya {

QString texto_para_pegar(const QString& texto) {
    if (texto.size() > kTopePegado) return {};
    QString r;
    r.reserve(texto.size());
    for (QChar c : texto)
        if (c.isPrint() || c == QLatin1Char('\n') || c == QLatin1Char('\t')) r += c;
    return r;
}

void PegadoSeguro::instalar() {
    if (qApp->findChild<PegadoSeguro*>(QString(), Qt::FindDirectChildrenOnly)) return;
    qApp->installEventFilter(new PegadoSeguro(qApp));
}

bool PegadoSeguro::eventFilter(QObject* objeto, QEvent* evento) {
    if (evento->type() != QEvent::KeyPress || !static_cast<QKeyEvent*>(evento)->matches(QKeySequence::Paste))
        return false;
    auto pegar = [](auto* caja) {
        if (caja->isReadOnly()) return;
        const QString t = texto_para_pegar(QGuiApplication::clipboard()->text());
        if (t.isEmpty())
            QApplication::beep();
        else
            caja->insertPlainText(t);
    };
    if (auto* p = qobject_cast<QPlainTextEdit*>(objeto)) return pegar(p), true;
    if (auto* t = qobject_cast<QTextEdit*>(objeto)) return pegar(t), true;
    // A one-line box pastes its clipboard text itself (the launch boxes through their filter).
    if (qobject_cast<QLineEdit*>(objeto)) {
        if (texto_para_pegar(QGuiApplication::clipboard()->text()).isEmpty()) return QApplication::beep(), true;
    }
    return false;
}

}  // namespace tya
