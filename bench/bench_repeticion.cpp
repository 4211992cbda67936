// SPDX-License-Identifier: GPL-3.0-or-later
// The replay cursor stepped over ten experiments of 1900 samples in the real window, with the
// graph panel, its table of 1901 rows and the comparison open: each step repaints what moved.
#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "../tests/apoyo.h"
#include "platform/dialogos.h"
#include "platform/reloj.h"
#include "ui/panel_graficos.h"
#include "ui/principal.h"
#include "ui/repeticion.h"

using namespace tya;

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    for (const char* n : {"INIC.DAT", "trazo.txt"})
        QFile::copy(QStringLiteral(TYA_DATOS "/") + QLatin1String(n), dir.filePath(QLatin1String(n)));

    // Ten full flights flown headless, as bench_graficos flies them: ice grains falling slowly.
    prueba::Banco b;
    EstadoExp& st = *b.st;
    st.Densidad = Fijo::desde(0.92);
    for (int k = 0; k < kExperiencias; ++k) {
        b.lanzamiento(3 + 1.2 * k, -60 + 25 * k, 300 * k, 3900, 1, 0.01, (k % 5) - 2);
        if (b.volar() != FinVuelo::Limite || Registros(st, k).muestras() != kMarcasMax) {
            std::fprintf(stderr, "el vuelo %d no llegó a %d muestras\n", k + 1, kMarcasMax);
            return 1;
        }
    }

    DialogosGuion dlg;
    RelojContador reloj;
    Princip w(st, dlg, reloj, dir.path());
    if (!w.cargar()) {
        std::fprintf(stderr, "%s\n", qPrintable(dlg.mensajes.join(QLatin1Char('\n'))));
        return 1;
    }
    w.resize(1600, 1000);
    w.show();
    st.NExp = kExperiencias;
    w.escena().redibujar_escena();
    w.menus_experiencias(true);
    st.NGrafSel = 10;
    w.graficos().ver_posiciones();
    w.graficos().comparar_graficas();
    w.accion(QStringLiteral("Repetir"))->trigger();
    Repeticion* r = w.repeticion();
    QApplication::processEvents();
    if (!r->isVisible() || r->cuenta() != kMarcasMax) {
        std::fprintf(stderr, "el panel no se abrió sobre %d muestras\n", kMarcasMax);
        return 1;
    }

    // One step: the cursor moves, then the window paints before the next one.
    std::vector<double> ms;
    for (int i = 2; i <= kMarcasMax; ++i) {
        const auto t0 = std::chrono::steady_clock::now();
        r->paso(1);
        QApplication::processEvents();
        ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count());
    }
    std::sort(ms.begin(), ms.end());
    std::printf("cursor: %d x %d muestras, paso mediana %.2f ms (peor %.2f ms, objetivo < 16 ms)\n", st.NExp,
                kMarcasMax, ms[ms.size() / 2], ms.back());
    return 0;
}
