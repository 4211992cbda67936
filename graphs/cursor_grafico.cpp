// SPDX-License-Identifier: GPL-3.0-or-later
#include "cursor_grafico.h"

#include <cmath>

namespace tya {

std::optional<int> columna_cursor(const Superficie& caja, const MarcoGrafico& m, const EstadoExp& st, int i) {
    if (!m.dibujado || i < 1) return std::nullopt;
    // The curve's own sum: whole steps of 50 Dt in fixed point, then T/20, then a 32-bit float.
    const Fijo s = Fijo::crudo((Fijo::entero(50) * st.Dt).crudo() * (i - 1));
    const float t = static_cast<float>((s + Fijo::saturado(m.T / 20.0)).real());
    const double x = std::floor(caja.x_px(t) + 0.5);
    if (!(x >= 0 && x < caja.ancho_px())) return std::nullopt;
    return static_cast<int>(x);
}

}  // namespace tya
