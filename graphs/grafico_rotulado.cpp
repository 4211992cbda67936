// SPDX-License-Identifier: GPL-3.0-or-later
#include "grafico_rotulado.h"

#include <QStringList>

#include "core/formato.h"
#include "core/registros.h"
#include "core/traduccion.h"

namespace tya {

namespace {

// How each launch field reads in a legend, with the unit the table of quantities gives it.
QString campo_en_leyenda(Cantidad q, double v) {
    const DefCantidad& c = cantidad(q);
    const QString valor = con_unidad(v, QString::fromUtf8(c.unidad));
    switch (q) {
        case Cantidad::Aire:
            return v == 0 ? Trayecta::tr("vacío") : Trayecta::tr("aire");
        case Cantidad::Viento:
            return Trayecta::tr("viento %1").arg(valor);
        case Cantidad::Densidad:
            return Trayecta::tr("densidad %1").arg(valor);
        case Cantidad::Cd:
            return v < 0.3 ? Trayecta::tr("bala") : Trayecta::tr("esfera");
        default:
            return QStringLiteral("%1 = %2").arg(QString::fromUtf8(c.nombre), valor);
    }
}

// "Exp. 2: Vo = 100 m/s, Ang = 45°, aire, R = 0,5 cm": Vo, Ang and the medium always, every
// other field when the curves do not share it. In vacuum nothing but the launch matters.
QString leyenda(const EstadoExp& st, int e, const QList<CamposLanzamiento>& lanzamientos, const QList<int>& mostradas) {
    const Registros exp(st, e);
    QStringList partes;
    if (e >= lanzamientos.size()) {
        partes << campo_en_leyenda(Cantidad::Vo, exp.resumen(CampoResumen::Vo).real())
               << campo_en_leyenda(Cantidad::Ang, exp.resumen(CampoResumen::Ang).real())
               << QStringLiteral("k = %1").arg(
                      formato(exp.resumen(CampoResumen::Roz), QStringLiteral("0.0###"), separador_local()));
        return Trayecta::tr("Exp. %1: %2").arg(e + 1).arg(partes.join(QStringLiteral(", ")));
    }
    const CamposLanzamiento& l = lanzamientos[e];
    const bool en_vacio = l[static_cast<size_t>(Cantidad::Aire)] == 0;
    for (size_t k = 0; k < l.size(); ++k) {
        const Cantidad q = kCantidades[k].id;
        bool difiere = false;
        for (int o : mostradas)
            if (o < lanzamientos.size() && lanzamientos[o][k] != l[k]) difiere = true;
        const bool de_aire = q == Cantidad::Viento || q == Cantidad::R || q == Cantidad::Densidad || q == Cantidad::Cd;
        if (q == Cantidad::Vo || q == Cantidad::Ang || q == Cantidad::Aire || (difiere && !(de_aire && en_vacio)))
            partes << campo_en_leyenda(q, l[k]);
    }
    return Trayecta::tr("Exp. %1: %2").arg(e + 1).arg(partes.join(QStringLiteral(", ")));
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
    const QString nombre = velocidades
                               ? (vertical ? Trayecta::tr("Velocidad vertical") : Trayecta::tr("Velocidad horizontal"))
                               : (vertical ? Trayecta::tr("Altura") : Trayecta::tr("Distancia horizontal"));
    // Whole titles, so a translation words each one as its language needs.
    const QString titulo = velocidades ? (vertical ? Trayecta::tr("Velocidad vertical según el tiempo")
                                                   : Trayecta::tr("Velocidad horizontal según el tiempo"))
                                       : (vertical ? Trayecta::tr("Altura según el tiempo")
                                                   : Trayecta::tr("Distancia horizontal según el tiempo"));
    const QString simbolo = velocidades ? (vertical ? QStringLiteral("Vy") : QStringLiteral("Vx"))
                                        : (vertical ? QStringLiteral("Y") : QStringLiteral("X"));
    Lamina l{titulo,
             {Trayecta::tr("Tiempo"), QStringLiteral("s"), QStringLiteral("t")},
             {QStringLiteral("%1 %2").arg(nombre, simbolo), velocidades ? QStringLiteral("m/s") : QStringLiteral("m"),
              simbolo},
             {},
             MarcaMaximo::Ninguna};
    QList<int> mostradas;
    for (int k = 1; k <= kExperiencias; ++k)
        if ((experiencia == kTodasLasExperiencias || k == experiencia) && experiencia_guardada(st, k))
            mostradas << k - 1;
    // Experiment k keeps the look of curve k - 1 on every sheet, whichever others are shown.
    for (int e : mostradas) {
        while (l.series.size() < e) l.series << SerieLamina{};
        l.series << SerieLamina{puntos(st, e, magnitud, vertical), leyenda(st, e, lanzamientos, mostradas), {}};
    }
    return l;
}

}  // namespace tya
