#include "vuelo.h"

#include <cmath>

#include "formato.h"
#include "paso.h"
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

bool anotar_extremos(EstadoExp& st, double xmax, double ymax, double tf, double dmin, double tmin,
                     double vxf, double vyf, double roz) {
    const int e = st.NExp - 1;
    if (e < 0 || e >= kExperiencias) return false;
    auto& f = st.Extremos[e];
    f[0] = st.Xo();
    f[1] = st.Yo();
    f[2] = st.Vo();
    f[3] = st.Ang();
    f[4] = Fijo::saturado(roz);
    f[5] = Fijo::saturado(xmax);
    f[6] = Fijo::saturado(ymax);
    f[7] = Fijo::saturado(tf);
    f[8] = st.XoB();
    f[9] = st.YoB();
    f[10] = st.Vxb();
    f[11] = st.Vyb();
    f[12] = Fijo::saturado(dmin);
    f[13] = Fijo::saturado(tmin);
    f[14] = Fijo::saturado(vxf);
    f[15] = Fijo::saturado(vyf);
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

    // A sample every 0.75 s: velocity record, mark, pause, the records of the sample.
    [[gnu::noinline]] void muestra(EstadoPaso& p, const MedioPaso& medio) {
        auto& pos = st.Pos[e];
        auto& vel = st.VelMarca[e];
        ++j;
        vel[2 * j] = p.vx;
        vel[2 * j + 1] = p.vy;
        const int esc = st.Escala;
        const double xd = p.x.real(), yd = p.y.real();
        if (xd >= 0 && xd < 6450.0 / esc && yd >= 0 && yd < 4200.0 / esc)
            en.lienzo.marca(xd * esc, yd * esc, esc == 10 ? 34 : 16, st.NColor);
        marca_pausa = esperar_desde(en.reloj, marca_pausa, 0.01);
        ++i;
        if (i == 2) st.ColorExp[e] = en.lienzo.color_en(xd * esc, yd * esc);
        st.Tiempo[e][i] = p.t;
        st.Xs[e][i] = static_cast<float>(xd);
        st.Ys[e][i] = static_cast<float>(yd);
        st.Vx[e][i] = p.vx;
        st.Vy[e][i] = p.vy;
        if (p.t.crudo() == 0) aceleracion(p, medio);
        st.Ax[e][i] = std::fabs(p.ax) > 0.001 ? Fijo::desde(p.ax) : Fijo();
        st.Ay[e][i] = std::fabs(p.ay) > 0.001 ? Fijo::desde(p.ay) : Fijo();
        pos[2 * i] = p.x;
        pos[2 * i + 1] = p.y;
        ymax = std::max(ymax, p.y);
        ymin = std::min(ymin, p.y);
        xmax = std::max(xmax, p.x);
        xmin = std::min(xmin, p.x);
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
    // True on a hit.
    [[gnu::noinline]] bool seguir(const EstadoPaso& p, const Fijo dt, int16_t& tmin) {
        xb += vxb * dt;
        yb += vyb * dt;
        const double dx = (p.x - xb).real(), dy = (p.y - yb).real();
        const double d2 = dx * dx + dy * dy;
        if (d2 < d2min) {
            d2min = d2;
            tmin = entero16(p.t.real());
        }
        return d2min < 100;
    }
};

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
    st.NColor = static_cast<int16_t>(st.NColor + 1);
    if (st.NColor == 4) st.NColor = 6;
    if (st.NColor == 7) st.NColor = 9;
    if (st.NColor == 15) st.NColor = 3;
    if (st.NColor < 3 || st.NColor > 14) st.NColor = 3;  // an out-of-cycle value restarts the cycle
    if (st.NExp >= 11 || st.NExp < 1) st.NExp = 1;
    const int e = st.NExp - 1;
    auto& pos = st.Pos[e];
    auto& vel = st.VelMarca[e];
    pos[0] = Fijo::entero(st.NColor);
    Toma reg{en, st, e, 0, 0, 0, {}, {}, {}, {}};
    long pasos = 0;  // the step counter c is pasos mod 52

    st.YmaxEnt = 0;
    FinVuelo fin = FinVuelo::Suelo;
    EstadoPaso p;                      // the particle
    Fijo &t = p.t, &x = p.x, &y = p.y, &vx = p.vx, &vy = p.vy;
    Fijo vxp, vyp;                     // the velocities before the last step
    Blanco blanco;
    MedioPaso medio;
    Fijo vymax, vymin, vxmax, vxmin;

    try {
        const double theta = st.Ang().real() * kPi / 180.0;
        vx = Fijo::desde(st.Vo().real() * std::cos(theta));
        vy = Fijo::desde(st.Vo().real() * std::sin(theta));
        x = st.Xo();
        y = st.Yo();
        blanco.xb = st.XoB();
        blanco.yb = st.YoB();
        blanco.vxb = st.Vxb();
        blanco.vyb = st.Vyb();
        const double r = st.R().real();
        double masa = (4.0 * st.Densidad.real() / 3.0) * kPi * r * r * r / 1000.0;
        if (st.Cd == kCdForma[1]) masa *= 3;
        const double roz = 0.5 * st.Aire * st.Cd.real() * 0.0013 * kPi * r * r / 10.0;
        medio = MedioPaso(st.Dt, st.Viento().real(), roz, masa);
        vymax = vymin = vy;
        vxmax = vxmin = vx;
        vxp = vx; vyp = vy;
        reg.marca_pausa = en.reloj.segundos();
        const bool con_blanco = en.ventana.blanco_colocado();
        // Y raises YmaxEnt only past the whole metre last recorded; kept here, not read back each step.
        Fijo umbral_ymax = Fijo::entero(st.YmaxEnt);
        // The next sampling time: a sample is taken when t is a whole multiple of 0.75 s.
        int64_t proxima_muestra = 0;
        bool limite = false;  // 1900 samples taken

        VentanaVuelo& ventana = en.ventana;
        for (;;) {
            ventana.procesar_eventos();
            ++pasos;
            if (t.crudo() >= proxima_muestra) [[unlikely]] {
                const bool muestra = t.crudo() == proxima_muestra;
                while (proxima_muestra <= t.crudo()) proxima_muestra += kPeriodoCrudo;
                if (muestra) {
                    reg.muestra(p, medio);
                    limite = reg.j >= kMarcasMax;
                }
            }
            if (con_blanco) [[unlikely]] {
                const long c = pasos % 52;
                if (c % 10 == 0 && c != 0)
                    blanco.mover_marcador(en.ventana, medio_ancho_blanco, medio_alto_blanco);
            } else if (y > umbral_ymax) [[unlikely]] {
                st.YmaxEnt = entero16(y.real());
                umbral_ymax = Fijo::entero(st.YmaxEnt);
            }
            vxp = vx; vyp = vy;
            avanzar(p, medio);
            vymax = std::max(vymax, vy);
            vymin = std::min(vymin, vy);
            vxmax = std::max(vxmax, vx);
            vxmin = std::min(vxmin, vx);
            // The target moves only where it can be met; without one its copies stay idle.
            if (con_blanco && blanco.seguir(p, medio.dt, st.TminEnt)) [[unlikely]] {
                en.dialogos.mensaje(QStringLiteral("Impacto"));
                fin = FinVuelo::Impacto;
                break;
            }
            if (st.Parar == 1) [[unlikely]] {
                fin = FinVuelo::Parada;
                break;
            }
            if (y.crudo() <= 0 || limite) [[unlikely]] {
                if (limite) {
                    en.dialogos.mensaje(QStringLiteral("Fin de Simulación"));
                    fin = FinVuelo::Limite;
                }
                break;
            }
        }
    } catch (const DesbordeFijo&) {
        // Values far outside their ranges: the flight ends where it got to.
        fin = FinVuelo::Desborde;
    }
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
    const int n = i;
    pos[1] = Fijo::entero(n);
    vel[1] = Fijo::entero(n);
    vel[2 * n + 2] = vymax;
    vel[2 * n + 3] = vymin;
    vel[2 * n + 4] = vxmax;
    vel[2 * n + 5] = vxmin;
    vel[2 * n + 6] = vxf;
    vel[2 * n + 7] = vyf;
    vel[2 * n + 8] = tf;
    pos[2 * n + 2] = ymax;
    pos[2 * n + 3] = ymin;
    pos[2 * n + 4] = xmax;
    pos[2 * n + 5] = xmin;
    pos[2 * n + 6] = xf;
    pos[2 * n + 7] = yf;
    pos[2 * n + 8] = Fijo::entero(c);
    if (st.Trazo == 1) en.ventana.documentar_lanzamiento();
    anotar_extremos(st, st.XfinEnt, st.YmaxEnt, tf.real(), st.DminEnt, st.TminEnt, vxf.real(), vyf.real(), medio.k);
    st.EnVuelo = 0;
    st.NGrafSel = st.NExp;
    en.ventana.mostrar_ngraf(QString::number(st.NExp));
    return fin;
}

}  // namespace tya
