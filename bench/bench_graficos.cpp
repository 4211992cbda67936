// SPDX-License-Identifier: GPL-3.0-or-later
// Times the comparison of ten experiments of 1900 samples and the table of 1900 rows,
// flown headless as the window would fly them, and prints median and worst figures.
#include <QGuiApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "../tests/apoyo.h"
#include "core/formato.h"
#include "core/registros.h"
#include "graphs/graficos.h"
#include "graphs/tablas.h"

using namespace tya;

namespace {

struct Cifras {
    double mediana, peor;
};

template <class F> Cifras medir(int veces, F&& f) {
    std::vector<double> ms;
    ms.reserve(static_cast<size_t>(veces));
    for (int i = 0; i < veces; ++i) {
        const auto t0 = std::chrono::steady_clock::now();
        f(i);
        ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count());
    }
    std::sort(ms.begin(), ms.end());
    return {ms[ms.size() / 2], ms.back()};
}

void informar(const char* que, Cifras c, double objetivo) {
    std::printf("%-58s mediana %7.3f ms  peor %7.3f ms  (objetivo <= %.0f ms)%s\n", que, c.mediana, c.peor, objetivo,
                c.mediana <= objetivo ? "" : "  NO CUMPLE");
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);  // the "0" of every frame needs the fonts

    // Ten flights that last the full 1900 samples: a small ice grain falling slowly in air
    // (about 2 m/s) from high up, launched differently each time. The launch speeds stay low:
    // the grain's drag is stiff, and faster starts make the 0.015 s steps diverge.
    prueba::Banco b;
    EstadoExp& st = *b.st;
    st.Densidad = Fijo::desde(0.92);
    for (int k = 0; k < kExperiencias; ++k) {
        b.lanzamiento(3 + 1.2 * k, -60 + 25 * k, 300 * k, 3900, 1, 0.01, (k % 5) - 2);
        const FinVuelo fin = b.volar();
        const int n = Registros(st, k).muestras();
        if (fin != FinVuelo::Limite || n != kMarcasMax) {
            std::fprintf(stderr, "el vuelo %d terminó (%d) con %d muestras\n", k + 1, static_cast<int>(fin), n);
            return 1;
        }
    }
    std::printf("%d experiencias de %d muestras (compilado %s)\n", st.NExp, kMarcasMax,
#ifdef __OPTIMIZE__
                "con optimización"
#else
                "sin optimización"
#endif
    );

    AcumComparacion acum;
    Superficie compara_p = nueva_caja_grafico(CajaGrafico::ComparaP);
    Superficie compara_v = nueva_caja_grafico(CajaGrafico::ComparaV);
    constexpr int kVeces = 300;
    const Cifras comparacion = medir(kVeces, [&](int i) {
        const bool vertical = i % 2 == 0;
        comparar_posiciones(st, acum, compara_p, vertical);
        comparar_velocidades(st, acum, compara_v, vertical);
    });
    informar("comparación de 10 x 1900 muestras (posiciones + velocidades)", comparacion, 16);

    const QChar sep = separador_local();
    qsizetype filas = 0;
    const Cifras tabla = medir(kVeces, [&](int) { filas += tabla_posiciones(st, 10, sep).size(); });
    if (filas != qsizetype(kVeces) * (kMarcasMax + 1)) {
        std::fprintf(stderr, "la tabla no tuvo %d filas\n", kMarcasMax + 1);
        return 1;
    }
    informar("tabla de posiciones de 1901 filas", tabla, 20);
    return 0;
}
