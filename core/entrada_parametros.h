// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rules every entered launch value obeys, in the window's boxes and in trayecta-calc alike:
// how a typed text is read, whole metres for the positions, the limits of INIC.DAT, the
// density range, the medium and the shape. Each caller tells the user in its own way.
#include <QString>
#include <array>
#include <cstdint>

#include "fijo.h"

namespace tya {

// The values of a launch beyond the ten parameters (1 to 10, as in IndiceParam).
enum DatoLanzamiento : int { dAire = 11, dDensidad = 12, dCd = 13 };

enum class Rechazo {
    Ninguno,
    NoEsNumero,    // the text holds something other than a number
    FueraDeRango,  // a number outside what the value allows
};

struct ValorEntrado {
    double valor = 0;             // as the rules keep it: whole metres for the positions
    bool metros_enteros = false;  // the whole part was taken (Xo, Yo, XoB, YoB)
    Rechazo rechazo = Rechazo::Ninguno;
    QString permitido;  // with FueraDeRango: "de 0 a 340", "0 o 1", "de 0.01 a 20"
    bool aceptado() const { return rechazo == Rechazo::Ninguno; }
};

// How a text becomes a number. Both take "." or "," as the decimal separator, in any locale,
// and read up to a second separator as up to any other character that cannot continue it.
enum class Lectura {
    Caja,       // the number at the start of a box's text; nothing readable is 0
    Respuesta,  // an answer that may hold only digits and separators ("Otro material")
};

// The rules for a value already read, against the parameters' limits.
ValorEntrado comprobar_entrada(int dato, double v, const std::array<Fijo, 11>& max, const std::array<int16_t, 11>& min);
// The same for a text, read as `lectura` says.
ValorEntrado comprobar_entrada(int dato, const QString& texto, Lectura lectura, const std::array<Fijo, 11>& max,
                               const std::array<int16_t, 11>& min);

}  // namespace tya
