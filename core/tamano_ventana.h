// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How large the whole window is drawn: one factor for everything, chosen at start-up so the
// window's design fills the screen, or fixed by the user.
#include <QPoint>
#include <QRect>
#include <QSize>
#include <array>
#include <vector>

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

// `caja` cut to the size of `zona` and moved into it: a window taller than its screen becomes
// as tall as the screen, so its content scrolls instead of leaving the screen.
QRect recortada_a(const QRect& caja, const QRect& zona);

// A box a placed one should not cover; covering one of `peso` 3 is as bad as covering three
// times its area of one of `peso` 1.
struct Obstaculo {
    Obstaculo(const QRect& c, int p = 1) : caja(c), peso(p) {}
    QRect caja;
    int peso;
};

// Where a box of `tamano` goes inside `zona` so it covers none of `evitar`: the free place
// nearest to `deseado`; when there is none, the place that covers least of them by weight.
QPoint lugar_libre(QSize tamano, const QRect& zona, const std::vector<Obstaculo>& evitar, QPoint deseado);

// The largest fixed size of kTamanos whose design, title bar included, fits in `disponible`
// (the screen's available part in device pixels); 100 when none does.
int tamano_mayor_que_cabe(QSize disponible);
// A size the user may choose on that screen: "Automático" or one not above the largest that fits.
bool tamano_cabe(int porcentaje, QSize disponible);

}  // namespace tya
