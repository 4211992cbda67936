// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One flight of the particle as a stepper: made from the launch the state holds, advanced by its
// caller until something happens, closed when it is over. The caller shows what happens.
#include <cstdint>
#include <memory>

#include "experiment_state.h"

namespace tya {

// A sample's mark is drawn only inside the scene at the zoom `escala`, with the radius in scene
// units of that zoom: one rule for the flight and for the scene's redraw.
inline bool marca_visible(double x, double y, int escala) {
    return x >= 0 && x < 6450.0 / escala && y >= 0 && y < 4200.0 / escala;
}
inline double radio_marca(int escala) { return escala == 10 ? 34 : 16; }
// The sample whose colour on screen names its experiment to the vector pointer.
constexpr int kMuestraDeColor = 2;
// Real time between two marks of a flight, in seconds: the pace a flight is watched at.
constexpr double kPausaMarca = 0.01;

enum class FinVuelo { Suelo, Impacto, Parada, Limite, Desborde };

// Where the stepper hands the flight back to its caller.
enum class Evento {
    Paso,     // a step is over (only when stepping one step at a time)
    Muestra,  // a sample is recorded and its mark is due: `muestra()`
    Blanco,   // the target marker moves: `esquina_blanco()`
    Fin,      // the flight is over: `fin()`, then `cerrar()`
};

// The sample just recorded: its number (1 for t = 0) and its point in metres.
struct MuestraTomada {
    int i = 0;
    double x = 0, y = 0;
};

// Left and top edges of a marker at a point, by the placement rule (marked point a quarter of
// the marker in from its top-left corner).
struct Esquina {
    float izquierda, arriba;
};
Esquina esquina_marcador(Fijo x, Fijo y, int escala, int16_t medio_ancho, int16_t medio_alto);

class Vuelo {
public:
    // Starts the next experiment from the launch in `st` (NExp, colour, EnVuelo, a radius below
    // 0.01 raised to it). `blanco`: a target is placed; its marker has these half sizes.
    Vuelo(EstadoExp& st, bool blanco, int16_t medio_ancho_blanco, int16_t medio_alto_blanco);
    ~Vuelo();
    Vuelo(const Vuelo&) = delete;
    Vuelo& operator=(const Vuelo&) = delete;

    // Whether the radius was below 0.01 cm and now is 0.01.
    bool radio_elevado() const;

    // Until a sample, a target move or the end; `paso_a_paso` also stops after every step, so
    // the caller can let its window's events through once a step. Parar is read once a step.
    Evento avanzar(bool paso_a_paso = false);
    const MuestraTomada& muestra() const;
    Esquina esquina_blanco() const;
    // The colour the sample `kMuestraDeColor`'s mark shows, the experiment's name to the vectors.
    void anotar_color(uint32_t color);

    bool terminado() const;
    FinVuelo fin() const;
    long pasos() const;

    // Once terminated: the landing, the end records and `Extremos`; EnVuelo back to 0 and the new
    // experiment selected for the views.
    void cerrar();

private:
    struct Datos;
    std::unique_ptr<Datos> d_;
};

// The palette index of the next experiment's colour: 3, 6, 9 to 14, and round again.
int16_t color_siguiente(int16_t ncolor);

// Writes row NExp - 1 of Extremos; false if that row does not exist.
bool anotar_extremos(EstadoExp& st, double xmax, double ymax, double tf, double dmin, double tmin, double vxf,
                     double vyf, double roz);

}  // namespace tya
