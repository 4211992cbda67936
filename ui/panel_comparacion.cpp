// SPDX-License-Identifier: GPL-3.0-or-later
#include "panel_comparacion.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "controles.h"
#include "core/traduccion.h"
#include "vista_superficie.h"

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
    leyenda_ = new QLabel(this);
    leyenda_->setObjectName(QLatin1String(n.caja) + QStringLiteral("_leyenda"));
    leyenda_->setAccessibleName(Trayecta::tr("Leyenda de la comparación"));
    leyenda_->hide();  // the usual palette's comparisons keep their old look
    v->addWidget(leyenda_);
    auto* fila = new QHBoxLayout;
    copiar_ = nuevo_boton(n.copiar, Trayecta::tr("Copiar al Portapapeles"), this);
    cerrar_ = nuevo_boton(n.cerrar, Trayecta::tr("Cerrar"), this);
    fila->addWidget(copiar_);
    fila->addWidget(cerrar_);
    v->addLayout(fila);
    connect(copiar_, &QPushButton::clicked, this, &PanelComparacion::copiar_grafica);
    connect(cerrar_, &QPushButton::clicked, this, &PanelComparacion::cerrar_pedido);
}

PanelComparacion::~PanelComparacion() { delete vista_; }  // before the surface it shows

MarcoGrafico PanelComparacion::comparar(EstadoExp& st, AcumComparacion& acum, bool velocidades, bool vertical,
                                        const Estilo& estilo) {
    const MarcoGrafico m = velocidades ? comparar_velocidades(st, acum, *sup_, vertical, estilo)
                                       : comparar_posiciones(st, acum, *sup_, vertical, estilo);
    if (m.dibujado) st.TfinEnt = m.T;
    const bool con_leyenda = estilo.paleta != Paleta::Normal;
    if (con_leyenda) {
        leyenda_->setPixmap(QPixmap::fromImage(leyenda_comparacion(st, estilo, sup_->ancho_px())));
        QStringList nombres;
        for (int k = 1; k <= std::min<int>(st.NExp, kExperiencias); ++k)
            nombres << Trayecta::tr("Experiencia %1").arg(k);
        leyenda_->setAccessibleDescription(nombres.join(QStringLiteral(", ")));
    }
    leyenda_->setVisible(con_leyenda);
    vista_->refrescar();
    return m;
}

void PanelComparacion::copiar_grafica() {
    QApplication::clipboard()->clear();
    QApplication::clipboard()->setImage(sup_->imagen());
}

}  // namespace tya
