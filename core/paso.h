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
};

// The particle between steps. The acceleration is kept from one step to the next.
struct EstadoPaso {
    Fijo t, x, y, vx, vy;
    double ax = 0, ay = 0;
};

// Drag of magnitude k·s² against the velocity relative to the wind, plus gravity.
inline void aceleracion(EstadoPaso& e, const MedioPaso& m) {
    const double u = e.vx.real() - m.w, v = e.vy.real();
    const double s2 = u * u + v * v;
    const double s = std::sqrt(s2);
    if (s != 0) {
        e.ax = -(m.k * s2 / m.m) * u / s;
        e.ay = -(m.k * s2 / m.m) * v / s - 9.81;
    } else {
        e.ax = 0;
        e.ay = -9.81;
    }
}

// t + dt; the acceleration from the state at the start of the step; the velocities, then the
// positions with the new velocities. Throws DesbordeFijo when a value leaves the fixed range.
inline void avanzar(EstadoPaso& e, const MedioPaso& m) {
    // No check: at most 1900 samples of 50 steps keep t far inside the range.
    e.t = Fijo::crudo(e.t.crudo() + m.dt.crudo());
    aceleracion(e, m);
    // The scaled new velocities; while they are small enough they stay in doubles for the
    // products, which then give the digits of the fixed-point product exactly.
    const double px = (e.vx.real() + e.ax * m.dtd) * static_cast<double>(Fijo::kEscala);
    const double py = (e.vy.real() + e.ay * m.dtd) * static_cast<double>(Fijo::kEscala);
    // Both compared, not their maximum: a NaN must fail the test and take the general path.
    if ((std::fabs(px) < m.limite) & (std::fabs(py) < m.limite)) [[likely]] {
        const double ex = Fijo::entero_cercano(px), ey = Fijo::entero_cercano(py);
        e.vx = Fijo::crudo(static_cast<int64_t>(ex));
        e.vy = Fijo::crudo(static_cast<int64_t>(ey));
        e.x += Fijo::crudo(static_cast<int64_t>(Fijo::entero_cercano(ex * m.dt_crudo / Fijo::kEscala)));
        e.y += Fijo::crudo(static_cast<int64_t>(Fijo::entero_cercano(ey * m.dt_crudo / Fijo::kEscala)));
    } else {
        e.vx = Fijo::desde(e.vx.real() + e.ax * m.dtd);
        e.vy = Fijo::desde(e.vy.real() + e.ay * m.dtd);
        e.x += e.vx * m.dt;
        e.y += e.vy * m.dt;
    }
}

}  // namespace tya
