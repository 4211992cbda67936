// SPDX-License-Identifier: GPL-3.0-or-later
#include "grafico_rotulado.h"

#include <QStringList>

#include "core/formato.h"
#include "core/registros.h"

namespace tya {

namespace {

enum { cXo, cYo, cVo, cAng, cAire, cViento, cR, cDens, cCd };

// How each launch field reads in a legend.
QString campo_en_leyenda(int k, double v) {
    switch (k) {
    case cXo: return QStringLiteral("Xo = %1").arg(con_unidad(v, QStringLiteral("m")));
    case cYo: return QStringLiteral("Yo = %1").arg(con_unidad(v, QStringLiteral("m")));
    case cVo: return QStringLiteral("Vo = %1").arg(con_unidad(v, QStringLiteral("m/s")));
    case cAng: return QStringLiteral("Ang = %1").arg(con_unidad(v, QStringLiteral("°")));
    case cAire: return v == 0 ? QStringLiteral("vacío") : QStringLiteral("aire");
    case cViento: return QStringLiteral("viento %1").arg(con_unidad(v, QStringLiteral("m/s")));
    case cR: return QStringLiteral("R = %1").arg(con_unidad(v, QStringLiteral("cm")));
    case cDens: return QStringLiteral("densidad %1").arg(con_unidad(v, QStringLiteral("g/cm³")));
    default: return v < 0.3 ? QStringLiteral("bala") : QStringLiteral("esfera");
    }
}

// "Exp. 2: Vo = 100 m/s, Ang = 45°, aire, R = 0,5 cm": Vo, Ang and the medium always, every
// other field when the curves do not share it. In vacuum nothing but the launch matters.
QString leyenda(const EstadoExp& st, int e, const QList<CamposLanzamiento>& lanzamientos, const QList<int>& mostradas) {
    const Registros exp(st, e);
    QStringList partes;
    if (e >= lanzamientos.size()) {
        partes << campo_en_leyenda(cVo, exp.resumen(CampoResumen::Vo).real())
               << campo_en_leyenda(cAng, exp.resumen(CampoResumen::Ang).real())
               << QStringLiteral("k = %1").arg(formato(exp.resumen(CampoResumen::Roz), QStringLiteral("0.0###"), separador_local()));
        return QStringLiteral("Exp. %1: %2").arg(e + 1).arg(partes.join(QStringLiteral(", ")));
    }
    const CamposLanzamiento& l = lanzamientos[e];
    for (int k = 0; k < static_cast<int>(l.size()); ++k) {
        bool difiere = false;
        for (int o : mostradas)
            if (o < lanzamientos.size() && lanzamientos[o][k] != l[k]) difiere = true;
        const bool de_aire = k == cViento || k == cR || k == cDens || k == cCd;
        if (k == cVo || k == cAng || k == cAire || (difiere && !(de_aire && l[cAire] == 0)))
            partes << campo_en_leyenda(k, l[k]);
    }
    return QStringLiteral("Exp. %1: %2").arg(e + 1).arg(partes.join(QStringLiteral(", ")));
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

QString leyenda_experiencia(const EstadoExp& st, int e, const QList<CamposLanzamiento>& lanzamientos,
                            const QList<int>& mostradas) {
    return leyenda(st, e, lanzamientos, mostradas);
}

Lamina lamina_rotulada(const EstadoExp& st, Magnitud magnitud, bool vertical, int experiencia,
                       const QList<CamposLanzamiento>& lanzamientos) {
    const bool velocidades = magnitud == Magnitud::Velocidades;
    const QString nombre = velocidades ? (vertical ? QStringLiteral("Velocidad vertical") : QStringLiteral("Velocidad horizontal"))
                                       : (vertical ? QStringLiteral("Altura") : QStringLiteral("Distancia horizontal"));
    const QString simbolo = velocidades ? (vertical ? QStringLiteral("Vy") : QStringLiteral("Vx"))
                                        : (vertical ? QStringLiteral("Y") : QStringLiteral("X"));
    Lamina l{QStringLiteral("%1 según el tiempo").arg(nombre),
             {QStringLiteral("Tiempo"), QStringLiteral("s"), QStringLiteral("t")},
             {QStringLiteral("%1 %2").arg(nombre, simbolo), velocidades ? QStringLiteral("m/s") : QStringLiteral("m"), simbolo},
             {},
             MarcaMaximo::Ninguna};
    QList<int> mostradas;
    for (int k = 1; k <= kExperiencias; ++k)
        if ((experiencia == kTodasLasExperiencias || k == experiencia) && experiencia_guardada(st, k)) mostradas << k - 1;
    // Experiment k keeps the look of curve k - 1 on every sheet, whichever others are shown.
    for (int e : mostradas) {
        while (l.series.size() < e) l.series << SerieLamina{};
        l.series << SerieLamina{puntos(st, e, magnitud, vertical), leyenda(st, e, lanzamientos, mostradas), {}};
    }
    return l;
}

}  // namespace tya
