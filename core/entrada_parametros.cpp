// SPDX-License-Identifier: GPL-3.0-or-later
#include "entrada_parametros.h"

#include <cmath>

#include "experiment_state.h"
#include "formato.h"
#include "traduccion.h"

namespace tya {

ValorEntrado comprobar_entrada(int dato, double v, const std::array<Fijo, 11>& max,
                               const std::array<int16_t, 11>& min) {
    ValorEntrado r;
    r.metros_enteros = dato >= iXo && dato <= iYoB;
    r.valor = r.metros_enteros ? std::floor(v) : v;
    v = r.valor;
    // Written so that NaN is refused, and compared as doubles so that a value beyond the
    // fixed-point range is refused, never converted.
    if (dato >= iVo && dato <= iViento) {
        const size_t i = static_cast<size_t>(dato);
        if (!(v <= max[i].real() && v >= min[i]))
            r.permitido = Trayecta::tr("de %1 a %2").arg(QString::number(min[i]), forma_archivo(max[i]));
    } else if (dato == dAire) {
        if (v != 0 && v != 1) r.permitido = Trayecta::tr("%1 o %2").arg(QStringLiteral("0"), QStringLiteral("1"));
    } else if (dato == dDensidad) {
        if (!(v >= 0.01 && v <= 20))
            r.permitido = Trayecta::tr("de %1 a %2").arg(QStringLiteral("0.01"), QStringLiteral("20"));
    } else if (dato == dCd) {
        if (v != kCdForma[0].real() && v != kCdForma[1].real())
            r.permitido = Trayecta::tr("%1 o %2").arg(QStringLiteral("0.4"), QStringLiteral("0.2"));
    }
    if (!r.permitido.isEmpty()) r.rechazo = Rechazo::FueraDeRango;
    return r;
}

ValorEntrado comprobar_entrada(int dato, const QString& texto, Lectura lectura, const std::array<Fijo, 11>& max,
                               const std::array<int16_t, 11>& min) {
    if (lectura == Lectura::Respuesta) {
        for (QChar c : texto) {
            if (!(c == QLatin1Char('.') || c == QLatin1Char(',') || (c >= QLatin1Char('0') && c <= QLatin1Char('9')))) {
                ValorEntrado r;
                r.rechazo = Rechazo::NoEsNumero;
                return r;
            }
        }
    }
    return comprobar_entrada(dato, leer_numero(texto), max, min);
}

}  // namespace tya
