// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The launch quantities, each declared once: its name, symbol, unit and description, and where
// INIC.DAT, the launch line, a sweep, the extreme-values report and the session log keep it.
// Every list of the quantities is read from this table; a new quantity is one entry here plus
// its physics.
#include <QString>
#include <array>
#include <cstdint>
#include <optional>

#include "entrada_parametros.h"
#include "fijo.h"
#include "traduccion.h"

namespace tya {

// Fields of the summary row Extremos, in their stored order (the experiment file's).
enum class CampoResumen : int { Xo, Yo, Vo, Ang, Roz, Xmax, Ymax, T, XoB, YoB, Vxb, Vyb, Dmin, Tmin, VfX, VfY };
constexpr int kCamposResumen = 16;

// In the order of the fields of a launch line, which is that of a session log's line.
enum class Cantidad : int { Xo, Yo, Vo, Ang, Aire, Viento, R, Densidad, Cd, XoB, YoB, Vxb, Vyb };

// A quantity's column in the session log.
struct ColumnaBitacora {
    const char* etiqueta = nullptr;  // in the header line; nullptr: the log does not keep it
    int columna = 0;                 // where the header puts the label, from 0
    const char* mascara = nullptr;   // the value's format mask; nullptr: the whole number as it is
    int ancho = 0;                   // the field's width in the line
};

// The texts a person reads (descripcion, rango, llano, en_titulo) are catalogue entries, shown
// through Trayecta::tr; the names, symbols, units and labels are read by programs and stay as they are.
struct DefCantidad {
    Cantidad id;
    const char* nombre;                   // in launch lines, sweeps and INIC.DAT's messages
    const char* simbolo;                  // as the window labels its box or list
    const char* unidad;                   // empty for a pure number
    const char* descripcion;              // what it is: the first words of its tooltip
    const char* rango;                    // the rest of the tooltip, %1 and %2 its lowest and highest values;
                                          // nullptr: no tooltip
    int dato;                             // index in Param and INIC.DAT record (1 to 10), or dAire, dDensidad, dCd
    bool barrido;                         // --barrido may step it
    bool familia;                         // --familia may vary it
    std::optional<CampoResumen> resumen;  // where the summary row keeps its launch value
    const char* informe;                  // its label in the extreme-values report (nullptr with no resumen)
    ColumnaBitacora bitacora;
    std::optional<Fijo> piso;  // a flight raises a smaller value to this one
    const char* llano;         // in plain words, as a worksheet's axis names it (nullptr: never swept)
    const char* en_titulo;     // as a worksheet's title speaks of it
};

constexpr int kParametros = 10;  // the quantities INIC.DAT gives, Param(1) to Param(10)

inline constexpr std::array<DefCantidad, 13> kCantidades = {{
    {Cantidad::Xo,
     "Xo",
     "Xo",
     "m",
     QT_TRANSLATE_NOOP("Trayecta", "X inicial"),
     QT_TRANSLATE_NOOP("Trayecta", ", de %1 a %2 m"),
     3,
     true,
     true,
     CampoResumen::Xo,
     "Xo",
     {"Xo", 0, "###0", 6},
     {},
     QT_TRANSLATE_NOOP("Trayecta", "Posición inicial X"),
     QT_TRANSLATE_NOOP("Trayecta", "la posición inicial X")},
    {Cantidad::Yo,
     "Yo",
     "Yo",
     "m",
     QT_TRANSLATE_NOOP("Trayecta", "Y Inicial"),
     QT_TRANSLATE_NOOP("Trayecta", ", de %1 a %2 m"),
     4,
     true,
     true,
     CampoResumen::Yo,
     "Yo",
     {"Yo", 6, "###0", 5},
     {},
     QT_TRANSLATE_NOOP("Trayecta", "Altura inicial"),
     QT_TRANSLATE_NOOP("Trayecta", "la altura inicial")},
    {Cantidad::Vo,
     "Vo",
     "Vo",
     "m/s",
     QT_TRANSLATE_NOOP("Trayecta", "Velocidad Inicial"),
     QT_TRANSLATE_NOOP("Trayecta", ", de %1 a %2 m/S"),
     1,
     true,
     true,
     CampoResumen::Vo,
     "Vo",
     {"Vo", 12, "##0.0#", 8},
     {},
     QT_TRANSLATE_NOOP("Trayecta", "Velocidad inicial"),
     QT_TRANSLATE_NOOP("Trayecta", "la velocidad inicial")},
    {Cantidad::Ang,
     "Ang",
     "θ",
     "°",
     QT_TRANSLATE_NOOP("Trayecta", "Angulo Inicial"),
     QT_TRANSLATE_NOOP("Trayecta", ", de %1º a %2º"),
     2,
     true,
     true,
     CampoResumen::Ang,
     "Ang.",
     {"Ang.", 19, "##0.0#", 8},
     {},
     QT_TRANSLATE_NOOP("Trayecta", "Ángulo de lanzamiento"),
     QT_TRANSLATE_NOOP("Trayecta", "el ángulo de lanzamiento")},
    {Cantidad::Aire,
     "Aire",
     "Aire",
     "",
     QT_TRANSLATE_NOOP("Trayecta", "Medio: 0 vacío, 1 aire"),
     nullptr,
     dAire,
     false,
     true,
     std::nullopt,
     nullptr,
     {"Aire", 25, nullptr, 5},
     {},
     QT_TRANSLATE_NOOP("Trayecta", "Medio"),
     QT_TRANSLATE_NOOP("Trayecta", "el medio")},
    {Cantidad::Viento,
     "Viento",
     "Viento",
     "m/s",
     QT_TRANSLATE_NOOP("Trayecta", "Viento Horiz."),
     QT_TRANSLATE_NOOP("Trayecta", " De %1 m/S a %2m/S"),
     10,
     true,
     true,
     std::nullopt,
     nullptr,
     {"Viento", 31, "##0", 7},
     {},
     QT_TRANSLATE_NOOP("Trayecta", "Velocidad del viento"),
     QT_TRANSLATE_NOOP("Trayecta", "la velocidad del viento")},
    {Cantidad::R,
     "R",
     "R",
     "cm",
     QT_TRANSLATE_NOOP("Trayecta", "Radio de Partícula"),
     QT_TRANSLATE_NOOP("Trayecta", ", de %1cm a %2 cm"),
     9,
     true,
     true,
     std::nullopt,
     nullptr,
     {"R", 39, "#0.0#", 7},
     Fijo::crudo(100),
     QT_TRANSLATE_NOOP("Trayecta", "Radio"),
     QT_TRANSLATE_NOOP("Trayecta", "el radio")},
    {Cantidad::Densidad,
     "Densidad",
     "d",
     "g/cm³",
     QT_TRANSLATE_NOOP("Trayecta", "Densidad del material"),
     nullptr,
     dDensidad,
     true,
     true,
     std::nullopt,
     nullptr,
     {"Dens.", 46, "#0.0#", 7},
     {},
     QT_TRANSLATE_NOOP("Trayecta", "Densidad"),
     QT_TRANSLATE_NOOP("Trayecta", "la densidad")},
    {Cantidad::Cd,
     "Cd",
     "Cd",
     "",
     QT_TRANSLATE_NOOP("Trayecta", "Coeficiente de arrastre de la forma"),
     nullptr,
     dCd,
     true,
     true,
     std::nullopt,
     nullptr,
     {"Forma", 53, "0.#", 6},
     {},
     QT_TRANSLATE_NOOP("Trayecta", "Coeficiente de arrastre Cd"),
     QT_TRANSLATE_NOOP("Trayecta", "el coeficiente de arrastre")},
    {Cantidad::XoB,
     "XoB",
     "Xo",
     "m",
     QT_TRANSLATE_NOOP("Trayecta", "X inicial del blanco"),
     nullptr,
     5,
     false,
     false,
     CampoResumen::XoB,
     "XoB",
     {},
     {},
     nullptr,
     nullptr},
    {Cantidad::YoB,
     "YoB",
     "Yo",
     "m",
     QT_TRANSLATE_NOOP("Trayecta", "Y inicial del blanco"),
     nullptr,
     6,
     false,
     false,
     CampoResumen::YoB,
     "YoB",
     {},
     {},
     nullptr,
     nullptr},
    {Cantidad::Vxb,
     "Vxb",
     "Vx",
     "m/s",
     QT_TRANSLATE_NOOP("Trayecta", "Velocidad X del blanco"),
     nullptr,
     7,
     false,
     false,
     CampoResumen::Vxb,
     "Vxb",
     {},
     {},
     nullptr,
     nullptr},
    {Cantidad::Vyb,
     "Vyb",
     "Vy",
     "m/s",
     QT_TRANSLATE_NOOP("Trayecta", "Velocidad Y del blanco"),
     nullptr,
     8,
     false,
     false,
     CampoResumen::Vyb,
     "Vyb",
     {},
     {},
     nullptr,
     nullptr},
}};

constexpr const DefCantidad& cantidad(Cantidad c) { return kCantidades[static_cast<size_t>(c)]; }
// Its index in Param, which is also its INIC.DAT record and its entry box.
constexpr int indice_param(Cantidad c) { return cantidad(c).dato; }
constexpr bool es_parametro(const DefCantidad& c) { return c.dato >= 1 && c.dato <= kParametros; }

// The quantities the session log keeps: a launch line has these fields, or all of them.
constexpr int kCantidadesEnBitacora = [] {
    int n = 0;
    for (const DefCantidad& c : kCantidades) n += c.bitacora.etiqueta != nullptr;
    return n;
}();

// The quantity of Param(i), i = 1 to 10; nullptr for any other index.
const DefCantidad* cantidad_de_param(int i);
// The quantity of that name, upper and lower case alike; nullptr when none is called so.
const DefCantidad* cantidad_por_nombre(const QString& nombre);
// The names of the quantities `que` holds for, in the table's order, separated by blanks:
// nombres(&DefCantidad::barrido) is "Xo Yo Vo Ang Viento R Densidad Cd".
QString nombres(bool DefCantidad::*que);

// The tooltip of a parameter's box with its range from the limits as INIC.DAT gives them: the
// lowest value a flight uses, the highest the box accepts. Empty for a quantity without one.
QString texto_ayuda(const DefCantidad& c, const std::array<Fijo, 11>& max, const std::array<int16_t, 11>& min);

}  // namespace tya
