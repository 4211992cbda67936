// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One integration step of the flight, with no window and no records: state in, state out.
#include <algorithm>
#include <cmath>
#include <limits>

#include "fijo.h"

namespace tya {

// Two doubles in one register: the x and y halves of a step go together.
using Par = double __attribute__((vector_size(16)));

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
        const double limite = a > 4 ? 9007199254740992.0 / a : Fijo::kLimiteRapido;
        // A step whose drag is stable (k·s·dt/m at most 1) changes the velocity by at most s plus
        // gravity's part, so below this relative speed the new velocities stay under that limit.
        const double s_exacta = (limite / Fijo::kEscala - std::fabs(w) - 1) / 2;
        const double s_estable = k * dtd > 0 ? m / (k * dtd) : std::numeric_limits<double>::infinity();
        if (m > 0 && std::isfinite(k / m) && s_exacta > 0)
            s2_rapido = std::min(s_exacta * s_exacta, s_estable * s_estable);
        dt_par = Par{dtd, dtd};
        dt_crudo_par = Par{dt_crudo, dt_crudo};
    }
    double dt_crudo = 0;
    // dt and its raw value twice over, for both halves of a step at once.
    Par dt_par = {0, 0}, dt_crudo_par = {0, 0};
    // Squared relative speed below which a step takes the shortcut; 0 sends every one the careful way.
    double s2_rapido = 0;
};

// The particle between steps.
struct EstadoPaso {
    Fijo t, x, y, vx, vy;
};

struct Aceleracion {
    double ax = 0, ay = 0;
};

// Drag of magnitude k·s² against the velocity (u, v) relative to the wind, plus gravity; s² > 0.
inline Aceleracion aceleracion_relativa(double u, double v, double s2, const MedioPaso& m) {
    const double s = std::sqrt(s2);
    return {-(m.k * s2 / m.m) * u / s, -(m.k * s2 / m.m) * v / s - 9.81};
}

inline Aceleracion aceleracion(Fijo vx, Fijo vy, const MedioPaso& m) {
    const double u = vx.real() - m.w, v = vy.real();
    if (u * u + v * v == 0) return {0, -9.81};
    return aceleracion_relativa(u, v, u * u + v * v, m);
}

// How a step went: by the double shortcut, by fixed-point operations alone, or out of range.
// `Lenta`: not taken, it is for `avanzar_lento`.
enum class Via { Rapida, General, Desborde, Lenta };

// The new velocities of a step by the shortcut, in 0.0001 m/s: whole numbers, exact in doubles.
struct Escaladas {
    double vx = 0, vy = 0;
};

// A step the slow way. Returns the state as far as it got; `completo` false when a value left the
// fixed range; `partido` when the drag made it go in parts.
struct PasoGeneral {
    EstadoPaso e;
    bool completo = false;
    bool partido = false;
};

// The step by fixed-point operations alone, for values too large for the shortcut.
inline PasoGeneral avanzar_general(EstadoPaso e, const MedioPaso& m) {
    const Aceleracion a = aceleracion(e.vx, e.vy, m);
    try {
        e.vx = Fijo::desde(e.vx.real() + a.ax * m.dtd);
        e.vy = Fijo::desde(e.vy.real() + a.ay * m.dtd);
        e.x += e.vx * m.dt;
        e.y += e.vy * m.dt;
        return {e, true};
    } catch (const DesbordeFijo&) { return {e, false}; }
}

// A light or small particle moving fast: in one whole step the drag would take more than the
// relative speed and throw the particle back. The step goes in parts in each of which the drag
// takes at most a twentieth of it, in doubles, and the step's end is stored as usual.
inline PasoGeneral avanzar_partido(EstadoPaso e, const MedioPaso& m) {
    double vx = e.vx.real(), vy = e.vy.real(), dx = 0, dy = 0;
    double resto = m.dtd;
    for (int partes = 0; resto > 0; ++partes) {
        if (partes == 1000000) return {e, false};
        const double u = vx - m.w;
        const double f = m.k * std::sqrt(u * u + vy * vy) / m.m;  // the drag's rate, 1/s
        const double h = f * resto > 0.05 ? 0.05 / f : resto;
        vx -= f * u * h;
        vy -= (f * vy + 9.81) * h;
        dx += vx * h;
        dy += vy * h;
        resto -= h;
    }
    try {
        e.vx = Fijo::desde(vx);
        e.vy = Fijo::desde(vy);
        e.x += Fijo::desde(dx);
        e.y += Fijo::desde(dy);
        return {e, true, true};
    } catch (const DesbordeFijo&) { return {e, false, true}; }
}

// The step the shortcut leaves: t + dt, then in parts when the drag is too strong for one step,
// else by fixed-point operations.
[[gnu::noinline, gnu::cold]] inline PasoGeneral avanzar_lento(EstadoPaso e, const MedioPaso& m) {
    e.t = Fijo::crudo(e.t.crudo() + m.dt.crudo());
    const double u = e.vx.real() - m.w, v = e.vy.real();
    if (m.k * std::sqrt(u * u + v * v) * m.dtd / m.m > 1) return avanzar_partido(e, m);
    return avanzar_general(e, m);
}

// The shortcut on the velocities kept scaled in doubles (`v`, in and out): t + dt; the
// acceleration from the state at the start of the step; the velocities, then the positions with
// the new velocities. Out of range, the state holds what the step got to, in that order. A
// particle at rest in the wind, a fast one or a strong drag are left untouched for `avanzar_lento`.
[[nodiscard]] inline Via avanzar_par(Fijo& t, Fijo& x, Fijo& y, Par& v, const MedioPaso& m) {
    constexpr double kEscala = static_cast<double>(Fijo::kEscala);
    // The same quotients as Fijo::real(): the scaled values are the raw ones, exact in doubles.
    const Par real = v / kEscala;
    const double u = real[0] - m.w, vy = real[1];
    const double s2 = u * u + vy * vy;
    if (!(s2 > 0 && s2 < m.s2_rapido)) [[unlikely]]
        return Via::Lenta;
    // No check: at most 1900 samples of 50 steps keep t far inside the range.
    t = Fijo::crudo(t.crudo() + m.dt.crudo());
    const Aceleracion a = aceleracion_relativa(u, vy, s2, m);
    // The scaled new velocities stay in doubles for the products, which then give the digits of
    // the fixed-point product exactly; both rounded to whole numbers as Fijo::entero_cercano does.
    constexpr Par kMagia = {Fijo::kMagia, Fijo::kMagia}, kEscalaPar = {kEscala, kEscala};
    const Par acel = {a.ax, a.ay};
    v = ((real + acel * m.dt_par) * kEscalaPar + kMagia) - kMagia;
    const Par d = (v * m.dt_crudo_par / kEscalaPar + kMagia) - kMagia;
    int64_t nx, ny;
    if (__builtin_add_overflow(x.crudo(), static_cast<int64_t>(d[0]), &nx)) return Via::Desborde;
    x = Fijo::crudo(nx);
    if (__builtin_add_overflow(y.crudo(), static_cast<int64_t>(d[1]), &ny)) return Via::Desborde;
    y = Fijo::crudo(ny);
    return Via::Rapida;
}

// The same step on a whole state; `nuevas` gets the new velocities scaled.
[[nodiscard]] inline Via avanzar(EstadoPaso& e, const MedioPaso& m, Escaladas& nuevas) {
    Par v = {static_cast<double>(e.vx.crudo()), static_cast<double>(e.vy.crudo())};
    const Via via = avanzar_par(e.t, e.x, e.y, v, m);
    nuevas = {v[0], v[1]};
    if (via != Via::Lenta) {
        e.vx = Fijo::crudo(static_cast<int64_t>(nuevas.vx));
        e.vy = Fijo::crudo(static_cast<int64_t>(nuevas.vy));
    }
    return via;
}

}  // namespace tya
