// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Replay of one experiment with a time cursor: the samples it runs over, the sample reached at
// each moment of the replay, and what the cursor shows over the scene without touching its image.
#include <QPointF>
#include <QRect>
#include <array>
#include <vector>

#include "core/experiment_state.h"
#include "platform/superficie.h"

class QPainter;

namespace tya {

// Samples of experiment k that a replay runs over: 0 when k names no stored experiment.
int muestras_repeticion(const EstadoExp& st, int k);

// The paces a replay plays at: the flight's own (one sample per mark pause), four times that,
// and real time (one sample per 0.75 s, the time between two samples).
enum class Ritmo { Vuelo, Rapido, Real };
double segundos_por_muestra(Ritmo r);

// The sample reached `segundos` of real time after a replay started at sample `desde`, one
// sample every `por_muestra` seconds; it stops at the last sample n.
int muestra_al_reproducir(int desde, double segundos, double por_muestra, int n);

// The seven values shown for a sample (t, X, Y, Vx, Vy, Ax, Ay, as a clicked mark shows them).
// The one place the replay reads a sample's records.
std::array<QString, 7> valores_repeticion(const EstadoExp& st, int k, int i);

// Over the scene at sample i of experiment k: a ring round its mark and its two vectors, in
// the scene surface's pixels and in the colours they show there. Nothing when the mark lies
// off the scene at the current zoom.
struct CursorEscena {
    struct Linea {
        QPoint a, b;
        uint32_t color;
    };
    bool visible = false;
    QPointF centro;
    double radio = 0;  // of the ring
    std::vector<Linea> lineas;
    int grosor = 1;  // the scene's line width
    QRect zona;      // every pixel it paints
};
CursorEscena cursor_escena(const EstadoExp& st, const Superficie& escena, int k, int i);

// Paints the vectors' lines exactly as the scene's own line drawing would put them.
void pintar_lineas(QPainter& p, const CursorEscena& c);
void pintar_cursor_escena(QPainter& p, const CursorEscena& c);

}  // namespace tya
