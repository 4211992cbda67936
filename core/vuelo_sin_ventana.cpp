// SPDX-License-Identifier: GPL-3.0-or-later
#include "vuelo_sin_ventana.h"

namespace tya {

FinVuelo VueloSinVentana::volar(LienzoVuelo& lienzo, VentanaVuelo& ventana) {
    EntornoVuelo en{*st, lienzo, ventana, reloj, dialogos};
    return calcular_vuelo(en, st->MedioAnchoBlanco, st->MedioAltoBlanco);
}

FinVuelo VueloSinVentana::volar() {
    LienzoNulo nada;
    return volar(nada, sin_ventana);
}

}  // namespace tya
