// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Time graphs of the stored experiments: one experiment in Curvas, all of them in ComparaP
// and ComparaV, drawn in inverted mode on a graph box's surface.
#include <QImage>
#include <cstdint>

#include "core/experiment_state.h"
#include "core/paleta.h"
#include "core/registros.h"
#include "platform/superficie.h"

namespace tya {

// Pixel sizes of the graph boxes in their panels.
constexpr int kCurvasAnchoPx = 330, kCurvasAltoPx = 200;
constexpr int kComparaAnchoPx = 420, kComparaAltoPx = 250;
constexpr uint32_t kFondoGrafico = rgb(255, 255, 255);

enum class CajaGrafico { Curvas, ComparaP, ComparaV };

// A white box of the default size of `caja`, with its retained image on (the clipboard
// copies the retained image).
Superficie nueva_caja_grafico(CajaGrafico caja);

// Comparison accumulators: zero at program start, never reset, only ever widened.
// The window keeps one for the whole run.
struct AcumComparacion {
    int16_t NmaxPos = 0, NmaxVel = 0;
    Fijo XmaxComp, XminComp, YmaxComp, YminComp;
    Fijo VxmaxComp, VxminComp, VymaxComp, VyminComp;
};

// The frame a graph routine chose. `dibujado` is false when there was nothing to draw
// (the selection names no stored experiment): the box was then only cleared.
struct MarcoGrafico {
    bool dibujado = false;
    int16_t T = 0;       // time span; the window keeps it in TfinEnt
    double derecha = 0;  // t at the right edge: T, or 1.1 T for positions of one experiment
    double arriba = 0;   // value at the top edge
    double abajo = 0;    // value at the bottom edge
};

// `vertical` is the state of Option2: Y or Vy when set, X or Vx when clear. `experiencia` is
// the experiment shown (1 to 10; the window passes NGrafSel). `estilo` gives the curves'
// colours and width; in the projector palette each curve also carries its experiment's marks.
MarcoGrafico graficar_posiciones(const EstadoExp& st, int experiencia, Superficie& curvas, bool vertical,
                                 const Estilo& estilo = {});
MarcoGrafico graficar_velocidades(const EstadoExp& st, int experiencia, Superficie& curvas, bool vertical,
                                  const Estilo& estilo = {});
MarcoGrafico comparar_posiciones(const EstadoExp& st, AcumComparacion& acum, Superficie& compara_p, bool vertical,
                                 const Estilo& estilo = {});
MarcoGrafico comparar_velocidades(const EstadoExp& st, AcumComparacion& acum, Superficie& compara_v, bool vertical,
                                  const Estilo& estilo = {});

// The comparisons' legend: a white strip `ancho_px` wide with, for each stored experiment, its
// mark, a piece of its curve and its number, in the colours the graphs give it.
QImage leyenda_comparacion(const EstadoExp& st, const Estilo& estilo, int ancho_px = kComparaAnchoPx);

// 50 Dt N rounded to a whole number, ties to even, in a type wide enough for any count.
int16_t lapso_grafico(Fijo dt, int64_t n);

// The vertical range rules. `horizontal`: X or Vx; `posiciones_uno`: graficar_posiciones,
// whose constant-X rule differs. Extremes both zero give -10 to 10 for either component.
struct RangoVertical {
    double arriba, abajo;
};
RangoVertical rango_vertical(double hi, double lo, bool horizontal, bool posiciones_uno);

// True when experiment k (1 to 10) is stored with samples in both records.
bool experiencia_guardada(const EstadoExp& st, int k);

// A graph for a worksheet, exactly as its box shows it: experiment `experiencia` (1 to 10)
// in a Curvas box, or every stored experiment (kTodasLasExperiencias) in a comparison box
// widening `acum` (a fresh one for the first comparison of a run).
constexpr int kTodasLasExperiencias = 0;
QImage imagen_grafico(const EstadoExp& st, Magnitud magnitud, bool vertical, int experiencia, AcumComparacion acum = {},
                      const Estilo& estilo = {});

}  // namespace tya
