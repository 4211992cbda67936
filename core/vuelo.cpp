// SPDX-License-Identifier: GPL-3.0-or-later
#include "vuelo.h"

#include <cmath>
#include <utility>

#include "formato.h"
#include "paso.h"
#include "registros.h"

namespace tya {

namespace {

// The step counter c runs 0 to 51 and starts again: the target marker moves on its multiples of 10
// and an experiment's records keep where it stood at the landing.
constexpr long kCicloPasos = 52;
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

bool anotar_extremos(EstadoExp& st, double xmax, double ymax, double tf, double dmin, double tmin, double vxf,
                     double vyf, double roz) {
    const int e = st.NExp - 1;
    if (e < 0 || e >= kExperiencias) return false;
    auto& fila = st.Extremos[e];
    // The launch's own values, wherever the table of quantities says the row keeps them.
    for (const DefCantidad& c : kCantidades)
        if (c.resumen) fila[static_cast<size_t>(*c.resumen)] = st.valor(c.id);
    using C = CampoResumen;
    const std::pair<C, double> resultados[] = {{C::Roz, roz},   {C::Xmax, xmax}, {C::Ymax, ymax}, {C::T, tf},
                                               {C::Dmin, dmin}, {C::Tmin, tmin}, {C::VfX, vxf},   {C::VfY, vyf}};
    for (const auto& [campo, valor] : resultados) fila[static_cast<size_t>(campo)] = Fijo::saturado(valor);
    return true;
}

namespace {

// The highest and lowest velocities of the flight. Steps by the shortcut are followed two
// components at a time in doubles, which hold their whole numbers exactly; the rare general steps
// in fixed point.
class ExtremosVelocidad {
public:
    explicit ExtremosVelocidad(Fijo vx, Fijo vy) : vxmax(vx), vxmin(vx), vymax(vy), vymin(vy) {}
    void incluir(Par p) {
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
        max_ = Par{-kNinguno, -kNinguno};
        min_ = Par{kNinguno, kNinguno};
    }
    Fijo vxmax, vxmin, vymax, vymin;

private:
    static constexpr double kNinguno = 1e300;
    Par max_ = {-kNinguno, -kNinguno}, min_ = {kNinguno, kNinguno};
};

// The moving target: where it is, the closest approach, the hit.
struct Blanco {
    Fijo xb, yb, vxb, vyb;
    double d2min = 1000000.0;

    bool en_escena() const {
        return xb.crudo() > 0 && xb < Fijo::entero(6450) && yb.crudo() >= 0 && yb < Fijo::entero(4200);
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
        } catch (const DesbordeFijo&) { return Desborde; }
    }
};

// Where a step stands when the stepper hands the flight back: about to begin (counter and sample
// next), after its sample (target marker or height record next), or ready to move the particle.
enum class Fase { Comienzo, TrasMuestra, Movimiento };

}  // namespace

struct Vuelo::Datos {
    EstadoExp& st;
    int e = 0;
    bool con_blanco = false;
    int16_t medio_ancho = 0, medio_alto = 0;
    bool radio_elevado = false;
    MedioPaso medio;
    Blanco blanco;

    EstadoPaso p;
    Fijo vxp, vyp;  // the velocities before the last step
    ExtremosVelocidad v{Fijo(), Fijo()};
    // Steps begun: the records keep it modulo kCicloPasos, the counter c.
    long pasos = 0;
    // The next sampling time: a sample is taken when t is a whole multiple of 0.75 s.
    int64_t proxima_muestra = 0;
    // A height at or below this ends the flight: the ground, or every height once the samples run out.
    int64_t suelo = 0;
    // Y raises YmaxEnt only past the whole metre last recorded.
    Fijo umbral_ymax;
    Fase fase = Fase::Comienzo;
    bool terminado = false;
    FinVuelo fin = FinVuelo::Desborde;  // what a set-up or a sample out of range leaves

    int i = 0;  // samples taken
    Fijo ymax, ymin, xmax, xmin;
    Aceleracion a;  // of the step before the sample
    MuestraTomada muestra;
    Esquina esquina{};

    explicit Datos(EstadoExp& estado) : st(estado) {}

    // The positions before the last step when it went in parts (the others follow from its end).
    long partido_en = -1;
    Fijo x_antes, y_antes;

    bool tomar_muestra();
    template <bool kBlanco, bool kPasoAPaso> Evento correr();
};

// A sample every 0.75 s: velocity and position records with the acceleration the last step used.
// False when that leaves the fixed range.
bool Vuelo::Datos::tomar_muestra() {
    EscritorRegistros registros(st, e);
    ++i;
    registros.velocidad(i, p.vx, p.vy);
    const double xd = p.x.real(), yd = p.y.real();
    st.Tiempo[e][i] = p.t;
    st.Xs[e][i] = static_cast<float>(xd);
    st.Ys[e][i] = static_cast<float>(yd);
    st.Vx[e][i] = p.vx;
    st.Vy[e][i] = p.vy;
    muestra = {i, xd, yd};
    try {
        st.Ax[e][i] = std::fabs(a.ax) > 0.001 ? Fijo::desde(a.ax) : Fijo();
        st.Ay[e][i] = std::fabs(a.ay) > 0.001 ? Fijo::desde(a.ay) : Fijo();
    } catch (const DesbordeFijo&) { return false; }
    registros.posicion(i, p.x, p.y);
    ymax = std::max(ymax, p.y);
    ymin = std::min(ymin, p.y);
    xmax = std::max(xmax, p.x);
    xmin = std::min(xmin, p.x);
    return true;
}

// The step loop, made twice: a flight with a target moves its marker and looks for the hit; one
// without follows the height record instead. The hot values are locals while it runs.
template <bool kBlanco, bool kPasoAPaso> Evento Vuelo::Datos::correr() {
    // The velocities scaled in doubles while the loop runs; Fijo again on the way out.
    EstadoPaso q = p;
    const auto escalar = [](Fijo vx, Fijo vy) {
        return Par{static_cast<double>(vx.crudo()), static_cast<double>(vy.crudo())};
    };
    const auto fijar = [](Par e, Fijo& vx, Fijo& vy) {
        vx = Fijo::crudo(static_cast<int64_t>(e[0]));
        vy = Fijo::crudo(static_cast<int64_t>(e[1]));
    };
    Par vel = escalar(p.vx, p.vy), vel_antes = escalar(vxp, vyp);
    ExtremosVelocidad extremos = v;
    long n = pasos;
    Fijo umbral = umbral_ymax;
    int64_t proxima = proxima_muestra, suelo_ = suelo;
    Fase f = fase;
    // Nothing in here changes Parar: one reading a call stands for every step of it. A stop ends
    // the step at the ground test, which then every height passes.
    const bool parar = st.Parar == 1;
    int64_t suelo_sin_parar = suelo_;
    if (parar) suelo_ = INT64_MAX;
    // One way out, where the locals go back.
    Evento ev = Evento::Fin;
    Fase siguiente = Fase::Comienzo;
    for (;;) {
        if (f == Fase::Comienzo) {
            ++n;
            if (q.t.crudo() >= proxima) [[unlikely]] {
                const bool debida = q.t.crudo() == proxima;
                while (proxima <= q.t.crudo()) proxima += kPeriodoCrudo;
                if (debida) {
                    p = q;
                    fijar(vel, p.vx, p.vy);
                    fijar(vel_antes, vxp, vyp);
                    a = aceleracion(vxp, vyp, medio);
                    if (!tomar_muestra()) {
                        fin = FinVuelo::Desborde;
                        break;
                    }
                    if (i >= kMarcasMax) suelo_ = suelo_sin_parar = INT64_MAX;
                    ev = Evento::Muestra;
                    siguiente = Fase::TrasMuestra;
                    break;
                }
            }
            f = Fase::TrasMuestra;
        }
        if (f == Fase::TrasMuestra) {
            f = Fase::Movimiento;
            if constexpr (kBlanco) {
                // Every tenth step of the counter c, while the target is in the scene.
                const long c = n % kCicloPasos;
                if (c % 10 == 0 && c != 0 && blanco.en_escena()) [[unlikely]] {
                    esquina = esquina_marcador(blanco.xb, blanco.yb, 1, medio_ancho, medio_alto);
                    ev = Evento::Blanco;
                    siguiente = Fase::Movimiento;
                    break;
                }
            } else if (q.y > umbral) [[unlikely]] {
                st.YmaxEnt = entero16(q.y.real());
                umbral = Fijo::entero(st.YmaxEnt);
            }
        }
        f = Fase::Comienzo;
        vel_antes = vel;
        if (const Via via = avanzar_par(q.t, q.x, q.y, vel, medio); via == Via::Rapida) [[likely]] {
            extremos.incluir(vel);
        } else if (via == Via::Lenta) {
            const EstadoPaso antes = q;
            fijar(vel, q.vx, q.vy);
            const PasoGeneral g = avanzar_lento(q, medio);
            q = g.e;
            vel = escalar(q.vx, q.vy);
            if (g.partido) {
                partido_en = n;
                x_antes = antes.x;
                y_antes = antes.y;
            }
            if (!g.completo) {
                fin = FinVuelo::Desborde;
                break;
            }
            extremos.incluir(q.vx, q.vy);
        } else {
            // Values far outside their ranges: the flight ends where it got to.
            fin = FinVuelo::Desborde;
            break;
        }
        if constexpr (kBlanco) {
            if (const auto b = blanco.seguir(q.t, q.x, q.y, medio.dt, st.TminEnt); b != Blanco::Sigue) [[unlikely]] {
                fin = b == Blanco::Impacto ? FinVuelo::Impacto : FinVuelo::Desborde;
                break;
            }
        }
        if (q.y.crudo() <= suelo_) [[unlikely]] {
            fin = parar ? FinVuelo::Parada : (suelo_ == 0 ? FinVuelo::Suelo : FinVuelo::Limite);
            break;
        }
        if constexpr (kPasoAPaso) {
            ev = Evento::Paso;
            break;
        }
    }
    if (ev == Evento::Fin) {
        terminado = true;
        extremos.reunir();
    }
    p = q;
    fijar(vel, p.vx, p.vy);
    fijar(vel_antes, vxp, vyp);
    v = extremos;
    pasos = n;
    umbral_ymax = umbral;
    proxima_muestra = proxima;
    suelo = parar ? suelo_sin_parar : suelo_;
    fase = siguiente;
    return ev;
}

Vuelo::Vuelo(EstadoExp& st, bool blanco, int16_t medio_ancho_blanco, int16_t medio_alto_blanco)
    : d_(std::make_unique<Datos>(st)) {
    Datos& d = *d_;
    d.con_blanco = blanco;
    d.medio_ancho = medio_ancho_blanco;
    d.medio_alto = medio_alto_blanco;
    const Fijo radio_min = *cantidad(Cantidad::R).piso;
    if (st.R() < radio_min) {
        st.R() = radio_min;
        d.radio_elevado = true;
    }
    st.EnVuelo = 1;
    st.NExp = static_cast<int16_t>(st.NExp + 1);
    st.NColor = color_siguiente(st.NColor);
    if (st.NExp >= 11 || st.NExp < 1) st.NExp = 1;
    d.e = st.NExp - 1;
    EscritorRegistros(st, d.e).color(st.NColor);
    st.YmaxEnt = 0;
    try {
        const double theta = st.Ang().real() * kPi / 180.0;
        d.p.vx = Fijo::desde(st.Vo().real() * std::cos(theta));
        d.p.vy = Fijo::desde(st.Vo().real() * std::sin(theta));
        d.p.x = st.Xo();
        d.p.y = st.Yo();
        d.blanco.xb = st.XoB();
        d.blanco.yb = st.YoB();
        d.blanco.vxb = st.Vxb();
        d.blanco.vyb = st.Vyb();
        const double r = st.R().real();
        double masa = (4.0 * st.Densidad.real() / 3.0) * kPi * r * r * r / 1000.0;
        if (st.Cd == kCdForma[1]) masa *= 3;
        const double roz = 0.5 * st.Aire * st.Cd.real() * 0.0013 * kPi * r * r / 10.0;
        d.medio = MedioPaso(st.Dt, st.Viento().real(), roz, masa);
    } catch (const DesbordeFijo&) { d.terminado = true; }
    d.vxp = d.p.vx;
    d.vyp = d.p.vy;
    d.v = ExtremosVelocidad(d.p.vx, d.p.vy);
    d.umbral_ymax = Fijo::entero(st.YmaxEnt);
}

Vuelo::~Vuelo() = default;

bool Vuelo::radio_elevado() const { return d_->radio_elevado; }

Evento Vuelo::avanzar(bool paso_a_paso) {
    if (d_->terminado) return Evento::Fin;
    if (paso_a_paso) return d_->con_blanco ? d_->correr<true, true>() : d_->correr<false, true>();
    return d_->con_blanco ? d_->correr<true, false>() : d_->correr<false, false>();
}

const MuestraTomada& Vuelo::muestra() const { return d_->muestra; }
Esquina Vuelo::esquina_blanco() const { return d_->esquina; }
bool Vuelo::terminado() const { return d_->terminado; }
FinVuelo Vuelo::fin() const { return d_->fin; }
long Vuelo::pasos() const { return d_->pasos; }

void Vuelo::anotar_color(uint32_t color) { d_->st.ColorExp[d_->e] = color; }

void Vuelo::cerrar() {
    Datos& d = *d_;
    EstadoExp& st = d.st;
    const EstadoPaso& fin = d.p;
    const bool desborde = d.fin == FinVuelo::Desborde;
    // The state before the last step follows from the last: t and the positions moved by exact
    // sums of what the step added.
    EstadoPaso antes = fin;
    antes.vx = d.vxp;
    antes.vy = d.vyp;
    if (d.pasos > 0 && !desborde) {
        antes.t = fin.t - d.medio.dt;
        antes.x = fin.x - fin.vx * d.medio.dt;
        antes.y = fin.y - fin.vy * d.medio.dt;
    }
    if (d.partido_en == d.pasos && !desborde) {
        antes.x = d.x_antes;
        antes.y = d.y_antes;
    }
    st.XfinEnt = entero16(fin.x.real());
    st.TfinEnt = entero16(fin.t.real());
    st.DminEnt = entero16(std::sqrt(d.blanco.d2min));
    // The landing: a last step that crossed the ground is cut where it met it, by linear
    // interpolation between the states on both sides.
    EstadoPaso suelo = fin;
    if (signo(fin.y) != signo(antes.y) && !desborde) {
        try {
            const double t0 = fin.t.real(), t1 = antes.t.real();
            const double tn = t0 - fin.y.real() * (t1 - t0) / (antes.y.real() - fin.y.real());
            // The fraction of the last step comes from the landing time as it is stored.
            const Fijo tf = Fijo::desde(tn);
            const double f = (tf.real() - t0) / (t1 - t0);
            const auto entre = [f](Fijo a, Fijo b) { return Fijo::desde(a.real() + f * (b.real() - a.real())); };
            suelo = {tf, entre(fin.x, antes.x), Fijo(), entre(fin.vx, antes.vx), entre(fin.vy, antes.vy)};
        } catch (const DesbordeFijo&) {
            // keeps the last state
        }
    }
    const ExtremosVelocidad& v = d.v;
    const CierreRegistros cierre{.muestras = d.i,
                                 .ymax = d.ymax,
                                 .ymin = d.ymin,
                                 .xmax = d.xmax,
                                 .xmin = d.xmin,
                                 .xf = suelo.x,
                                 .yf = suelo.y,
                                 .contador = static_cast<int>(d.pasos % kCicloPasos),
                                 .vymax = v.vymax,
                                 .vymin = v.vymin,
                                 .vxmax = v.vxmax,
                                 .vxmin = v.vxmin,
                                 .vxf = suelo.vx,
                                 .vyf = suelo.vy,
                                 .tf = suelo.t};
    EscritorRegistros(st, d.e).cerrar(cierre);
    anotar_extremos(st, st.XfinEnt, st.YmaxEnt, suelo.t.real(), st.DminEnt, st.TminEnt, suelo.vx.real(),
                    suelo.vy.real(), d.medio.k);
    st.EnVuelo = 0;
    st.NGrafSel = st.NExp;
}

}  // namespace tya
