#include "tablas.h"

#include <cmath>

#include "core/formato.h"
#include "graphs/graficos.h"
#include "platform/superficie.h"

namespace tya {

// Both tables read both records (the final time is in VelMarca), so both must hold samples,
// as for the graphs: a recovery cut short after the positions leaves the velocities empty.
bool seleccion_valida(const EstadoExp& st) { return experiencia_guardada(st, st.NGrafSel); }

namespace {

QStringList tabla(EstadoExp& st, const Registro& (*registro)(const EstadoExp&, int), QChar sep, Superficie* escena) {
    QStringList filas;
    st.TextoCopia.clear();
    if (st.NExp == 0) return filas;
    if (escena) escena->retenido(false);
    // A selection that names no stored experiment shows nothing rather than stale data.
    if (!seleccion_valida(st)) return filas;
    const int e = st.NGrafSel - 1;
    const Registro& r = registro(st, e);
    const int n = muestras(r);
    const QString m2 = QStringLiteral("###0.00"), m1 = QStringLiteral("##0.00");
    auto campo = [&](Fijo v, const QString& mascara) {
        return v.crudo() == 0 ? QStringLiteral("0") : formato(v, mascara, sep);
    };
    auto agregar = [&](const QString& fila) {
        filas << fila;
        st.TextoCopia += fila + QStringLiteral("\r\n");
    };
    float t = 0;
    const Fijo periodo = Fijo::entero(50) * st.Dt;
    for (int k = 1; k <= n; ++k) {
        const QString f2 = campo(r[2 * k], m2);
        const QString f3 = campo(r[2 * k + 1], m2);
        const QString f1 = t == 0 ? QStringLiteral("0") : formato(double(t), m1, sep);
        agregar(f1 + QLatin1Char('\t') + f2 + QLatin1Char('\t') + f3);
        t = static_cast<float>((Fijo::saturado(t) + periodo).real());
    }
    // Final row: values from 0 up to (not including) 1 read "0".
    auto final = [&](Fijo v) {
        return std::floor(v.real()) == 0 ? QStringLiteral("0") : formato(v, m2, sep);
    };
    agregar(formato(st.VelMarca[e][2 * n + 8], m1, sep) + QLatin1Char('\t') + final(r[2 * n + 6]) +
            QLatin1Char('\t') + final(r[2 * n + 7]));
    return filas;
}

const Registro& de_pos(const EstadoExp& st, int e) { return st.Pos[e]; }
const Registro& de_vel(const EstadoExp& st, int e) { return st.VelMarca[e]; }

}  // namespace

QStringList tabla_posiciones(EstadoExp& st, QChar sep, Superficie* escena) { return tabla(st, de_pos, sep, escena); }
QStringList tabla_velocidades(EstadoExp& st, QChar sep, Superficie* escena) { return tabla(st, de_vel, sep, escena); }

}  // namespace tya
