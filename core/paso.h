// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One integration step of the flight, with no window and no records: state in, state out.
#include <cmath>

#include "fijo.h"

namespace tya {

// What stays the same for a whole flight.
struct MedioPaso {
    Fijo dt;
    double dtd = 0;  // dt as a double
    double w = 0;    // horizontal wind, m/s
    double k = 0;    // drag factor, kg/m (0 in vacuum)
    double m = 1;    // mass, kg

    MedioPaso() = default;
    MedioPaso(Fijo paso, double viento, double roz, double masa)
        : dt(paso), dtd(paso.real()), w(viento), k(roz), m(masa), dt_crudo(static_cast<double>(paso.crudo())) {
        // Below this a scaled velocity and its product by dt are both exact in a double.
        const double a = std::fabs(dt_crudo);
        limite = a > 4 ? 9007199254740992.0 / a : Fijo::kLimiteRapido;
    }
    double dt_crudo = 0;
    double limite = 0;  // 0 sends every step through the general path
    // Fijo::entero_cercano with its constant read from here: the loop then takes it from memory
    // as it goes instead of holding it in a register that every event-pump call makes it reload.
    double magia = Fijo::kMagia;
    double entero_cercano(double p) const { return (p + magia) - magia; }
};

// The particle between steps.
struct EstadoPaso {
    Fijo t, x, y, vx, vy;
};

struct Aceleracion {
    double ax = 0, ay = 0;
};

// Drag of magnitude k·s² against the velocity relative to the wind, plus gravity. Unchecked, a
// particle at rest in the wind gives NaN: the step's range test then sends it the checked way.
inline Aceleracion aceleracion_sin_reposo(Fijo vx, Fijo vy, const MedioPaso& m) {
    const double u = vx.real() - m.w, v = vy.real();
    const double s2 = u * u + v * v;
    const double s = std::sqrt(s2);
    return {-(m.k * s2 / m.m) * u / s, -(m.k * s2 / m.m) * v / s - 9.81};
}

inline Aceleracion aceleracion(Fijo vx, Fijo vy, const MedioPaso& m) {
    const double u = vx.real() - m.w, v = vy.real();
    if (u * u + v * v == 0) return {0, -9.81};
    return aceleracion_sin_reposo(vx, vy, m);
}

// How a step went: by the double shortcut, by fixed-point operations alone, or out of range.
enum class Via { Rapida, General, Desborde };

// The new velocities of a step by the shortcut, in 0.0001 m/s: whole numbers, exact in doubles.
struct Escaladas {
    double vx = 0, vy = 0;
};

// The step by fixed-point operations alone, for values too large for the shortcut. Returns the
// state as far as it got; `completo` false when a value left the fixed range.
struct PasoGeneral {
    EstadoPaso e;
    bool completo = false;
};
[[gnu::noinline, gnu::cold]] inline PasoGeneral avanzar_general(EstadoPaso e, const MedioPaso& m) {
    const Aceleracion a = aceleracion(e.vx, e.vy, m);
    try {
        e.vx = Fijo::desde(e.vx.real() + a.ax * m.dtd);
        e.vy = Fijo::desde(e.vy.real() + a.ay * m.dtd);
        e.x += e.vx * m.dt;
        e.y += e.vy * m.dt;
        return {e, true};
    } catch (const DesbordeFijo&) {
        return {e, false};
    }
}

// t + dt; the acceleration from the state at the start of the step; the velocities, then the
// positions with the new velocities. Out of range, the state holds what the step got to, in
// that order.
[[nodiscard]] inline Via avanzar(EstadoPaso& e, const MedioPaso& m, Escaladas& nuevas) {
    // No check: at most 1900 samples of 50 steps keep t far inside the range.
    e.t = Fijo::crudo(e.t.crudo() + m.dt.crudo());
    const Aceleracion a = aceleracion_sin_reposo(e.vx, e.vy, m);
    // The scaled new velocities; while they are small enough they stay in doubles for the
    // products, which then give the digits of the fixed-point product exactly.
    const double px = (e.vx.real() + a.ax * m.dtd) * static_cast<double>(Fijo::kEscala);
    const double py = (e.vy.real() + a.ay * m.dtd) * static_cast<double>(Fijo::kEscala);
    // Both compared, not their maximum: a NaN must fail the test and take the general path.
    if ((std::fabs(px) < m.limite) & (std::fabs(py) < m.limite)) [[likely]] {
        nuevas.vx = m.entero_cercano(px);
        nuevas.vy = m.entero_cercano(py);
        e.vx = Fijo::crudo(static_cast<int64_t>(nuevas.vx));
        e.vy = Fijo::crudo(static_cast<int64_t>(nuevas.vy));
        const double dx = m.entero_cercano(nuevas.vx * m.dt_crudo / Fijo::kEscala);
        const double dy = m.entero_cercano(nuevas.vy * m.dt_crudo / Fijo::kEscala);
        int64_t x, y;
        if (__builtin_add_overflow(e.x.crudo(), static_cast<int64_t>(dx), &x)) return Via::Desborde;
        e.x = Fijo::crudo(x);
        if (__builtin_add_overflow(e.y.crudo(), static_cast<int64_t>(dy), &y)) return Via::Desborde;
        e.y = Fijo::crudo(y);
        return Via::Rapida;
    }
    const PasoGeneral g = avanzar_general(e, m);
    e = g.e;
    return g.completo ? Via::General : Via::Desborde;
}

}  // namespace tya
