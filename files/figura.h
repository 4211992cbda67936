// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Figures written to a file whose ending chooses the format: PNG, PDF or SVG.
#include <QImage>
#include <QSize>
#include <QString>
#include <functional>

class QPainter;

namespace tya {

enum class FormatoFigura { Png, Pdf, Svg };

// ".pdf" and ".svg" (in any case) give those formats; ".png" or no ending, PNG. Any other
// ending is refused with a message naming the file.
bool formato_figura(const QString& ruta, FormatoFigura& formato, QString& error);

// Draws on a white ancho x alto area: rendered into a PNG, or as vectors into a PDF page or an
// SVG of that size. Through a temporary file: the message when it could not be written.
QString guardar_figura(const QString& ruta, int ancho, int alto, const std::function<void(QPainter&)>& dibujar);

// A worksheet: an A4 page in landscape, drawn in tenths of a millimetre (kLaminaAncho x
// kLaminaAlto). A PDF page or an SVG of that size, or a PNG at 300 dots per inch unless `png`
// gives its size in pixels.
QString guardar_hoja(const QString& ruta, const std::function<void(QPainter&)>& dibujar, QSize png = {});

// An image as it is: a PNG of its pixels, or that picture placed on a PDF page or in an SVG.
QString guardar_imagen(const QImage& img, const QString& ruta);

}  // namespace tya
