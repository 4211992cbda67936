// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The scene after the flights as a worksheet: the picture enlarged on an A4 page in landscape,
// rulers in metres along its foot and its side, a title and each experiment's launch.
#include <QList>

#include "grafico_rotulado.h"

class QPainter;

namespace tya {

class Superficie;

// On a white kLaminaAncho x kLaminaAlto area, in tenths of a millimetre.
void dibujar_escena_rotulada(QPainter& p, const EstadoExp& st, const Superficie& escena,
                             const QList<CamposLanzamiento>& lanzamientos);

}  // namespace tya
