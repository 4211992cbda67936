// SPDX-License-Identifier: GPL-3.0-or-later
#include "resumen_vuelo.h"

#include <QStringList>
#include <algorithm>

#include "formato.h"
#include "registros.h"

namespace tya {

namespace {
const char* const kMateriales[] = {"plomo", "acero", "piedra", "hielo", "madera"};
static_assert(std::size(kMateriales) == std::tuple_size_v<decltype(kDensMat)>);

// Figures as the student reads them: no trailing zeros, two decimals at most.
QString cifra(Fijo v, QChar sep) { return formato(v, QStringLiteral("#0.##"), sep); }
}  // namespace

QString nombre_material(Fijo densidad, QChar sep) {
    for (size_t k = 0; k < kDensMat.size(); ++k)
        if (densidad == kDensMat[k]) return QString::fromUtf8(kMateriales[k]);
    return QStringLiteral("d = ") + formato(densidad, QStringLiteral("#0.####"), sep) + QStringLiteral(" g/cm³");
}

QString mensaje_fin(FinVuelo fin) {
    switch (fin) {
        case FinVuelo::Suelo:
            return {};
        case FinVuelo::Impacto:
            return QStringLiteral("Impacto");
        case FinVuelo::Parada:
            return QStringLiteral("Detenido");
        case FinVuelo::Limite:
            return QStringLiteral("Fin de Simulación");
        case FinVuelo::Desborde:
            return QStringLiteral("Fuera de escala");
    }
    return {};
}

QString linea_resultado(const EstadoExp& st, int e, const std::optional<LanceVuelo>& lance, bool blanco, QChar sep) {
    const Registros r(st, e);
    using C = CampoResumen;
    const bool aire = lance ? lance->aire : r.resumen(C::Roz).crudo() > 0;
    QString s =
        QStringLiteral("Experiencia %1, %2").arg(e + 1).arg(aire ? QStringLiteral("aire") : QStringLiteral("vacío"));
    if (lance) s += QStringLiteral(", ") + nombre_material(lance->densidad, sep);
    // The range is measured from the launch point to the landing the flight interpolates.
    Fijo alcance;
    try {
        alcance = r.xf() - r.resumen(C::Xo);
    } catch (const DesbordeFijo&) { alcance = r.xf(); }
    s += QStringLiteral(": alcance %1 m").arg(cifra(alcance, sep));
    // With a target the flight does not follow the height, so the highest sample stands for it.
    const Fijo ymax = blanco ? std::max(r.ymax(), r.resumen(C::Yo)) : r.resumen(C::Ymax);
    s += QStringLiteral(", altura máxima %1 m").arg(cifra(ymax, sep));
    s += QStringLiteral(", tiempo %1 s").arg(cifra(r.resumen(C::T), sep));
    if (blanco)
        s += QStringLiteral(", distancia mínima al blanco %1 m a los %2 s")
                 .arg(cifra(r.resumen(C::Dmin), sep), cifra(r.resumen(C::Tmin), sep));
    s += QLatin1Char('.');
    const FinVuelo fin = lance ? lance->fin : (r.muestras() >= kMarcasMax ? FinVuelo::Limite : FinVuelo::Suelo);
    if (const QString m = mensaje_fin(fin); !m.isEmpty()) s += QLatin1Char(' ') + m + QLatin1Char('.');
    return s;
}

QString describir_vuelos(const EstadoExp& st, const PorExp<std::optional<LanceVuelo>>& lances, bool blanco, QChar sep) {
    const int n = std::clamp<int>(st.NExp, 0, kExperiencias);
    if (n == 0) return QStringLiteral("Ninguna experiencia.");
    QStringList l;
    for (int e = 0; e < n; ++e) l << linea_resultado(st, e, lances[static_cast<size_t>(e)], blanco, sep);
    return l.join(QLatin1Char('\n'));
}

}  // namespace tya
