// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How large the whole window is drawn: one factor for everything, chosen at start-up so the
// window's design fills the screen, or fixed by the user.
#include <QPoint>
#include <QRect>
#include <QSize>
#include <array>

namespace tya {

// What must be seen at 100 %, in the window's own pixels: the menu bar, the panels along the
// top and the scene down to below the ground band.
inline constexpr QSize kTamanoDiseno{880, 440};
// Kept free for a maximised window's title bar, which the window manager draws unenlarged.
inline constexpr int kReservaTitulo = 40;
// The sizes offered in "Ver", in percent; 0 is "Automático".
inline constexpr std::array<int, 7> kTamanos{0, 100, 125, 150, 200, 250, 300};

// The largest factor, in steps of 1/8 and never below 1, at which the design fits in the
// available part of the screen (in its own logical pixels) with its proportions kept.
double factor_automatico(QSize disponible);

// A kept size as the program takes it: one of kTamanos, anything else is "Automático" (0).
int tamano_valido(int porcentaje);

// Where `caja` goes so that it lies inside `zona`: where it is when it already does, otherwise
// moved by the least; a box larger than the zone keeps its top-left corner inside it.
QPoint a_la_vista(const QRect& caja, const QRect& zona);

}  // namespace tya
