// SPDX-License-Identifier: GPL-3.0-or-later
// The flight kernel without drawing or pauses, against a plain double-precision Euler loop of
// the same steps, and the redraw of ten full experiments. Prints median and worst times.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

#include "tipo_compilacion.h"

#include "core/experiment_state.h"
#include "core/registros.h"
#include "core/vuelo_sin_ventana.h"
#include "scene/escena.h"
#include "llano.h"

using namespace tya;

namespace {

using Reloj_ = std::chrono::steady_clock;

double ahora_s() { return std::chrono::duration<double>(Reloj_::now().time_since_epoch()).count(); }

struct Cifras {
    double mediana, peor;
};
Cifras cifras(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return {v[v.size() / 2], v.back()};
}

// A very light ball drifting down in the wind: still in the air at the 1900th sample.
void lanzamiento(EstadoExp& st, double xo, double yo) {
    st.Aire = 1;
    st.Densidad = Fijo::desde(0.0001);
    st.Cd = kCdForma[0];
    st.R() = Fijo::entero(100);
    st.Vo() = Fijo();
    st.Ang() = Fijo();
    st.Xo() = Fijo::desde(xo);
    st.Yo() = Fijo::desde(yo);
    st.Viento() = Fijo::entero(4);
}

}  // namespace

// One flight only, for counting instructions under callgrind (bench/instrucciones_por_paso.sh):
// "nucleo" or "llano", from 3500 m (1900 samples) or from the ground (one step).
int una_sola(const char* cual, const char* desde) {
    const double yo = std::strcmp(desde, "alto") == 0 ? 3500 : 0;
    if (std::strcmp(cual, "llano") == 0) {
        Llano llano;
        int n = 0;
        return llano.volar(0, yo, n) > 0 ? 0 : 1;
    }
    VueloSinVentana r;
    lanzamiento(*r.st, 0, yo);
    r.volar();
    std::printf("%ld steps\n", r.sin_ventana.pasos);
    return 0;
}

int main(int argc, char** argv) {
    if (argc == 4 && std::strcmp(argv[1], "--una") == 0) return una_sola(argv[2], argv[3]);
    imprimir_tipo_compilacion();

    // ---- (a) the flight kernel ----
    VueloSinVentana r;
    auto& st = r.st;
    long& pasos = r.sin_ventana.pasos;
    Llano llano;

    auto vuelo_nucleo = [&] {
        st->NExp = 0;
        st->NColor = 2;
        lanzamiento(*st, 0, 3500);
        return r.volar();
    };
    // Check the flight once: 1900 samples, ended by the sample limit, the same steps as the loop.
    pasos = 0;
    const FinVuelo fin = vuelo_nucleo();
    const int n_nucleo = Registros(*st, 0).muestras();
    int n_llano = 0;
    const long pasos_llano = llano.volar(0, 3500, n_llano);
    std::printf("kernel flight: %d samples, %ld steps, end %s, last sample t = %.2f s\n", n_nucleo, pasos,
                fin == FinVuelo::Limite ? "\"Fin de Simulación\"" : "NOT the sample limit",
                st->Tiempo[0][n_nucleo].real());
    std::printf("plain loop:    %d samples, %ld steps; last sample x, y: kernel %.3f, %.3f  loop %.3f, %.3f\n", n_llano,
                pasos_llano, st->Xs[0][n_nucleo], st->Ys[0][n_nucleo], llano.xs[n_llano], llano.ys[n_llano]);
    if (n_nucleo != 1900 || fin != FinVuelo::Limite || pasos_llano != pasos) {
        std::printf("the two flights do not match: figures below are not comparable\n");
        return 1;
    }

    const int vueltas = 200;
    std::vector<double> t_nucleo, t_llano;
    double suma = 0;
    for (int r = 0; r < vueltas; ++r) {  // interleaved so both see the same machine
        double a = ahora_s();
        vuelo_nucleo();
        t_nucleo.push_back(ahora_s() - a);
        a = ahora_s();
        int n = 0;
        llano.volar(0, 3500, n);
        t_llano.push_back(ahora_s() - a);
        suma += llano.ys[static_cast<size_t>(n)];
    }
    const Cifras cn = cifras(t_nucleo), cl = cifras(t_llano);
    std::printf("\nflight of 1900 samples, no drawing, no pause (%d runs):\n", vueltas);
    std::printf("  kernel (Vuelo::avanzar)  median %8.3f ms  worst %8.3f ms  (%.1f ns a step)\n", cn.mediana * 1e3,
                cn.peor * 1e3, cn.mediana * 1e9 / pasos_llano);
    std::printf("  plain double loop (-O2)  median %8.3f ms  worst %8.3f ms  (%.1f ns a step)\n", cl.mediana * 1e3,
                cl.peor * 1e3, cl.mediana * 1e9 / pasos_llano);
    std::printf("  ratio kernel / plain     median %8.2f x                     target 2.0 x or better: %s\n",
                cn.mediana / cl.mediana, cn.mediana / cl.mediana <= 2.0 ? "met" : "NOT met");
    std::printf("  (instructions per step: bench/instrucciones_por_paso.sh)\n");
    std::printf("  (checksum %.1f)\n", suma);

    // ---- (b) redraw of ten experiments of 1900 samples ----
    st->NExp = 0;
    st->NColor = 2;
    for (int k = 0; k < kExperiencias; ++k) {
        lanzamiento(*st, 70.0 * k, 3500 + 50.0 * k);
        r.volar();
        if (const int n = Registros(*st, k).muestras(); n != 1900) {
            std::printf("experiment %d has %d samples, not 1900\n", k + 1, n);
            return 1;
        }
    }
    Superficie sup = nueva_superficie_escena(1920, 1200);
    Escena escena(*st, sup);
    escena.preparar();
    long visibles = 0;
    for (int k = 0; k < kExperiencias; ++k) {
        const Registros exp(*st, k);
        for (int j = 1; j <= 1900; ++j) visibles += marca_visible(exp.x(j).real(), exp.y(j).real(), 1);
    }
    std::printf("\nredibujar_escena, %d experiments of 1900 samples, %ld marks in the scene, 1920 x 1200 surface:\n",
                st->NExp, visibles);

    auto medir = [&](const char* caso, auto&& preparar_caso) {
        std::vector<double> t;
        for (int r = 0; r < 200; ++r) {
            preparar_caso();
            const double a = ahora_s();
            escena.redibujar_escena();
            t.push_back(ahora_s() - a);
        }
        const Cifras c = cifras(t);
        std::printf("  %-44s median %7.3f ms  worst %7.3f ms   target 10 ms or less: %s\n", caso, c.mediana * 1e3,
                    c.peor * 1e3, c.peor <= 0.010 ? "met" : (c.mediana <= 0.010 ? "median met" : "NOT met"));
    };
    // After a flight the retained mode is on and what shows is the retained image.
    sup.retenido(true);
    medir("retained on (the usual case)", [] {});
    // A vector drawn with the retained mode off: the redraw must keep two images.
    medir("retained on, a vector on show only", [&] {
        sup.retenido(false);
        sup.linea(4000, 3000, 5000, 3000, st->ColorVel);
        sup.retenido(true);
    });
    // Retained mode off after a clear: the first drawing copies the retained image.
    medir("retained off, right after a clear", [&] {
        sup.retenido(false);
        sup.borrar();
    });
    return 0;
}
