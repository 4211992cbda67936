// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One flight of the particle, computed step by step while its marks appear in the scene.
#include <cstdint>
#include <QString>

#include "experiment_state.h"

namespace tya {

class Reloj;
class Dialogos;

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

// What the flight needs of the scene it draws into.
class LienzoVuelo {
public:
    virtual ~LienzoVuelo() = default;
    virtual void retenido(bool on) = 0;
    // A sample mark of palette colour `color`, centred at a scene point.
    virtual void marca(double x, double y, double radio, int color) = 0;
    virtual uint32_t color_en(double x, double y) = 0;
};

// What the flight needs of the main window around the scene.
class VentanaVuelo {
public:
    virtual ~VentanaVuelo() = default;
    virtual void procesar_eventos() {}
    virtual bool blanco_colocado() const { return false; }
    virtual void mostrar_radio(const QString&) {}
    virtual void mover_blanco(double /*izquierda*/, double /*arriba*/) {}
    virtual void mostrar_ngraf(const QString&) {}
    virtual void documentar_lanzamiento() {}
};

struct EntornoVuelo {
    EstadoExp& st;
    LienzoVuelo& lienzo;
    VentanaVuelo& ventana;
    Reloj& reloj;
    Dialogos& dialogos;
};

enum class FinVuelo { Suelo, Impacto, Parada, Limite, Desborde };

// Computes the next experiment. Returns how the flight ended.
FinVuelo calcular_vuelo(EntornoVuelo& en, int16_t medio_ancho_blanco, int16_t medio_alto_blanco);

// The palette index of the next experiment's colour: 3, 6, 9 to 14, and round again.
int16_t color_siguiente(int16_t ncolor);

// Writes row NExp - 1 of Extremos; false if that row does not exist.
bool anotar_extremos(EstadoExp& st, double xmax, double ymax, double tf, double dmin, double tmin,
                     double vxf, double vyf, double roz);

// Left and top edges of a marker at a point, by the placement rule (marked point a quarter of
// the marker in from its top-left corner).
struct Esquina { float izquierda, arriba; };
Esquina esquina_marcador(Fijo x, Fijo y, int escala, int16_t medio_ancho, int16_t medio_alto);

}  // namespace tya
