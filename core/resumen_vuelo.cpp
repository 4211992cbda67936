// SPDX-License-Identifier: GPL-3.0-or-later
#include "resumen_vuelo.h"

#include <QStringList>
#include <algorithm>

#include "formato.h"
#include "registros.h"
#include "traduccion.h"

namespace tya {

namespace {
// Lower case: they follow a comma inside the result line.
const char* const kMateriales[] = {QT_TRANSLATE_NOOP("Trayecta", "plomo"), QT_TRANSLATE_NOOP("Trayecta", "acero"),
                                   QT_TRANSLATE_NOOP("Trayecta", "piedra"), QT_TRANSLATE_NOOP("Trayecta", "hielo"),
                                   QT_TRANSLATE_NOOP("Trayecta", "madera")};
static_assert(std::size(kMateriales) == std::tuple_size_v<decltype(kDensMat)>);

// Figures as the student reads them: no trailing zeros, two decimals at most.
QString cifra(Fijo v, QChar sep) { return formato(v, QStringLiteral("#0.##"), sep); }
}  // namespace

QString nombre_material(Fijo densidad, QChar sep) {
    for (size_t k = 0; k < kDensMat.size(); ++k)
        if (densidad == kDensMat[k]) return Trayecta::tr(kMateriales[k]);
    return QStringLiteral("d = ") + formato(densidad, QStringLiteral("#0.####"), sep) + QStringLiteral(" g/cm³");
}

QString mensaje_fin(FinVuelo fin) {
    switch (fin) {
        case FinVuelo::Suelo:
            return {};
        case FinVuelo::Impacto:
            return Trayecta::tr("Impacto");
        case FinVuelo::Parada:
            return Trayecta::tr("Detenido");
        case FinVuelo::Limite:
            return Trayecta::tr("Fin de Simulación");
        case FinVuelo::Desborde:
            return Trayecta::tr("Fuera de escala");
    }
    return {};
}

QString linea_resultado(const EstadoExp& st, int e, const std::optional<LanceVuelo>& lance, bool blanco, QChar sep) {
    const Registros r(st, e);
    using C = CampoResumen;
    const bool aire = lance ? lance->aire : r.resumen(C::Roz).crudo() > 0;
    const QString numero = QString::number(e + 1);
    const QString medio = aire ? Trayecta::tr("aire") : Trayecta::tr("vacío");
    const QString cabeza =
        lance ? Trayecta::tr("Experiencia %1, %2, %3").arg(numero, medio, nombre_material(lance->densidad, sep))
              : Trayecta::tr("Experiencia %1, %2").arg(numero, medio);
    // The range is measured from the launch point to the landing the flight interpolates.
    Fijo alcance;
    try {
        alcance = r.xf() - r.resumen(C::Xo);
    } catch (const DesbordeFijo&) { alcance = r.xf(); }
    // With a target the flight does not follow the height, so the highest sample stands for it.
    const Fijo ymax = blanco ? std::max(r.ymax(), r.resumen(C::Yo)) : r.resumen(C::Ymax);
    const QString a = cifra(alcance, sep), h = cifra(ymax, sep), t = cifra(r.resumen(C::T), sep);
    QString s = blanco ? Trayecta::tr(
                             "%1: alcance %2 m, altura máxima %3 m, tiempo %4 s, distancia mínima al "
                             "blanco %5 m a los %6 s.")
                             .arg(cabeza, a, h, t, cifra(r.resumen(C::Dmin), sep), cifra(r.resumen(C::Tmin), sep))
                       : Trayecta::tr("%1: alcance %2 m, altura máxima %3 m, tiempo %4 s.").arg(cabeza, a, h, t);
    const FinVuelo fin = lance ? lance->fin : (r.muestras() >= kMarcasMax ? FinVuelo::Limite : FinVuelo::Suelo);
    if (const QString m = mensaje_fin(fin); !m.isEmpty()) s += QLatin1Char(' ') + m + QLatin1Char('.');
    return s;
}

QString describir_vuelos(const EstadoExp& st, const PorExp<std::optional<LanceVuelo>>& lances, bool blanco, QChar sep) {
    const int n = std::clamp<int>(st.NExp, 0, kExperiencias);
    if (n == 0) return Trayecta::tr("Ninguna experiencia.");
    QStringList l;
    for (int e = 0; e < n; ++e) l << linea_resultado(st, e, lances[static_cast<size_t>(e)], blanco, sep);
    return l.join(QLatin1Char('\n'));
}

}  // namespace tya
