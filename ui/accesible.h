// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a screen reader is told of the controls the toolkit does not describe well by itself.

namespace tya {

// Once per program, before a screen reader asks: a picture button is a button that can be
// pressed, and a list box is called by its name (on Linux the toolkit calls it by its value).
void instalar_interfaces_accesibles();

}  // namespace tya
