// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Inspection of a plotted sample: pointer tracking over the scene, the click that picks an
// experiment by colour, the nearest sample, and the velocity and acceleration vectors.
#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "core/experiment_state.h"
#include "platform/superficie.h"

namespace tya {

// The main window's pointer fields.
struct Raton {
    float XRaton = 0, YRaton = 0;  // last accepted position, scene units
    uint32_t ColorCursor = 0;      // scene pixel there when it was accepted
    uint32_t ColorFondo = rgb(224, 224, 224);
};

enum class Puntero { SinCambio, Flecha, Cruz };

// A pointer move: ignored (SinCambio) while flying or when x² + y² stays within 36 of the
// last accepted value; otherwise accepted, with the cross-hair over anything drawn.
Puntero seguir_puntero(Raton& r, const EstadoExp& st, const Superficie& escena, float x, float y);

// The highest-numbered stored experiment whose read-back colour is under the pointer; 0 if none.
int experiencia_bajo_cursor(const Raton& r, const EstadoExp& st);

// Nearest sample of experiment k to the point (Xw, Yw), in metres: by X with a bisection, or
// by Y with a scan for a vertical flight. The result may have a half; it always lies in 1..N.
double buscar_muestra(const EstadoExp& st, int k, double Xw, float Yw);

// A fractional index as the sample it addresses: the nearest whole number, ties to even.
int indice_muestra(double i);

// The seven rows of the sample table, in plain decimal form with the locale's separator:
// t, X, Y, Vx, Vy, Ax, Ay.
std::array<QString, 7> valores_muestra(const EstadoExp& st, int k, int i);

// One line of the vectors, in scene units, with its pen colour.
struct TrazoVector {
    double x1, y1, x2, y2;
    uint32_t color;
};
// The lines of the two vectors of sample i of experiment k at its position (X, Y), in metres:
// both shafts, the velocity's head, and the acceleration's head when Ay is not zero.
std::vector<TrazoVector> trazos_vectores(const EstadoExp& st, float X, float Y, int k, int i);

// Draws the two vectors of sample i of experiment k at its position (X, Y), in metres, in
// the scene's current mode.
void dibujar_vectores(const EstadoExp& st, Superficie& escena, float X, float Y, int k, int i);

// The experiment and sample a click picks (nothing below the ground line, on the background or
// on a colour of no experiment); clic_escena draws its vectors.
std::optional<std::pair<int, int>> muestra_bajo_cursor(const Raton& r, const EstadoExp& st);

struct MuestraElegida {
    int experiencia = 0;
    int indice = 0;
    std::array<QString, 7> valores;
};

// A click on the scene: finds the experiment and its sample and draws the vectors. Nothing
// happens (nullopt) below the ground line, on the background or on a colour of no experiment.
std::optional<MuestraElegida> clic_escena(const Raton& r, const EstadoExp& st, Superficie& escena);

}  // namespace tya
