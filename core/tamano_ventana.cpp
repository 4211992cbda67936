// SPDX-License-Identifier: GPL-3.0-or-later
#include "tamano_ventana.h"

#include <algorithm>
#include <cmath>

namespace tya {

double factor_automatico(QSize disponible) {
    const double ancho = double(disponible.width()) / kTamanoDiseno.width();
    const double alto = double(disponible.height() - kReservaTitulo) / kTamanoDiseno.height();
    // Steps of an eighth keep the enlarged pixels in a regular pattern.
    const double f = std::floor(std::min(ancho, alto) * 8) / 8;
    return std::max(f, 1.0);
}

int tamano_valido(int porcentaje) {
    return std::find(kTamanos.begin(), kTamanos.end(), porcentaje) != kTamanos.end() ? porcentaje : 0;
}

QPoint a_la_vista(const QRect& caja, const QRect& zona) {
    const int x = std::max(zona.left(), std::min(caja.left(), zona.left() + zona.width() - caja.width()));
    const int y = std::max(zona.top(), std::min(caja.top(), zona.top() + zona.height() - caja.height()));
    return {x, y};
}

}  // namespace tya
