// SPDX-License-Identifier: GPL-3.0-or-later
#include "tablas.h"

#include <cmath>

#include "core/formato.h"
#include "core/registros.h"
#include "graphs/graficos.h"
#include "platform/superficie.h"

namespace tya {

namespace {

QStringList tabla(const EstadoExp& st, int k, Magnitud magnitud, QChar sep) {
    QStringList filas;
    // Both tables read both records (the final time is in VelMarca), so both must hold samples,
    // as for the graphs: a recovery cut short after the positions leaves the velocities empty.
    // A selection that names no stored experiment shows nothing rather than stale data.
    if (!experiencia_guardada(st, k)) return filas;
    const Muestreo r = Registros(st, k - 1).de(magnitud);
    const int n = r.muestras();
    const QString m2 = QStringLiteral("###0.00"), m1 = QStringLiteral("##0.00");
    auto campo = [&](Fijo v, const QString& mascara) {
        return v.crudo() == 0 ? QStringLiteral("0") : formato(v, mascara, sep);
    };
    float t = 0;
    const Fijo periodo = Fijo::entero(50) * st.Dt;
    for (int j = 1; j <= n; ++j) {
        const QString f2 = campo(r.horizontal(j), m2);
        const QString f3 = campo(r.vertical(j), m2);
        const QString f1 = t == 0 ? QStringLiteral("0") : formato(double(t), m1, sep);
        filas << f1 + QLatin1Char('\t') + f2 + QLatin1Char('\t') + f3;
        t = static_cast<float>((Fijo::saturado(t) + periodo).real());
    }
    // Final row: values from 0 up to (not including) 1 read "0".
    auto final = [&](Fijo v) { return std::floor(v.real()) == 0 ? QStringLiteral("0") : formato(v, m2, sep); };
    filas << formato(r.tiempo_final(), m1, sep) + QLatin1Char('\t') + final(r.final(false)) + QLatin1Char('\t') +
                 final(r.final(true));
    return filas;
}

}  // namespace

QStringList tabla_posiciones(const EstadoExp& st, int k, QChar sep) { return tabla(st, k, Magnitud::Posiciones, sep); }
QStringList tabla_velocidades(const EstadoExp& st, int k, QChar sep) {
    return tabla(st, k, Magnitud::Velocidades, sep);
}

QString texto_copia(const QStringList& filas) {
    QString s;
    for (const QString& f : filas) s += f + QStringLiteral("\r\n");
    return s;
}

}  // namespace tya
