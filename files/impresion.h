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

// Where each printed line goes. An answer row of a table (a first cell, then only "|" and
// blanks) is a band `kAltoRenglonEscribir` lines high that a hand can write in, ruled under
// and between its cells as wide as the table's "---+---" line; a band never breaks across
// pages. The last line of every page is kept for its number.
constexpr double kAltoRenglonEscribir = 2.5;
struct RenglonImpreso {
    QString texto;
    int pagina = 0;     // from 0
    double arriba = 0;  // top of the line or band, in lines from the page's top
    bool para_escribir = false;
    int ancho_tabla = 0;  // columns the band's rule spans
};
QList<RenglonImpreso> maquetar(const QStringList& lineas, int por_linea, int lineas_por_pagina);
// "Página 2 de 3".
QString pie_de_pagina(int pagina, int paginas);

// Each line from the left margin, laid out by maquetar, with the page number at the foot of
// every page. False with the reason when the device cannot be painted.
bool dibujar_texto(QPagedPaintDevice& d, const TextoEnColumnas& texto, QString& error);
bool dibujar_lineas(QPagedPaintDevice& d, const QStringList& lineas, QString& error);

// One page with the image at the size it has on the screen, made smaller if the page is.
bool dibujar_imagen(QPagedPaintDevice& d, const QImage& imagen, QString& error);

}  // namespace tya
