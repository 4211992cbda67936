// SPDX-License-Identifier: GPL-3.0-or-later
// A family of sweeps through trayecta-calc's own command: 10 speeds x 91 angles in air, flown
// on one core and then on every core. Prints both times and their ratio in the last line.
#include <QBuffer>
#include <QGuiApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <vector>

#include "tipo_compilacion.h"

#include "tools/barrido.h"

using namespace tya;

namespace {

double ahora_s() { return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count(); }

// A foam ball (0.05 g/cm³) from 3500 m in a 4 m/s wind: long flights, each step stable for the
// drag at every launch speed of the family, so none of them is taken in parts.
const QByteArray kBase = "0 3500 50 45 1 4 1 0.05 0.4\n";
const QStringList kArgs = {"--inic", TYA_DATOS "/INIC.DAT",           "--barrido", "Ang", "0", "90", "1", "--familia",
                           "Vo",     "10,20,30,40,50,60,70,80,90,100"};

int familia(const QStringList& extra, QByteArray& tabla) {
    QBuffer in, out, err;
    in.setData(kBase);
    in.open(QIODevice::ReadOnly);
    out.open(QIODevice::WriteOnly);
    err.open(QIODevice::WriteOnly);
    const int rc = calc::ejecutar(kArgs + extra, in, out, err);
    tabla = out.data();
    return rc;
}

double medir_ms(const QStringList& extra, QByteArray& tabla) {
    const double a = ahora_s();
    familia(extra, tabla);
    return (ahora_s() - a) * 1e3;
}

double mediana(std::vector<double> t) {
    std::sort(t.begin(), t.end());
    return t[t.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    imprimir_tipo_compilacion();

    QByteArray uno, todos;
    if (familia({"-j", "1"}, uno) != calc::kSalidaBien) {
        std::printf("the family was refused\n");
        return 1;
    }
    const QList<QByteArray> filas = uno.trimmed().split('\n');
    // The work the figures stand for: the samples flown (the column N, after the family's and
    // the swept field's).
    long muestras = 0, mas_larga = 0;
    for (const QByteArray& f : filas.mid(1)) {
        const long n = f.split('\t').value(2).toLong();
        muestras += n;
        mas_larga = std::max(mas_larga, n);
    }
    std::printf("family Vo 10..100 x Ang 0..90: %lld flights, %ld samples in all, the longest %ld\n",
                static_cast<long long>(filas.size() - 1), muestras, mas_larga);
    const int nucleos = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    // Alternated, so that whatever else the machine is doing weighs on both alike.
    std::vector<double> t1, tn;
    for (int r = 0; r < 3; ++r) {
        t1.push_back(medir_ms({"-j", "1"}, uno));
        tn.push_back(medir_ms({}, todos));
        if (todos != uno) {
            std::printf("the tables on one core and on %d differ\n", nucleos);
            return 1;
        }
    }
    const double x = mediana(t1), y = mediana(tn);
    std::printf("median of 3 runs each, alternated; the tables are the same byte for byte\n");
    // Other programs on the cores take them from the threads: the ratio only means something
    // on a quiet machine.
    double carga[1] = {0};
    if (getloadavg(carga, 1) == 1)
        std::printf("load average while measuring: %.1f on %d cores%s\n", carga[0], nucleos,
                    carga[0] > nucleos ? " (more than this benchmark: the ratio is not comparable)" : "");
    std::printf("familia: 1 núcleo %.0f ms, %d núcleos %.0f ms, razón %.2f\n", x, nucleos, y, y / x);
    return 0;
}
