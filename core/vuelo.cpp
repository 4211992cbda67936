// SPDX-License-Identifier: GPL-3.0-or-later
#include "vuelo.h"

#include <cmath>
#include <utility>

#include "formato.h"
#include "paso.h"
#include "registros.h"
#include "platform/dialogos.h"
#include "platform/reloj.h"

namespace tya {

namespace {
constexpr double kPi = 3.14159265358979323846;  // 4·atan(1)
constexpr int64_t kPeriodoCrudo = 7500;         // 0.75 s
int signo(Fijo v) { return v.crudo() > 0 ? 1 : (v.crudo() < 0 ? -1 : 0); }
}  // namespace

Esquina esquina_marcador(Fijo x, Fijo y, int escala, int16_t medio_ancho, int16_t medio_alto) {
    const Fijo izq = x * Fijo::entero(escala) - Fijo::saturado(medio_ancho / 2.0);
    const Fijo arr = y * Fijo::entero(escala) + Fijo::saturado(medio_alto / 2.0);
    return {static_cast<float>(izq.real()), static_cast<float>(arr.real())};
}

int16_t color_siguiente(int16_t ncolor) {
    int c = ncolor + 1;
    if (c == 4) c = 6;
    if (c == 7) c = 9;
    if (c == 15) c = 3;
    if (c < 3 || c > 14) c = 3;  // an out-of-cycle value restarts the cycle
    return static_cast<int16_t>(c);
}

bool anotar_extremos(EstadoExp& st, double xmax, double ymax, double tf, double dmin, double tmin,
                     double vxf, double vyf, double roz) {
    const int e = st.NExp - 1;
    if (e < 0 || e >= kExperiencias) return false;
    using C = CampoResumen;
    auto s = [](double v) { return Fijo::saturado(v); };
    const std::pair<C, Fijo> campos[] = {
        {C::Xo, st.Xo()},     {C::Yo, st.Yo()},     {C::Vo, st.Vo()},     {C::Ang, st.Ang()},   {C::Roz, s(roz)},
        {C::Xmax, s(xmax)},   {C::Ymax, s(ymax)},   {C::T, s(tf)},        {C::XoB, st.XoB()},   {C::YoB, st.YoB()},
        {C::Vxb, st.Vxb()},   {C::Vyb, st.Vyb()},   {C::Dmin, s(dmin)},   {C::Tmin, s(tmin)},   {C::VfX, s(vxf)},
        {C::VfY, s(vyf)}};
    for (const auto& [campo, valor] : campos) st.Extremos[e][static_cast<size_t>(campo)] = valor;
    return true;
}

namespace {

// What a flight keeps beside the particle, and the work it does only now and then: kept out of
// the step loop so the loop's few values stay in registers.
struct Toma {
    EntornoVuelo& en;
    EstadoExp& st;
    int e;
    int i = 0, j = 0;
    double marca_pausa = 0;
    Fijo ymax, ymin, xmax, xmin;
    Aceleracion a;  // of the step before the sample

    // A sample every 0.75 s: velocity record, mark, pause, the records of the sample, with the
    // acceleration the last step used. False when that leaves the fixed range.
    [[gnu::noinline]] bool muestra(Fijo t, Fijo x, Fijo y, Fijo vx, Fijo vy) {
        const EstadoPaso p{t, x, y, vx, vy};
        EscritorRegistros registros(st, e);
        ++j;
        registros.velocidad(j, p.vx, p.vy);
        const int esc = st.Escala;
        const double xd = p.x.real(), yd = p.y.real();
        if (marca_visible(xd, yd, esc)) en.lienzo.marca(xd * esc, yd * esc, radio_marca(esc), st.NColor);
        marca_pausa = esperar_desde(en.reloj, marca_pausa, kPausaMarca);
        ++i;
        if (i == kMuestraDeColor) st.ColorExp[e] = en.lienzo.color_en(xd * esc, yd * esc);
        st.Tiempo[e][i] = p.t;
        st.Xs[e][i] = static_cast<float>(xd);
        st.Ys[e][i] = static_cast<float>(yd);
        st.Vx[e][i] = p.vx;
        st.Vy[e][i] = p.vy;
        try {
            st.Ax[e][i] = std::fabs(a.ax) > 0.001 ? Fijo::desde(a.ax) : Fijo();
            st.Ay[e][i] = std::fabs(a.ay) > 0.001 ? Fijo::desde(a.ay) : Fijo();
        } catch (const DesbordeFijo&) {
            return false;
        }
        registros.posicion(i, p.x, p.y);
        ymax = std::max(ymax, p.y);
        ymin = std::min(ymin, p.y);
        xmax = std::max(xmax, p.x);
        xmin = std::min(xmin, p.x);
        return true;
    }
};

// The moving target: its marker every ten steps, the closest approach, the hit.
struct Blanco {
    Fijo xb, yb, vxb, vyb;
    double d2min = 1000000.0;

    [[gnu::noinline]] void mover_marcador(VentanaVuelo& v, int16_t medio_ancho, int16_t medio_alto) const {
        if (xb.crudo() > 0 && xb < Fijo::entero(6450) && yb.crudo() >= 0 && yb < Fijo::entero(4200)) {
            const Esquina q = esquina_marcador(xb, yb, 1, medio_ancho, medio_alto);
            v.mover_blanco(q.izquierda, q.arriba);
        }
    }
    // The target one step on, and whether the particle has met it.
    enum Paso { Sigue, Impacto, Desborde };
    [[gnu::noinline]] Paso seguir(Fijo t, Fijo x, Fijo y, const Fijo dt, int16_t& tmin) {
        try {
            xb += vxb * dt;
            yb += vyb * dt;
            const double dx = (x - xb).real(), dy = (y - yb).real();
            const double d2 = dx * dx + dy * dy;
            if (d2 < d2min) {
                d2min = d2;
                tmin = entero16(t.real());
            }
            return d2min < 100 ? Impacto : Sigue;
        } catch (const DesbordeFijo&) {
            return Desborde;
        }
    }
};

// The highest and lowest velocities of the flight. Steps by the shortcut are followed two
// components at a time in doubles, which hold their whole numbers exactly; the rare general steps
// in fixed point.
class ExtremosVelocidad {
public:
    using Par = double __attribute__((vector_size(16)));
    explicit ExtremosVelocidad(Fijo vx, Fijo vy) : vxmax(vx), vxmin(vx), vymax(vy), vymin(vy) {}
    void incluir(Escaladas v) {
        const Par p = {v.vx, v.vy};
        max_ = p > max_ ? p : max_;
        min_ = p < min_ ? p : min_;
    }
    void incluir(Fijo vx, Fijo vy) {
        vxmax = std::max(vxmax, vx);
        vxmin = std::min(vxmin, vx);
        vymax = std::max(vymax, vy);
        vymin = std::min(vymin, vy);
    }
    // Both kinds together, once the flight is over.
    void reunir() {
        if (max_[0] >= min_[0]) {
            incluir(Fijo::crudo(static_cast<int64_t>(max_[0])), Fijo::crudo(static_cast<int64_t>(max_[1])));
            incluir(Fijo::crudo(static_cast<int64_t>(min_[0])), Fijo::crudo(static_cast<int64_t>(min_[1])));
        }
    }
    Fijo vxmax, vxmin, vymax, vymin;

private:
    static constexpr double kNinguno = 1e300;
    Par max_ = {-kNinguno, -kNinguno}, min_ = {kNinguno, kNinguno};
};

// Where the step loop leaves the flight.
struct Salida {
    EstadoPaso p;
    Fijo vxp, vyp;  // the velocities before the last step
    ExtremosVelocidad v{Fijo(), Fijo()};
    long pasos = 0;  // the step counter c is pasos mod 52
    FinVuelo fin = FinVuelo::Suelo;
};

// The step loop, made twice: a flight with a target moves its marker and looks for the hit; one
// without follows the height record instead. The hot values are locals the calls never see.
template <bool kBlanco>
Salida bucle(EntornoVuelo& en, Toma& reg, Blanco& blanco, const MedioPaso& medio, EstadoPaso p,
             int16_t medio_ancho_blanco, int16_t medio_alto_blanco) {
    EstadoExp& st = en.st;
    VentanaVuelo& ventana = en.ventana;
    Fijo vxp = p.vx, vyp = p.vy;
    ExtremosVelocidad extremos(p.vx, p.vy);
    Escaladas nuevas;
    long pasos = 0;
    // Y raises YmaxEnt only past the whole metre last recorded; kept here, not read back each step.
    Fijo umbral_ymax = Fijo::entero(st.YmaxEnt);
    // The next sampling time: a sample is taken when t is a whole multiple of 0.75 s.
    int64_t proxima_muestra = kPeriodoCrudo;
    // A height at or below this ends the flight: the ground, or every height once the samples run out.
    int64_t suelo = 0;
    // The sample at this t, if one is due; false when its values leave the fixed range.
    const auto muestrear = [&] {
        const bool muestra = p.t.crudo() == proxima_muestra;
        while (proxima_muestra <= p.t.crudo()) proxima_muestra += kPeriodoCrudo;
        if (!muestra) return true;
        if (!reg.muestra(p.t, p.x, p.y, p.vx, p.vy)) return false;
        if (reg.j >= kMarcasMax) suelo = INT64_MAX;
        return true;
    };
    // Each turn takes a step and ends with the start of the next: the event pump, and the sample
    // when one is due, which is known before the pump runs.
    FinVuelo fin = FinVuelo::Desborde;  // what a sample out of range leaves
    ventana.procesar_eventos();
    ++pasos;
    reg.a = aceleracion(p.vx, p.vy, medio);
    if (reg.muestra(p.t, p.x, p.y, p.vx, p.vy)) {
        for (;;) {
            if constexpr (kBlanco) {
                const long c = pasos % 52;
                if (c % 10 == 0 && c != 0) [[unlikely]]
                    blanco.mover_marcador(ventana, medio_ancho_blanco, medio_alto_blanco);
            } else if (p.y > umbral_ymax) [[unlikely]] {
                st.YmaxEnt = entero16(p.y.real());
                umbral_ymax = Fijo::entero(st.YmaxEnt);
            }
            vxp = p.vx;
            vyp = p.vy;
            if (const Via via = avanzar(p, medio, nuevas); via == Via::Rapida) [[likely]] {
                extremos.incluir(nuevas);
            } else if (via == Via::General) {
                extremos.incluir(p.vx, p.vy);
            } else {
                // Values far outside their ranges: the flight ends where it got to.
                fin = FinVuelo::Desborde;
                break;
            }
            if constexpr (kBlanco) {
                if (const auto b = blanco.seguir(p.t, p.x, p.y, medio.dt, st.TminEnt); b != Blanco::Sigue) [[unlikely]] {
                    if (b == Blanco::Desborde) {
                        fin = FinVuelo::Desborde;
                        break;
                    }
                    en.dialogos.mensaje(QStringLiteral("Impacto"));
                    fin = FinVuelo::Impacto;
                    break;
                }
            }
            if (st.Parar == 1) [[unlikely]] {
                fin = FinVuelo::Parada;
                break;
            }
            if (p.y.crudo() <= suelo) [[unlikely]] {
                fin = FinVuelo::Suelo;
                if (suelo != 0) {
                    en.dialogos.mensaje(QStringLiteral("Fin de Simulación"));
                    fin = FinVuelo::Limite;
                }
                break;
            }
            if (p.t.crudo() >= proxima_muestra) [[unlikely]] {
                reg.a = aceleracion(vxp, vyp, medio);
                ventana.procesar_eventos();
                ++pasos;
                if (!muestrear()) break;
            } else {
                ventana.procesar_eventos();
                ++pasos;
            }
        }
    }
    extremos.reunir();
    return {p, vxp, vyp, extremos, pasos, fin};
}

}  // namespace

FinVuelo calcular_vuelo(EntornoVuelo& en, int16_t medio_ancho_blanco, int16_t medio_alto_blanco) {
    EstadoExp& st = en.st;
    const Fijo radio_min = Fijo::crudo(100);
    if (st.R() < radio_min) {
        st.R() = radio_min;
        en.ventana.mostrar_radio(QStringLiteral("0.01"));
    }
    en.lienzo.retenido(true);

    st.EnVuelo = 1;
    st.NExp = static_cast<int16_t>(st.NExp + 1);
    st.NColor = color_siguiente(st.NColor);
    if (st.NExp >= 11 || st.NExp < 1) st.NExp = 1;
    const int e = st.NExp - 1;
    EscritorRegistros(st, e).color(st.NColor);
    Toma reg{en, st, e, 0, 0, 0, {}, {}, {}, {}, {}};

    st.YmaxEnt = 0;
    Salida s{};  // as far as the set-up gets when a value is out of range
    Blanco blanco;
    MedioPaso medio;
    try {
        const double theta = st.Ang().real() * kPi / 180.0;
        s.p.vx = Fijo::desde(st.Vo().real() * std::cos(theta));
        s.p.vy = Fijo::desde(st.Vo().real() * std::sin(theta));
        s.p.x = st.Xo();
        s.p.y = st.Yo();
        blanco.xb = st.XoB();
        blanco.yb = st.YoB();
        blanco.vxb = st.Vxb();
        blanco.vyb = st.Vyb();
        const double r = st.R().real();
        double masa = (4.0 * st.Densidad.real() / 3.0) * kPi * r * r * r / 1000.0;
        if (st.Cd == kCdForma[1]) masa *= 3;
        const double roz = 0.5 * st.Aire * st.Cd.real() * 0.0013 * kPi * r * r / 10.0;
        medio = MedioPaso(st.Dt, st.Viento().real(), roz, masa);
        reg.marca_pausa = en.reloj.segundos();
    } catch (const DesbordeFijo&) {
        s.fin = FinVuelo::Desborde;
    }
    if (s.fin != FinVuelo::Desborde) {
        if (en.ventana.blanco_colocado())
            s = bucle<true>(en, reg, blanco, medio, s.p, medio_ancho_blanco, medio_alto_blanco);
        else
            s = bucle<false>(en, reg, blanco, medio, s.p, medio_ancho_blanco, medio_alto_blanco);
    }
    EstadoPaso& p = s.p;
    const FinVuelo fin = s.fin;
    const long pasos = s.pasos;
    Fijo &t = p.t, &x = p.x, &y = p.y, &vx = p.vx, &vy = p.vy;
    const Fijo vxp = s.vxp, vyp = s.vyp;
    const Fijo vymax = s.v.vymax, vymin = s.v.vymin, vxmax = s.v.vxmax, vxmin = s.v.vxmin;
    const int i = reg.i;
    const int c = static_cast<int>(pasos % 52);
    // The rest of the state before the last step follows from the last: t and the positions
    // moved by exact sums of what the step added.
    Fijo tp = t, xp = x, yp = y;
    if (pasos > 0 && fin != FinVuelo::Desborde) {
        tp = t - medio.dt;
        xp = x - vx * medio.dt;
        yp = y - vy * medio.dt;
    }
    const double d2min = blanco.d2min;
    const Fijo ymax = reg.ymax, ymin = reg.ymin, xmax = reg.xmax, xmin = reg.xmin;

    st.XfinEnt = entero16(x.real());
    st.TfinEnt = entero16(t.real());
    st.DminEnt = entero16(std::sqrt(d2min));
    Fijo vxf = vx, vyf = vy, xf = x, yf = y, tf = t;
    if (signo(yf) != signo(yp) && fin != FinVuelo::Desborde) {
        try {
            const double t0 = tf.real(), t1 = tp.real();
            const double tn = t0 - yf.real() * (t1 - t0) / (yp.real() - yf.real());
            // The fraction of the last step comes from the landing time as it is stored.
            const Fijo ntf = Fijo::desde(tn);
            const double f = (ntf.real() - t0) / (t1 - t0);
            const Fijo nxf = Fijo::desde(xf.real() + f * (xp.real() - xf.real()));
            const Fijo nvxf = Fijo::desde(vxf.real() + f * (vxp.real() - vxf.real()));
            const Fijo nvyf = Fijo::desde(vyf.real() + f * (vyp.real() - vyf.real()));
            tf = ntf; xf = nxf; yf = Fijo(); vxf = nvxf; vyf = nvyf;
        } catch (const DesbordeFijo&) {
            // keeps the last state
        }
    }
    EscritorRegistros(st, e).cerrar({i, ymax, ymin, xmax, xmin, xf, yf, c, vymax, vymin, vxmax, vxmin, vxf, vyf, tf});
    if (st.Trazo == 1) en.ventana.documentar_lanzamiento();
    anotar_extremos(st, st.XfinEnt, st.YmaxEnt, tf.real(), st.DminEnt, st.TminEnt, vxf.real(), vyf.real(), medio.k);
    st.EnVuelo = 0;
    st.NGrafSel = st.NExp;
    en.ventana.mostrar_ngraf(QString::number(st.NExp));
    return fin;
}

}  // namespace tya
