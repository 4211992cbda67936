// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a driver of the flight shows around it: marks on a scene and the window's boxes.
#include <cstdint>
#include <QString>

namespace tya {

// The scene a flight's marks are drawn on.
class LienzoVuelo {
public:
    virtual ~LienzoVuelo() = default;
    virtual void retenido(bool on) = 0;
    // A sample mark of palette colour `color`, centred at a scene point.
    virtual void marca(double x, double y, double radio, int color) = 0;
    virtual uint32_t color_en(double x, double y) = 0;
};

// The window around the scene, as a flight's driver changes it.
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

}  // namespace tya
