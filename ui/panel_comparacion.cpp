// SPDX-License-Identifier: GPL-3.0-or-later
#include "panel_comparacion.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "controles.h"

namespace tya {

PanelComparacion::PanelComparacion(const Nombres& n, const QString& titulo, CajaGrafico tipo, QWidget* padre)
    : QGroupBox(titulo, padre), sup_(std::make_unique<Superficie>(nueva_caja_grafico(tipo))) {
    setObjectName(QLatin1String(n.panel));
    setAutoFillBackground(true);
    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(6, 4, 6, 6);
    vista_ = new VistaSuperficie(*sup_, this);
    vista_->setObjectName(QLatin1String(n.caja));
    v->addWidget(vista_);
    auto* fila = new QHBoxLayout;
    copiar_ = nuevo_boton(n.copiar, QStringLiteral("Copiar al Portapapeles"), this);
    cerrar_ = nuevo_boton(n.cerrar, QStringLiteral("Cerrar"), this);
    fila->addWidget(copiar_);
    fila->addWidget(cerrar_);
    v->addLayout(fila);
    connect(copiar_, &QPushButton::clicked, this, &PanelComparacion::copiar_grafica);
    connect(cerrar_, &QPushButton::clicked, this, &PanelComparacion::cerrar_pedido);
}

PanelComparacion::~PanelComparacion() { delete vista_; }  // before the surface it shows

void PanelComparacion::copiar_grafica() {
    QApplication::clipboard()->clear();
    QApplication::clipboard()->setImage(sup_->imagen());
}

}  // namespace tya
