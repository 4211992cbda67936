// SPDX-License-Identifier: GPL-3.0-or-later
#include "accesible.h"

#include <QAccessibleWidget>
#include <QComboBox>

#include "controles.h"

namespace tya {

namespace {
class BotonImagenAccesible : public QAccessibleWidget {
public:
    explicit BotonImagenAccesible(QWidget* w) : QAccessibleWidget(w, QAccessible::Button) {}
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& accion) override {
        if (accion == pressAction()) emit static_cast<BotonImagen*>(widget())->clic();
    }
};

// Its name is its accessible name or its caption's, its value the item shown.
class ListaAccesible : public QAccessibleWidget {
public:
    explicit ListaAccesible(QWidget* w) : QAccessibleWidget(w, QAccessible::ComboBox) {}
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) return static_cast<QComboBox*>(widget())->currentText();
        return QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override { return {showMenuAction()}; }
    void doAction(const QString& accion) override {
        if (accion == showMenuAction()) static_cast<QComboBox*>(widget())->showPopup();
    }
};

QAccessibleInterface* fabrica(const QString& clase, QObject* o) {
    if (!o || !o->isWidgetType()) return nullptr;
    auto* w = static_cast<QWidget*>(o);
    if (clase == QLatin1String("tya::BotonImagen")) return new BotonImagenAccesible(w);
    if (clase == QLatin1String("QComboBox")) return new ListaAccesible(w);
    return nullptr;
}
}  // namespace

void instalar_interfaces_accesibles() {
    static const bool instalada = (QAccessible::installFactory(fabrica), true);
    (void)instalada;
}

}  // namespace tya
