// SPDX-License-Identifier: GPL-3.0-or-later
#include "graficos.h"

#include <QString>
#include <algorithm>
#include <cmath>
#include <optional>

namespace tya {

namespace {

const uint32_t kTintaEjes = color_paleta(15);  // white pen, shown black in inverted mode

Magnitud magnitud_de(bool velocidades) { return velocidades ? Magnitud::Velocidades : Magnitud::Posiciones; }

// Nothing to show: the box is left empty.
MarcoGrafico vaciar(Superficie& caja) {
    caja.retenido(true);
    caja.borrar();
    return {};
}

MarcoGrafico marco(Superficie& caja, int16_t T, double derecha, RangoVertical r) {
    caja.retenido(true);
    caja.modo(Modo::Invertido);
    caja.escala(0, r.arriba, derecha, r.abajo);
    caja.borrar();
    const double t20 = T / 20.0;
    caja.linea(t20, 0, derecha, 0, kTintaEjes);
    caja.linea(t20, r.arriba, t20, r.abajo, kTintaEjes);
    const QString cero = QStringLiteral("0");
    caja.posicion(caja.ancho_texto(cero) / 2, caja.alto_texto(cero) / 2);
    caja.texto(cero, kTintaEjes);
    return {true, T, derecha, r.arriba, r.abajo};
}

// One curve, shifted right by T/20 so that t = 0 lies on the vertical axis, ending with the
// segment to the exact end of the flight.
// The mark of experiment e at (x, y) of a graph box: its shape, in its colour.
void marca_grafico(Superficie& caja, const Estilo& estilo, int e, double x, double y, uint32_t color) {
    const double r = radio_forma_px(estilo, 0);
    const Forma f = forma_experiencia(estilo.paleta, e);
    if (f == Forma::Circulo)
        caja.circulo(x, y, r * std::fabs(caja.unidades_x()), color);
    else
        caja.poligono(x, y, vertices_px(f, r), color);
}

// Marks along a curve, about five, so the legend's shapes name it where colours are close.
void marcas_curva(Superficie& caja, const Estilo& estilo, int e, const Muestreo& r, bool vertical, int16_t T,
                  double paso, uint32_t color) {
    const int n = r.muestras();
    const int cada = std::max(1, n / 5);
    for (int k = 1; k <= n; k += cada)
        marca_grafico(caja, estilo, e, (k - 1) * paso + T / 20.0, r.componente(k, vertical).real(), color);
}

void curva(Superficie& caja, const EstadoExp& st, int e, bool velocidades, bool vertical, int16_t T,
           const Estilo& estilo) {
    const Registros exp(st, e);
    const Muestreo r = exp.de(magnitud_de(velocidades));
    const int n = r.muestras();
    const uint32_t color = pluma_experiencia(estilo.paleta, e, exp.color());
    caja.grosor(estilo.grosor());
    const Fijo t20 = Fijo::saturado(T / 20.0);
    const Fijo paso = Fijo::entero(50) * st.Dt;
    caja.punto(static_cast<float>(T / 20.0), static_cast<float>(r.componente(1, vertical).real()), color);
    Fijo s;
    for (int k = 2; k <= n; ++k) {
        s += paso;
        caja.linea_a(static_cast<float>((s + t20).real()), static_cast<float>(r.componente(k, vertical).real()), color);
    }
    // In doubles: a final time read from a file may be far too large for a fixed-point sum.
    caja.linea_a(static_cast<float>(r.tiempo_final().real() + t20.real()), static_cast<float>(r.final(vertical).real()),
                 color);
    caja.grosor(1);
    if (estilo.paleta != Paleta::Normal) marcas_curva(caja, estilo, e, r, vertical, T, paso.real(), color);
}

MarcoGrafico graficar_uno(const EstadoExp& st, int k, bool velocidades, bool vertical, Superficie& caja,
                          const Estilo& estilo) {
    if (!experiencia_guardada(st, k)) return vaciar(caja);
    const int e = k - 1;
    const Muestreo r = Registros(st, e).de(magnitud_de(velocidades));
    const int16_t T = lapso_grafico(st.Dt, r.muestras());
    if (T < 1) return vaciar(caja);  // a box with no width
    const double hi = r.maximo(vertical).real();
    const double lo = r.minimo(vertical).real();
    const bool posiciones = !velocidades;
    const MarcoGrafico m = marco(caja, T, posiciones ? 1.1 * T : T, rango_vertical(hi, lo, !vertical, posiciones));
    curva(caja, st, e, velocidades, vertical, T, estilo);
    return m;
}

MarcoGrafico comparar(const EstadoExp& st, AcumComparacion& a, bool velocidades, bool vertical, Superficie& caja,
                      const Estilo& estilo) {
    if (st.NExp < 1 || st.NExp > kExperiencias) return vaciar(caja);
    int16_t& nmax = velocidades ? a.NmaxVel : a.NmaxPos;
    Fijo& vmax = velocidades ? a.VymaxComp : a.YmaxComp;
    Fijo& vmin = velocidades ? a.VyminComp : a.YminComp;
    Fijo& hmax = velocidades ? a.VxmaxComp : a.XmaxComp;
    Fijo& hmin = velocidades ? a.VxminComp : a.XminComp;
    bool alguna = false;
    for (int i = 1; i <= st.NExp; ++i) {
        const Registros exp(st, i - 1);
        const Muestreo r = exp.de(magnitud_de(velocidades));
        const int n = r.muestras();
        if (n < 1) continue;  // a record without samples has no curve and no extremes
        alguna = true;
        nmax = static_cast<int16_t>(std::max<int>(nmax, n));
        vmax = std::max(vmax, r.maximo(true));
        vmin = std::min(vmin, r.minimo(true));
        hmax = std::max(hmax, r.maximo(false));
        hmin = std::min(hmin, r.minimo(false));
    }
    if (!alguna) return vaciar(caja);
    const int16_t T = lapso_grafico(st.Dt, nmax);
    if (T < 1) return vaciar(caja);
    const double hi = (vertical ? vmax : hmax).real(), lo = (vertical ? vmin : hmin).real();
    const MarcoGrafico m = marco(caja, T, T, rango_vertical(hi, lo, !vertical, false));
    for (int i = 1; i <= st.NExp; ++i)
        if (Registros(st, i - 1).de(magnitud_de(velocidades)).muestras() >= 1)
            curva(caja, st, i - 1, velocidades, vertical, T, estilo);
    return m;
}

}  // namespace

Superficie nueva_caja_grafico(CajaGrafico caja) {
    const bool curvas = caja == CajaGrafico::Curvas;
    Superficie s(curvas ? kCurvasAnchoPx : kComparaAnchoPx, curvas ? kCurvasAltoPx : kComparaAltoPx, kFondoGrafico);
    s.retenido(true);
    s.modo(Modo::Invertido);
    return s;
}

int16_t lapso_grafico(Fijo dt, int64_t n) {
    // Exactly, in ten-thousandths: a double product could fall beside a tie such as 4.5.
    const __int128 c = static_cast<__int128>(50) * n * dt.crudo();
    __int128 q = c / Fijo::kEscala, r = c % Fijo::kEscala;
    if (r < 0) {
        r += Fijo::kEscala;
        q -= 1;
    }
    if (r * 2 > Fijo::kEscala || (r * 2 == Fijo::kEscala && (q & 1) != 0)) q += 1;
    return static_cast<int16_t>(std::clamp<__int128>(q, INT16_MIN, INT16_MAX));
}

RangoVertical rango_vertical(double hi, double lo, bool horizontal, bool posiciones_uno) {
    std::optional<RangoVertical> r;
    if (hi > 0 && lo < 0) r = RangoVertical{1.05 * hi, 1.05 * lo};
    if (hi > 0 && lo >= 0) r = RangoVertical{1.05 * hi, 1.05 * (lo - hi) / 10};
    if (hi <= 0 && lo < 0) r = RangoVertical{(hi - lo) / 10, 1.05 * lo};
    if (horizontal && hi == lo) {
        const double a = std::fabs(lo);
        r = posiciones_uno ? RangoVertical{lo + a / 10, -a / 10} : RangoVertical{a + a / 10, -1.05 * a};
    }
    if (horizontal && hi == 0 && lo == 0) r = RangoVertical{10, -10};
    // No rule gave the box a height (extremes both zero, or not in order): the zero range.
    if (!r || r->arriba == r->abajo) r = RangoVertical{10, -10};
    return *r;
}

bool experiencia_guardada(const EstadoExp& st, int k) {
    if (k < 1 || k > st.NExp || st.NExp > kExperiencias) return false;
    const Registros exp(st, k - 1);
    return exp.posiciones().muestras() >= 1 && exp.velocidades().muestras() >= 1;
}

MarcoGrafico graficar_posiciones(const EstadoExp& st, int experiencia, Superficie& curvas, bool vertical,
                                 const Estilo& estilo) {
    return graficar_uno(st, experiencia, false, vertical, curvas, estilo);
}

MarcoGrafico graficar_velocidades(const EstadoExp& st, int experiencia, Superficie& curvas, bool vertical,
                                  const Estilo& estilo) {
    return graficar_uno(st, experiencia, true, vertical, curvas, estilo);
}

MarcoGrafico comparar_posiciones(const EstadoExp& st, AcumComparacion& acum, Superficie& compara_p, bool vertical,
                                 const Estilo& estilo) {
    return comparar(st, acum, false, vertical, compara_p, estilo);
}

MarcoGrafico comparar_velocidades(const EstadoExp& st, AcumComparacion& acum, Superficie& compara_v, bool vertical,
                                  const Estilo& estilo) {
    return comparar(st, acum, true, vertical, compara_v, estilo);
}

QImage leyenda_comparacion(const EstadoExp& st, const Estilo& estilo, int ancho_px) {
    // One entry a tenth of the width for each of the ten experiments, tall enough for a mark.
    const int r = static_cast<int>(std::ceil(radio_forma_px(estilo, 3)));
    const int alto = std::max(16, 2 * r + 4), entrada = std::max(1, ancho_px / kExperiencias);
    Superficie s(std::max(1, ancho_px), alto, kFondoGrafico);
    s.retenido(true);
    s.modo(Modo::Invertido);
    const int n = std::clamp<int>(st.NExp, 0, kExperiencias);
    for (int e = 0; e < n; ++e) {
        const uint32_t pluma = pluma_experiencia(estilo.paleta, e, Registros(st, e).color());
        const double x = e * entrada, y = alto / 2;
        s.grosor(estilo.grosor());
        s.linea(x + r + 1, y, x + 3 * r + 4, y, pluma);
        s.grosor(1);
        marca_grafico(s, estilo, e, x + 2 * r + 2, y, pluma);
        s.posicion(x + 3 * r + 6, y - s.alto_texto(QStringLiteral("0")) / 2);
        s.texto(QString::number(e + 1), kTintaEjes);
    }
    return s.imagen();
}

QImage imagen_grafico(const EstadoExp& st, Magnitud magnitud, bool vertical, int experiencia, AcumComparacion acum,
                      const Estilo& estilo) {
    const bool velocidades = magnitud == Magnitud::Velocidades;
    if (experiencia == kTodasLasExperiencias) {
        Superficie caja = nueva_caja_grafico(velocidades ? CajaGrafico::ComparaV : CajaGrafico::ComparaP);
        comparar(st, acum, velocidades, vertical, caja, estilo);
        return caja.imagen();
    }
    Superficie caja = nueva_caja_grafico(CajaGrafico::Curvas);
    graficar_uno(st, experiencia, velocidades, vertical, caja, estilo);
    return caja.imagen();
}

}  // namespace tya
