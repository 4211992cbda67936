// SPDX-License-Identifier: GPL-3.0-or-later
// A sweep of 100 flights of 1900 samples through trayecta-calc's own command, and its plot.
// Prints median and worst times.
#include <QBuffer>
#include <QGuiApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <vector>

#include "tipo_compilacion.h"

#include "graphs/grafico_barrido.h"
#include "tools/barrido.h"

using namespace tya;

namespace {

double ahora_s() { return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count(); }

struct Cifras {
    double mediana, peor;
};
Cifras cifras(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return {v[v.size() / 2], v.back()};
}

// The lightest ball the limits allow, drifting in a 4 m/s wind from 3500 m: still in the air
// at the 1900th sample, from each of a hundred launch points.
const QByteArray kBase = "0 3500 0 0 1 4 1 0.01 0.4\n";
const QStringList kArgs = {"--inic", TYA_DATOS "/INIC.DAT", "--barrido", "Xo", "0", "990", "10"};

}  // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    imprimir_tipo_compilacion();

    auto barrido = [&](QByteArray& tabla) {
        QBuffer in, out, err;
        in.setData(kBase);
        in.open(QIODevice::ReadOnly);
        out.open(QIODevice::WriteOnly);
        err.open(QIODevice::WriteOnly);
        const int rc = calc::ejecutar(kArgs, in, out, err);
        tabla = out.data();
        return rc;
    };
    QByteArray tabla;
    if (barrido(tabla) != calc::kSalidaBien) {
        std::printf("the sweep was refused\n");
        return 1;
    }
    const QList<QByteArray> filas = tabla.trimmed().split('\n');
    long largas = 0;
    for (const QByteArray& f : filas.mid(1)) largas += f.split('\t').value(1) == "1900" && f.contains("Fin de Simul");
    std::printf("sweep Xo 0..990 step 10: %lld flights, %ld of 1900 samples ended by the sample limit\n",
                static_cast<long long>(filas.size() - 1), largas);
    if (filas.size() != 101 || largas != 100) {
        std::printf("not the flights this benchmark is about: figures below are not comparable\n");
        return 1;
    }

    std::vector<double> t;
    for (int r = 0; r < 7; ++r) {
        const double a = ahora_s();
        barrido(tabla);
        t.push_back(ahora_s() - a);
    }
    const Cifras c = cifras(t);
    std::printf("\nwhole command (read, 100 flights, table), %zu runs:\n", t.size());
    std::printf("  median %8.1f ms  worst %8.1f ms  (%.2f ms a flight)   target well under 1 s: %s\n", c.mediana * 1e3,
                c.peor * 1e3, c.mediana * 10, c.peor < 0.5 ? "met" : (c.mediana < 1 ? "under 1 s only" : "NOT met"));

    // The fresh state each flight starts from is a copy of one made before the first.
    auto limpio = std::make_unique<EstadoExp>(), st = std::make_unique<EstadoExp>();
    std::vector<double> tc;
    for (int r = 0; r < 7; ++r) {
        const double a = ahora_s();
        for (int k = 0; k < 100; ++k) {
            *st = *limpio;
            st->NExp = static_cast<int16_t>(k);  // keeps the copies from being folded away
        }
        tc.push_back(ahora_s() - a);
    }
    std::printf("  of which the 100 fresh states: median %.1f ms\n", cifras(tc).mediana * 1e3);

    QList<calc::FilaBarrido> datos;
    for (int k = 0; k <= 90; ++k)
        datos << calc::FilaBarrido{Fijo::entero(k), 1, {}, Fijo::entero(k * (90 - k)), {}, {}, {}, {}};
    std::vector<double> tg;
    QSize tamano;
    for (int r = 0; r < 21; ++r) {
        const double a = ahora_s();
        const QImage img = imagen_lamina(calc::grafico_barrido(Cantidad::Ang, datos));
        tg.push_back(ahora_s() - a);
        if (img.isNull()) return 1;
        tamano = img.size();
    }
    const Cifras g = cifras(tg);
    std::printf("plot of 91 values as the PNG sheet, %d x %d px: median %.1f ms  worst %.1f ms\n", tamano.width(),
                tamano.height(), g.mediana * 1e3, g.peor * 1e3);
    return 0;
}
