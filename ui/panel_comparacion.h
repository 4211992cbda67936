// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A comparison panel: the graph box where every experiment is drawn, with its copy and close
// buttons. The window has one for positions and one for velocities.
#include <QGroupBox>
#include <memory>

#include "graphs/graficos.h"

class QLabel;
class QPushButton;

namespace tya {

class VistaSuperficie;

class PanelComparacion : public QGroupBox {
    Q_OBJECT
public:
    // The object names are the panel's, its graph box's and its two buttons'.
    struct Nombres {
        const char *panel, *caja, *copiar, *cerrar;
    };
    PanelComparacion(const Nombres& nombres, const QString& titulo, CajaGrafico tipo, QWidget* padre);
    ~PanelComparacion() override;

    Superficie& superficie() { return *sup_; }
    VistaSuperficie* vista() const { return vista_; }
    // The graph box's bitmap to the clipboard.
    void copiar_grafica();
    // Every stored experiment drawn in the box (velocities or positions, the vertical or the
    // horizontal component) in `estilo`, with a legend under it in the projector palette; the
    // span chosen is kept in TfinEnt.
    MarcoGrafico comparar(EstadoExp& st, AcumComparacion& acum, bool velocidades, bool vertical, const Estilo& estilo);
    QLabel* leyenda() const { return leyenda_; }

signals:
    void cerrar_pedido();

private:
    std::unique_ptr<Superficie> sup_;
    VistaSuperficie* vista_ = nullptr;
    QPushButton *copiar_ = nullptr, *cerrar_ = nullptr;
    QLabel* leyenda_ = nullptr;
};

}  // namespace tya
