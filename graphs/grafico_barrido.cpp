// SPDX-License-Identifier: GPL-3.0-or-later
#include "grafico_barrido.h"

#include <QPainter>

#include "core/experiment_state.h"
#include "core/vuelo.h"

namespace tya {

Lamina lamina_barrido(const QString& titulo, const CurvaFamilia& curva, const EjeLamina& x, const EjeLamina& y) {
    return {titulo, x, y, {{curva.puntos, curva.nombre, curva.fines}}, MarcaMaximo::Rotulo};
}

Lamina lamina_familia(const QString& titulo, const QList<CurvaFamilia>& curvas, const EjeLamina& x,
                      const EjeLamina& y) {
    Lamina l{titulo, x, y, {}, MarcaMaximo::Anillo};
    for (const CurvaFamilia& c : curvas) l.series << SerieLamina{c.puntos, c.nombre, c.fines};
    return l;
}

QImage imagen_lamina(const Lamina& l, QSize tamano) {
    return imagen_hoja([&l](QPainter& p) { dibujar_lamina(p, l); }, tamano);
}

}  // namespace tya
