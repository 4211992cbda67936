// SPDX-License-Identifier: GPL-3.0-or-later
#include "formtabla.h"

#include <QGridLayout>
#include <QLabel>

#include "core/traduccion.h"

namespace tya {

FormTabla::FormTabla(QWidget* padre) : QWidget(padre, Qt::Tool) {
    setWindowTitle(Trayecta::tr("Tabla"));
    setObjectName(QStringLiteral("formtabla"));
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(224, 224, 224));
    setPalette(p);
    auto* g = new QGridLayout(this);
    g->setSpacing(2);
    static const char* const kFilas[7] = {"t", "X", "Y", "Vx", "Vy", "Ax", "Ay"};
    static const char* const kUnidades[7] = {"s", "m", "m", "m/s", "m/s", "m/s²", "m/s²"};
    QFont negrita(QStringLiteral("Sans Serif"));
    negrita.setPointSizeF(8.25);
    negrita.setBold(true);
    for (int i = 0; i < 7; ++i) {
        auto* c = new QLabel(QLatin1String(kFilas[i]), this);
        c->setObjectName(QStringLiteral("Label1_%1").arg(i));
        c->setFont(negrita);
        c->setAlignment(Qt::AlignCenter);
        c->setFixedWidth(28);
        c->setStyleSheet(QStringLiteral("background: rgb(192,192,192);"));
        auto* v = new QLabel(this);
        v->setObjectName(QStringLiteral("tabla%1").arg(i + 1));
        v->setMinimumWidth(90);
        v->setStyleSheet(QStringLiteral("background: white;"));
        v->setTextInteractionFlags(Qt::TextSelectableByMouse);
        // The row's quantity and unit, which the picture shows only by its place.
        v->setAccessibleDescription(
            Trayecta::tr("%1 en %2").arg(QLatin1String(kFilas[i]), QString::fromUtf8(kUnidades[i])));
        c->setBuddy(v);
        tabla_[static_cast<size_t>(i + 1)] = v;
        g->addWidget(c, i, 0);
        g->addWidget(v, i, 1);
    }
    setFixedSize(sizeHint());
    setAccessibleName(Trayecta::tr("Tabla de la muestra"));
}

void FormTabla::poner(const std::array<QString, 7>& valores) {
    for (int i = 0; i < 7; ++i) tabla_[static_cast<size_t>(i + 1)]->setText(valores[static_cast<size_t>(i)]);
}

QString FormTabla::valor(int fila) const {
    return fila >= 1 && fila <= 7 ? tabla_[static_cast<size_t>(fila)]->text() : QString();
}

}  // namespace tya
