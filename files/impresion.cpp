// SPDX-License-Identifier: GPL-3.0-or-later
#include "impresion.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace tya {

QFont fuente_impresa() {
    QFont f(QStringLiteral("Monospace"));
    f.setStyleHint(QFont::TypeWriter);
    f.setFixedPitch(true);
    f.setPointSizeF(10);
    return f;
}

QStringList partir_lineas(const QStringList& lineas, int ancho) {
    ancho = std::max(1, ancho);
    QStringList out;
    for (QString l : lineas) {
        while (l.size() > ancho) {
            qsizetype corte = l.lastIndexOf(QLatin1Char(' '), ancho);
            if (corte <= 0) corte = ancho;
            out << l.left(corte);
            l = l.mid(corte);
            // The blank at the break is not carried to the start of the next line.
            if (l.startsWith(QLatin1Char(' '))) l.remove(0, 1);
        }
        out << l;
    }
    return out;
}

namespace {
bool empezar(QPainter& p, QPagedPaintDevice& d, QString& error) {
    if (p.begin(&d)) return true;
    error = QStringLiteral("No se pudo empezar el documento.");
    return false;
}
bool terminar(QPainter& p, QString& error) {
    if (p.end()) return true;
    error = QStringLiteral("No se pudo terminar el documento.");
    return false;
}
}  // namespace

bool dibujar_lineas(QPagedPaintDevice& d, const QStringList& lineas, QString& error) {
    QPainter p;
    if (!empezar(p, d, error)) return false;
    const QFont f = fuente_impresa();
    p.setFont(f);
    p.setPen(Qt::black);
    const QFontMetricsF fm(f, &d);
    const double columna = fm.horizontalAdvance(QLatin1Char('0'));
    const double alto = fm.lineSpacing();
    const int por_linea = std::max(1, static_cast<int>(std::floor(d.width() / columna)));
    const int por_pagina = std::max(1, static_cast<int>(std::floor(d.height() / alto)));
    // Without a fixed-pitch font on the system, each character keeps its own column.
    const bool fija = QFontInfo(f).fixedPitch();
    int fila = 0;
    for (const QString& l : partir_lineas(lineas, por_linea)) {
        if (fila == por_pagina) {
            if (!d.newPage()) {
                p.end();
                error = QStringLiteral("No se pudo empezar una página nueva.");
                return false;
            }
            fila = 0;
        }
        const double y = fila * alto + fm.ascent();
        if (fija) {
            p.drawText(QPointF(0, y), l);
        } else {
            for (qsizetype i = 0; i < l.size(); ++i)
                if (l[i] != QLatin1Char(' ')) p.drawText(QPointF(i * columna, y), QString(l[i]));
        }
        ++fila;
    }
    return terminar(p, error);
}

bool dibujar_texto(QPagedPaintDevice& d, const TextoEnColumnas& texto, QString& error) {
    return dibujar_lineas(d, texto.lineas(), error);
}

bool dibujar_imagen(QPagedPaintDevice& d, const QImage& imagen, QString& error) {
    QPainter p;
    if (!empezar(p, d, error)) return false;
    if (!imagen.isNull()) {
        // The size it has on a 96-dot-per-inch screen, unless the page is smaller.
        const double escala = std::min({d.logicalDpiX() / 96.0, double(d.width()) / imagen.width(),
                                         double(d.height()) / imagen.height()});
        p.drawImage(QRectF(0, 0, imagen.width() * escala, imagen.height() * escala), imagen);
    }
    return terminar(p, error);
}

}  // namespace tya
