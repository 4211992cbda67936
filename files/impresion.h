// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the print commands put on paper, drawn on any paged device (a printer or a PDF):
// text lines at character columns in a fixed-pitch font, or the image of a window.
#include <QFont>
#include <QImage>
#include <QStringList>

#include "core/columnas.h"

class QPagedPaintDevice;

namespace tya {

QFont fuente_impresa();

// Lines no wider than `ancho` characters: a longer one goes on in the next line, broken after
// its last blank that fits (or at `ancho` when a word is longer than that).
QStringList partir_lineas(const QStringList& lineas, int ancho);

// Each line from the left margin; a line wider than the page goes on in the next, and a full
// page goes on in the next page. False with the reason when the device cannot be painted.
bool dibujar_texto(QPagedPaintDevice& d, const TextoEnColumnas& texto, QString& error);
bool dibujar_lineas(QPagedPaintDevice& d, const QStringList& lineas, QString& error);

// One page with the image at the size it has on the screen, made smaller if the page is.
bool dibujar_imagen(QPagedPaintDevice& d, const QImage& imagen, QString& error);

}  // namespace tya
