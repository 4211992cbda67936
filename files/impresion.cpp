// SPDX-License-Identifier: GPL-3.0-or-later
#include "impresion.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>

#include "core/traduccion.h"

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
    error = Trayecta::tr("No se pudo empezar el documento.");
    return false;
}
bool terminar(QPainter& p, QString& error) {
    if (p.end()) return true;
    error = Trayecta::tr("No se pudo terminar el documento.");
    return false;
}
}  // namespace

namespace {
// "-------+-------+----": the line under a table's heading, which gives its width.
bool es_regla_de_tabla(const QString& l) {
    static const QRegularExpression r(QStringLiteral("^\\s*-+(\\+-+)+\\s*$"));
    return r.match(l).hasMatch();
}
// "   38   |        |     ": a first cell with something in it, then only empty cells.
bool es_renglon_para_escribir(const QString& l) {
    const qsizetype barra = l.indexOf(QLatin1Char('|'));
    if (barra <= 0 || l.left(barra).trimmed().isEmpty()) return false;
    for (qsizetype i = barra; i < l.size(); ++i)
        if (l[i] != QLatin1Char('|') && l[i] != QLatin1Char(' ')) return false;
    return true;
}
}  // namespace

QList<RenglonImpreso> maquetar(const QStringList& lineas, int por_linea, int lineas_por_pagina) {
    // The foot line holds the page number; a band needs room on even the smallest page.
    const double alto_util = std::max(double(lineas_por_pagina - 1), kAltoRenglonEscribir);
    const QStringList partidas = partir_lineas(lineas, por_linea);
    auto alto_de = [](const QString& l) { return es_renglon_para_escribir(l) ? kAltoRenglonEscribir : 1.0; };
    QList<RenglonImpreso> out;
    int pagina = 0, ancho_tabla = 0;
    double y = 0;
    for (qsizetype i = 0; i < partidas.size(); ++i) {
        const QString& l = partidas[i];
        RenglonImpreso r;
        r.texto = l;
        r.para_escribir = es_renglon_para_escribir(l);
        const bool regla = es_regla_de_tabla(l);
        if (regla) ancho_tabla = int(l.size());
        if (!regla && !l.contains(QLatin1Char('|'))) ancho_tabla = 0;
        r.ancho_tabla = std::max<int>(ancho_tabla, int(l.size()));
        // A table's heading goes to the page where its first row to write in fits, with the
        // title above it (a line and an empty one) when they are on this page.
        double alto = alto_de(l);
        const bool cabeza = l.contains(QLatin1Char('|')) && !r.para_escribir &&
                            (i == 0 || !partidas[i - 1].contains(QLatin1Char('|')));
        if (cabeza) {
            double junto = 0;
            for (qsizetype j = i; j < partidas.size() && j < i + 8; ++j) {
                junto += alto_de(partidas[j]);
                if (es_renglon_para_escribir(partidas[j])) {
                    alto = junto;
                    break;
                }
            }
        }
        if (y + alto > alto_util + 1e-9) {
            ++pagina;
            y = 0;
            const qsizetype n = out.size();
            if (cabeza && n >= 2 && out[n - 1].texto.trimmed().isEmpty() && !out[n - 2].texto.trimmed().isEmpty() &&
                out[n - 2].pagina == pagina - 1 && alto + 2 <= alto_util) {
                for (qsizetype k = n - 2; k < n; ++k) {
                    out[k].pagina = pagina;
                    out[k].arriba = y;
                    y += 1;
                }
            }
        }
        r.pagina = pagina;
        r.arriba = y;
        y += alto_de(l);
        out << r;
    }
    return out;
}

QString pie_de_pagina(int pagina, int paginas) { return Trayecta::tr("Página %1 de %2").arg(pagina).arg(paginas); }

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
    const QList<RenglonImpreso> renglones = maquetar(lineas, por_linea, por_pagina);
    const int paginas = renglones.isEmpty() ? 1 : renglones.last().pagina + 1;
    auto pie = [&](int pagina) {
        const QString t = pie_de_pagina(pagina + 1, paginas);
        p.drawText(QPointF((d.width() - fm.horizontalAdvance(t)) / 2, d.height() - fm.descent()), t);
    };
    QPen regla(Qt::black);
    regla.setWidthF(std::max(1.0, d.logicalDpiX() / 150.0));
    int pagina = 0;
    for (const RenglonImpreso& r : renglones) {
        if (r.pagina != pagina) {
            pie(pagina);
            if (!d.newPage()) {
                p.end();
                error = Trayecta::tr("No se pudo empezar una página nueva.");
                return false;
            }
            pagina = r.pagina;
        }
        const double arriba = r.arriba * alto;
        if (r.para_escribir) {
            // The cell's first text in the middle of the band, the bars as rules through it.
            const double bajo = arriba + kAltoRenglonEscribir * alto;
            p.save();
            p.setPen(regla);
            for (qsizetype i = 0; i < r.texto.size(); ++i)
                if (r.texto[i] == QLatin1Char('|'))
                    p.drawLine(QPointF((i + 0.5) * columna, arriba), QPointF((i + 0.5) * columna, bajo));
            p.drawLine(QPointF(0, bajo), QPointF(r.ancho_tabla * columna, bajo));
            p.restore();
            const QString celda = r.texto.left(r.texto.indexOf(QLatin1Char('|')));
            p.drawText(QPointF(0, arriba + (kAltoRenglonEscribir * alto - alto) / 2 + fm.ascent()), celda);
            continue;
        }
        const double y = arriba + fm.ascent();
        if (fija) {
            p.drawText(QPointF(0, y), r.texto);
        } else {
            for (qsizetype i = 0; i < r.texto.size(); ++i)
                if (r.texto[i] != QLatin1Char(' ')) p.drawText(QPointF(i * columna, y), QString(r.texto[i]));
        }
    }
    pie(pagina);
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
        const double escala = std::min(
            {d.logicalDpiX() / 96.0, double(d.width()) / imagen.width(), double(d.height()) / imagen.height()});
        p.drawImage(QRectF(0, 0, imagen.width() * escala, imagen.height() * escala), imagen);
    }
    return terminar(p, error);
}

}  // namespace tya
