// SPDX-License-Identifier: GPL-3.0-or-later
#include "grafico_rotulado.h"

#include "core/registros.h"

namespace tya {

namespace {

// "Exp. 2: Vo = 100 m/s, Ang = 45º, aire", from the launch values the flight kept.
QString leyenda(const EstadoExp& st, int e) {
    const Registros exp(st, e);
    return QStringLiteral("Exp. %1: Vo = %2, Ang = %3, %4")
        .arg(e + 1)
        .arg(con_unidad(exp.resumen(CampoResumen::Vo).real(), QStringLiteral("m/s")),
             con_unidad(exp.resumen(CampoResumen::Ang).real(), QStringLiteral("º")),
             exp.resumen(CampoResumen::Roz).crudo() == 0 ? QStringLiteral("vacío") : QStringLiteral("aire"));
}

// Sample k at (k - 1) 0.75 s, then the exact end of the flight.
QList<QPointF> puntos(const EstadoExp& st, int e, Magnitud magnitud, bool vertical) {
    const Muestreo r = Registros(st, e).de(magnitud);
    const Fijo paso = Fijo::entero(50) * st.Dt;
    QList<QPointF> p;
    Fijo t;
    for (int k = 1; k <= r.muestras(); ++k, t += paso) p << QPointF(t.real(), r.componente(k, vertical).real());
    p << QPointF(r.tiempo_final().real(), r.final(vertical).real());
    return p;
}

}  // namespace

Lamina lamina_rotulada(const EstadoExp& st, Magnitud magnitud, bool vertical, int experiencia) {
    const bool velocidades = magnitud == Magnitud::Velocidades;
    const QString c = vertical ? QStringLiteral("Y") : QStringLiteral("X");
    const QString nombre = velocidades ? QStringLiteral("V") + c.toLower() : c;
    const QString que = velocidades ? QStringLiteral("Velocidad") : QStringLiteral("Posición");
    Lamina l{QStringLiteral("%1 %2 según el tiempo").arg(que, nombre),
             {QStringLiteral("t"), QStringLiteral("s")},
             {nombre, velocidades ? QStringLiteral("m/s") : QStringLiteral("m")},
             {},
             MarcaMaximo::Ninguna};
    for (int k = 1; k <= kExperiencias; ++k) {
        if (experiencia != kTodasLasExperiencias && k != experiencia) continue;
        if (!experiencia_guardada(st, k)) continue;
        const uint32_t color = ~color_paleta(Registros(st, k - 1).color()) & 0xffffffu;
        l.series << SerieLamina{puntos(st, k - 1, magnitud, vertical), color, leyenda(st, k - 1)};
    }
    return l;
}

}  // namespace tya
