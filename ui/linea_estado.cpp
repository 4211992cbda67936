// SPDX-License-Identifier: GPL-3.0-or-later
#include "linea_estado.h"

#include <QAccessible>
#include <QAccessibleWidget>

#include "core/traduccion.h"

namespace tya {

namespace {
// A reader says a notification as it appears; a label's changes it keeps quiet about.
class AccesibleLinea : public QAccessibleWidget {
public:
    explicit AccesibleLinea(QWidget* w) : QAccessibleWidget(w, QAccessible::Notification) {}
    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name) return QAccessibleWidget::text(t);
        const QString s = static_cast<const QLabel*>(widget())->text();
        return s.isEmpty() ? Trayecta::tr("Línea de estado") : s;
    }
};

QAccessibleInterface* fabrica(const QString& clase, QObject* objeto) {
    if (clase == QLatin1String("tya::LineaEstado") && objeto && objeto->isWidgetType())
        return new AccesibleLinea(static_cast<QWidget*>(objeto));
    return nullptr;
}
}  // namespace

LineaEstado::LineaEstado(QWidget* padre) : QLabel(padre) {
    static const bool instalada = (QAccessible::installFactory(fabrica), true);
    (void)instalada;
    setObjectName(QStringLiteral("estado"));
    setTextFormat(Qt::PlainText);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
}

void LineaEstado::anunciar(const QString& texto) {
    setText(texto);
    QAccessibleEvent nombre(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&nombre);
    // Shown again to the reader: a notification that appears is spoken at once.
    QAccessibleEvent aparece(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&aparece);
}

}  // namespace tya
