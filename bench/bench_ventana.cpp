// SPDX-License-Identifier: GPL-3.0-or-later
// A 1900-sample flight in the real window, paced by the real clock: the time it takes against
// the 19 s that the pause of 0.01 s per sample sets.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QListWidget>
#include <QTemporaryDir>
#include <cstdio>

#include "core/experiment_state.h"
#include "core/formato.h"
#include "core/registros.h"
#include "graphs/tablas.h"
#include "platform/dialogos.h"
#include "platform/reloj.h"
#include "ui/comandos_escena.h"
#include "ui/panel_graficos.h"
#include "ui/principal.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QTemporaryDir dir;
    for (const char* n : {"INIC.DAT", "trazo.txt"})
        QFile::copy(QStringLiteral(TYA_DATOS "/") + QLatin1String(n), dir.filePath(QLatin1String(n)));
    auto st = std::make_unique<tya::EstadoExp>();
    tya::DialogosGuion dlg;
    tya::RelojReal reloj;
    tya::Princip w(*st, dlg, reloj, dir.path());
    if (!w.cargar()) {
        std::fprintf(stderr, "%s\n", qPrintable(dlg.mensajes.join(QLatin1Char('\n'))));
        return 1;
    }
    w.resize(1280, 800);
    w.show();
    QApplication::processEvents();
    // A very light ball drifting in the wind: it is still in the air after 1900 samples.
    st->Aire = 1;
    st->Densidad = tya::Fijo::desde(0.0001);
    st->Param[tya::iR] = tya::Fijo::entero(100);
    st->Param[tya::iVo] = tya::Fijo();
    st->Param[tya::iYo] = tya::Fijo::entero(3500);
    st->Param[tya::iViento] = tya::Fijo::entero(4);
    QElapsedTimer t;
    t.start();
    w.comandos().lanzar();
    const double s = t.nsecsElapsed() / 1e9;
    const int n = tya::Registros(*st, 0).muestras();
    std::printf("flight in the window: %d samples in %.2f s (pace set by the pause: %.2f s, %+.1f%%)\n", n, s, n * 0.01,
                100.0 * (s / (n * 0.01) - 1));
    std::printf("end message: %s\n", qPrintable(dlg.mensajes.join(QStringLiteral(", "))));

    // The view of that flight as a student opens it: graph, table of 1901 rows into List1, paint.
    st->NGrafSel = 1;
    constexpr int kVeces = 20;
    t.restart();
    for (int i = 0; i < kVeces; ++i) {
        w.graficos().ver_posiciones();
        QApplication::processEvents();
    }
    std::printf("\"Gráfico Posiciones\" of %d samples (graph, %d table rows, repaint): %.2f ms each\n", n, n + 1,
                t.nsecsElapsed() / 1e6 / kVeces);

    // The table alone: rows built and put into the window's List1.
    auto* lista = w.findChild<QListWidget*>(QStringLiteral("List1"));
    t.restart();
    for (int i = 0; i < kVeces; ++i) {
        const QStringList filas = tya::tabla_posiciones(*st, 1, tya::separador_local());
        lista->clear();
        lista->addItems(filas);
    }
    std::printf("table of %d rows into List1: %.2f ms each (target 20 ms)\n", lista->count(),
                t.nsecsElapsed() / 1e6 / kVeces);
    return 0;
}
