#include "grafico_rotulado.h"

#include <cmath>

namespace tya {

namespace {

// "Exp. 2: Vo = 100 m/s, Ang = 45º, aire", from the launch values the flight kept.
QString leyenda(const EstadoExp& st, int e) {
    const auto& f = st.Extremos[e];
    return QStringLiteral("Exp. %1: Vo = %2, Ang = %3, %4")
        .arg(e + 1)
        .arg(con_unidad(f[2].real(), QStringLiteral("m/s")), con_unidad(f[3].real(), QStringLiteral("º")),
             f[4].crudo() == 0 ? QStringLiteral("vacío") : QStringLiteral("aire"));
}

// Sample k at (k - 1) 0.75 s, then the exact end of the flight.
QList<QPointF> puntos(const EstadoExp& st, int e, bool velocidades, bool vertical) {
    const Registro& r = velocidades ? st.VelMarca[e] : st.Pos[e];
    const int n = muestras(r);
    const int desp = vertical ? 1 : 0;
    const Fijo paso = Fijo::entero(50) * st.Dt;
    QList<QPointF> p;
    Fijo t;
    for (int k = 1; k <= n; ++k, t += paso) p << QPointF(t.real(), r[2 * k + desp].real());
    p << QPointF(st.VelMarca[e][2 * n + 8].real(), r[2 * n + 6 + desp].real());
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
        const uint32_t color = ~color_paleta(static_cast<int64_t>(std::nearbyint(st.Pos[k - 1][0].real()))) & 0xffffffu;
        l.series << SerieLamina{puntos(st, k - 1, velocidades, vertical), color, leyenda(st, k - 1)};
    }
    return l;
}

}  // namespace tya
