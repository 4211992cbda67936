// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The state every window and procedure of the program shares, read and written in place.
#include <array>
#include <cstdint>
#include <QString>

#include "cantidades.h"
#include "fijo.h"

namespace tya {

constexpr int kExperiencias = 10;
constexpr int kIndiceMax = 4000;  // records run from 0 (or 1) to 4000
constexpr int kMarcasMax = 1900;  // samples of the longest flight

// Indices of Param, which are also those of the entry boxes Entrada(1..10), as the table of
// quantities gives them.
enum IndiceParam : int {
    iVo = indice_param(Cantidad::Vo),
    iAng = indice_param(Cantidad::Ang),
    iXo = indice_param(Cantidad::Xo),
    iYo = indice_param(Cantidad::Yo),
    iXoB = indice_param(Cantidad::XoB),
    iYoB = indice_param(Cantidad::YoB),
    iVxb = indice_param(Cantidad::Vxb),
    iVyb = indice_param(Cantidad::Vyb),
    iR = indice_param(Cantidad::R),
    iViento = indice_param(Cantidad::Viento)
};

using Registro = std::array<Fijo, kIndiceMax + 1>;
using RegistroF = std::array<float, kIndiceMax + 1>;
template <class T> using PorExp = std::array<T, kExperiencias>;

// Colours as 32-bit RGB with red in the low byte.
constexpr uint32_t rgb(int r, int g, int b) {
    return static_cast<uint32_t>(r) | (static_cast<uint32_t>(g) << 8) | (static_cast<uint32_t>(b) << 16);
}
constexpr int rojo(uint32_t c) { return c & 0xff; }
constexpr int verde(uint32_t c) { return (c >> 8) & 0xff; }
constexpr int azul(uint32_t c) { return (c >> 16) & 0xff; }

// The standard 16-colour palette.
constexpr std::array<uint32_t, 16> kPaleta = {
    rgb(0, 0, 0),     rgb(0, 0, 128),     rgb(0, 128, 0),     rgb(0, 128, 128),  rgb(128, 0, 0), rgb(128, 0, 128),
    rgb(128, 128, 0), rgb(192, 192, 192), rgb(128, 128, 128), rgb(0, 0, 255),    rgb(0, 255, 0), rgb(0, 255, 255),
    rgb(255, 0, 0),   rgb(255, 0, 255),   rgb(255, 255, 0),   rgb(255, 255, 255)};

inline uint32_t color_paleta(int64_t indice) { return kPaleta[static_cast<size_t>(((indice % 16) + 16) % 16)]; }

// Densities of the material list and drag coefficients of the shape list.
inline const std::array<Fijo, 5> kDensMat = {Fijo::crudo(113000), Fijo::crudo(78000), Fijo::crudo(25000),
                                             Fijo::crudo(9200), Fijo::crudo(8000)};
inline const std::array<Fijo, 2> kCdForma = {Fijo::crudo(4000), Fijo::crudo(2000)};

struct EstadoExp {
    // Launch parameters, index 0 unused, with their limits.
    std::array<Fijo, kParametros + 1> Param{};
    std::array<Fijo, kParametros + 1> Max{};
    std::array<int16_t, kParametros + 1> Min{};

    Fijo Densidad = Fijo::crudo(113000);
    Fijo Cd = Fijo::crudo(4000);
    int16_t Aire = 0;

    int16_t NExp = 0;
    int16_t NColor = 2;
    int16_t EnVuelo = 0;
    int16_t Parar = 0;
    int16_t Escala = 1;
    int16_t NGrafSel = 0;
    Fijo Dt = Fijo::crudo(150);
    uint8_t Trazo = 0;
    int32_t NLogs = 0;    // any number of logs a folder may hold
    int64_t TamLogs = 0;  // wide enough for any total size of logs
    QString RutaAyuda;
    QString TextoCopia;       // rows of tab-separated fields, each ended by CR LF
    QString ArchivoProblema;  // the problem file last chosen, "7Prob"

    // Whole-number results of the last flight.
    int16_t YmaxEnt = 0, XfinEnt = 0, TfinEnt = 0, DminEnt = 0, TminEnt = 0;

    // Half sizes of the launch-point and target markers, in scene units.
    int16_t MedioAnchoCruz = 0, MedioAltoCruz = 0, MedioAnchoBlanco = 0, MedioAltoBlanco = 0;

    uint32_t ColorVel = rgb(250, 100, 250);
    uint32_t ColorAcel = rgb(50, 250, 250);

    // Per-experiment records, e = experiment number - 1.
    PorExp<Registro> Tiempo{};
    PorExp<RegistroF> Xs{}, Ys{};
    PorExp<Registro> Vx{}, Vy{}, Ax{}, Ay{};
    PorExp<Registro> Pos{};
    PorExp<Registro> VelMarca{};  // index 0 unused
    PorExp<uint32_t> ColorExp{};
    PorExp<std::array<Fijo, kCamposResumen>> Extremos{};

    Fijo& Vo() { return Param[iVo]; }
    Fijo& Ang() { return Param[iAng]; }
    Fijo& Xo() { return Param[iXo]; }
    Fijo& Yo() { return Param[iYo]; }
    Fijo& XoB() { return Param[iXoB]; }
    Fijo& YoB() { return Param[iYoB]; }
    Fijo& Vxb() { return Param[iVxb]; }
    Fijo& Vyb() { return Param[iVyb]; }
    Fijo& R() { return Param[iR]; }
    Fijo& Viento() { return Param[iViento]; }

    // Any launch quantity by the table's name, Aire as a whole number.
    Fijo valor(Cantidad c) const {
        switch (cantidad(c).dato) {
            case dAire:
                return Fijo::entero(Aire);
            case dDensidad:
                return Densidad;
            case dCd:
                return Cd;
            default:
                return Param[static_cast<size_t>(cantidad(c).dato)];
        }
    }
    void poner(Cantidad c, Fijo v) {
        switch (cantidad(c).dato) {
            case dAire:
                Aire = static_cast<int16_t>(v.crudo() / Fijo::kEscala);
                break;
            case dDensidad:
                Densidad = v;
                break;
            case dCd:
                Cd = v;
                break;
            default:
                Param[static_cast<size_t>(cantidad(c).dato)] = v;
        }
    }
};

// Sample count of a record, as a safe index: never beyond what fits the record's layout.
inline int muestras(const Registro& r) {
    const double n = r[1].real();
    if (!(n >= 0)) return 0;
    const int maximo = (kIndiceMax - 8) / 2;
    return n > maximo ? maximo : static_cast<int>(std::nearbyint(n));
}

}  // namespace tya
