// SPDX-License-Identifier: GPL-3.0-or-later
#include "lamina.h"

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "core/formato.h"
#include "core/traduccion.h"

namespace tya {

namespace {

// The page's parts, in tenths of a millimetre.
constexpr double kMargen = 80, kIzq = 230, kArriba = 230, kBajoPlot = 170, kRenglon = 58;
constexpr double kLetra = 38, kLetraTitulo = 56, kLinea = 6, kMarca = 15;

// Okabe and Ito's colours without the yellow, which vanishes on white, and two of Tol's dark
// ones: hues colour-blind readers tell apart, at grey levels far from white.
constexpr uint32_t kPaleta[kSeriesDistintas] = {0x000000, 0xE69F00, 0x0072B2, 0xD55E00, 0x009E73,
                                                0xCC79A7, 0x56B4E9, 0x882255, 0x999933, 0x332288};

// Dash patterns in line widths; the first is solid.
const QList<QList<qreal>> kTrazos = {
    {}, {6, 3}, {1, 2.5}, {6, 2.5, 1, 2.5}, {10, 3}, {3, 3}, {6, 2.5, 1, 2.5, 1, 2.5}, {1, 5}, {14, 3, 3, 3}, {2, 1.2}};

QString titulo_eje(const EjeLamina& e) {
    return e.unidad.isEmpty() ? e.nombre : QStringLiteral("%1 (%2)").arg(e.nombre, e.unidad);
}

struct Rango {
    double lo, hi;
};

bool normal(const SerieLamina& s, int k) { return s.fines.value(k, FinPunto::Normal) == FinPunto::Normal; }

QString texto_leyenda(const Lamina& l, const SerieLamina& s) {
    const int k = maximo_interior(s);
    if (l.maximo != MarcaMaximo::Anillo || k < 0) return s.leyenda;
    const QPointF m = s.puntos[k];
    return Trayecta::tr("%1; máximo %2 con %3")
        .arg(s.leyenda, con_unidad(m.y(), l.y.unidad), con_unidad(m.x(), l.x.unidad));
}

QPen pluma(int i, double ancho) {
    QPen p(QColor::fromRgb(color_serie(i)), ancho, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin);
    if (const QList<qreal>& t = kTrazos[i % kSeriesDistintas]; !t.isEmpty()) p.setDashPattern(t);
    return p;
}

// Five shapes, filled for the first five curves and hollow for the next five.
void marcador(QPainter& p, QPointF c, int i) {
    const double r = kMarca;
    const QColor color = QColor::fromRgb(color_serie(i));
    p.setPen(QPen(color, kLinea * 0.6));
    p.setBrush(i % kSeriesDistintas < 5 ? QBrush(color) : QBrush(Qt::white));
    switch (i % 5) {
        case 0:
            p.drawEllipse(c, r, r);
            break;
        case 1:
            p.drawRect(QRectF(c.x() - r * 0.85, c.y() - r * 0.85, r * 1.7, r * 1.7));
            break;
        case 2:
            p.drawPolygon(
                QPolygonF{{c.x(), c.y() - r * 1.1}, {c.x() + r, c.y() + r * 0.75}, {c.x() - r, c.y() + r * 0.75}});
            break;
        case 3:
            p.drawPolygon(
                QPolygonF{{c.x(), c.y() - r * 1.2}, {c.x() + r, c.y()}, {c.x(), c.y() + r * 1.2}, {c.x() - r, c.y()}});
            break;
        default:
            p.drawPolygon(
                QPolygonF{{c.x(), c.y() + r * 1.1}, {c.x() + r, c.y() - r * 0.75}, {c.x() - r, c.y() - r * 0.75}});
            break;
    }
}

// The black symbols of points that ended otherwise.
void simbolo_fin(QPainter& p, QPointF c, FinPunto f) {
    const double r = kMarca * 1.3;
    p.setPen(QPen(Qt::black, kLinea * 0.7));
    p.setBrush(Qt::NoBrush);
    switch (f) {
        case FinPunto::Impacto:
            p.drawLine(c + QPointF(-r, -r), c + QPointF(r, r));
            p.drawLine(c + QPointF(-r, r), c + QPointF(r, -r));
            break;
        case FinPunto::FueraDeEscala:
            for (int a = 0; a < 3; ++a) {
                const double t = a * M_PI / 3;
                p.drawLine(c + QPointF(-r * std::cos(t), -r * std::sin(t)),
                           c + QPointF(r * std::cos(t), r * std::sin(t)));
            }
            break;
        case FinPunto::Limite:
            p.drawEllipse(c, r, r);
            p.drawLine(c + QPointF(-r, 0), c + QPointF(r, 0));
            p.drawLine(c + QPointF(0, -r), c + QPointF(0, r));
            break;
        case FinPunto::Normal:
            break;
    }
}

QString explicacion(FinPunto f) {
    switch (f) {
        case FinPunto::Impacto:
            return Trayecta::tr("vuelo que terminó en \"Impacto\" con el blanco (no se une a la curva)");
        case FinPunto::FueraDeEscala:
            return Trayecta::tr("vuelo que terminó \"Fuera de escala\" (no se une a la curva)");
        case FinPunto::Limite:
            return Trayecta::tr("vuelo cortado en el límite de marcas (no se une a la curva)");
        case FinPunto::Normal:
            break;
    }
    return {};
}

// The legend's rows: named curves in two columns from five on, then one row per kind of end.
struct Leyenda {
    QList<int> series;
    QList<FinPunto> fines;
    int columnas = 1;
    int filas() const {
        return (static_cast<int>(series.size()) + columnas - 1) / columnas + static_cast<int>(fines.size());
    }
};

Leyenda leyenda(const Lamina& l) {
    Leyenda r;
    for (int i = 0; i < l.series.size(); ++i)
        if (!l.series[i].leyenda.isEmpty()) r.series << i;
    for (FinPunto f : {FinPunto::Impacto, FinPunto::FueraDeEscala, FinPunto::Limite})
        for (const SerieLamina& s : l.series)
            if (s.fines.contains(f) && !r.fines.contains(f)) r.fines << f;
    r.columnas = r.series.size() > 4 ? 2 : 1;
    return r;
}

QRectF area_plot(const Lamina& l) {
    const double abajo = kLaminaAlto - kMargen - leyenda(l).filas() * kRenglon - kBajoPlot;
    return QRectF(QPointF(kIzq, kArriba), QPointF(kLaminaAncho - kMargen, abajo));
}

}  // namespace

uint32_t color_serie(int i) {
    return 0xff000000u | kPaleta[((i % kSeriesDistintas) + kSeriesDistintas) % kSeriesDistintas];
}

LugarMuestra lugar_muestra(const Lamina& l, int i) {
    const Leyenda ly = leyenda(l);
    const int k = static_cast<int>(ly.series.indexOf(i));
    const QRectF a = area_plot(l);
    const int por_columna = (static_cast<int>(ly.series.size()) + ly.columnas - 1) / ly.columnas;
    const double ancho_columna = (kLaminaAncho - 2 * kMargen) / ly.columnas;
    return {kMargen + (k / por_columna) * ancho_columna, a.bottom() + kBajoPlot + (k % por_columna) * kRenglon, 150,
            kRenglon};
}

QString numero_lamina(double v) { return formato(v, QStringLiteral("0.##"), separador_local()); }

QString con_unidad(double v, const QString& unidad) {
    if (unidad.isEmpty()) return numero_lamina(v);
    return unidad == QStringLiteral("°") ? numero_lamina(v) + unidad : numero_lamina(v) + QLatin1Char(' ') + unidad;
}

double paso_marcas(double desde, double hasta, int marcas) {
    const double rango = std::fabs(hasta - desde);
    if (!(rango > 0) || marcas < 1) return 1;
    const double bruto = rango / marcas;
    const double potencia = std::pow(10.0, std::floor(std::log10(bruto)));
    const double r = bruto / potencia;
    const double paso = (r <= 1 ? 1 : r <= 2 ? 2 : r <= 5 ? 5 : 10) * potencia;
    return std::max(paso, 0.0001);
}

int maximo_interior(const SerieLamina& s) {
    QList<int> normales;
    for (int k = 0; k < s.puntos.size(); ++k)
        if (normal(s, k)) normales << k;
    if (normales.size() < 3) return -1;
    int m = normales.front();  // the first of equals
    for (int k : normales)
        if (s.puntos[k].y() > s.puntos[m].y()) m = k;
    return m == normales.front() || m == normales.back() ? -1 : m;
}

void dibujar_lamina(QPainter& p, const Lamina& l) {
    p.save();
    p.fillRect(QRectF(0, 0, kLaminaAncho, kLaminaAlto), Qt::white);
    p.setRenderHint(QPainter::Antialiasing);
    QFont fuente = p.font();
    fuente.setPixelSize(static_cast<int>(kLetra));
    p.setFont(fuente);
    const QFontMetricsF fm(fuente);
    const Leyenda ly = leyenda(l);
    const QRectF area = area_plot(l);

    // Ranges: the parameter as swept, every point; the result from zero, from the normal points
    // (a flight cut short must not flatten the curve), or from all when none is normal.
    QList<QPointF> todos, normales;
    for (const SerieLamina& s : l.series)
        for (int k = 0; k < s.puntos.size(); ++k) {
            todos << s.puntos[k];
            if (normal(s, k)) normales << s.puntos[k];
        }
    Rango rx{0, 1}, ry{0, 1};
    if (!todos.isEmpty()) {
        rx = {todos.front().x(), todos.front().x()};
        ry = {0, 0};
        for (const QPointF& q : todos) rx = {std::min(rx.lo, q.x()), std::max(rx.hi, q.x())};
        for (const QPointF& q : normales.isEmpty() ? todos : normales)
            ry = {std::min(ry.lo, q.y()), std::max(ry.hi, q.y())};
    }
    if (rx.hi == rx.lo) {
        const double d = std::max(1.0, std::fabs(rx.lo) / 10);
        rx = {rx.lo - d, rx.hi + d};
    }
    if (ry.hi > 0) ry.hi += (ry.hi - ry.lo) * 0.08;
    const double py = paso_marcas(ry.lo, ry.hi, 10);
    ry = {std::floor(ry.lo / py) * py, std::ceil(ry.hi / py) * py};
    if (ry.hi == ry.lo) ry.hi = ry.lo + py;
    const double px = paso_marcas(rx.lo, rx.hi, 12);

    auto X = [&](double v) {
        return std::clamp(area.left() + (v - rx.lo) / (rx.hi - rx.lo) * area.width(), area.left(), area.right());
    };
    auto Y = [&](double v) {
        return std::clamp(area.bottom() - (v - ry.lo) / (ry.hi - ry.lo) * area.height(), area.top(), area.bottom());
    };
    const QChar sep = separador_local();
    auto marca_texto = [&](double t) { return formato(t, QStringLiteral("0.####"), sep); };

    // Grid and tick labels, ticks by index so that steps such as 0.1 do not drift.
    const QPen rejilla(QColor(210, 210, 210), 2);
    const QPen negro(Qt::black, 3);
    const double kx0 = std::ceil(rx.lo / px - 1e-9);
    for (int k = 0; (kx0 + k) * px <= rx.hi + px * 1e-9; ++k) {
        const double t = (kx0 + k) * px;
        p.setPen(rejilla);
        p.drawLine(QPointF(X(t), area.top()), QPointF(X(t), area.bottom()));
        p.setPen(negro);
        p.drawLine(QPointF(X(t), area.bottom()), QPointF(X(t), area.bottom() + 15));
        const QString s = marca_texto(t);
        p.drawText(QPointF(X(t) - fm.horizontalAdvance(s) / 2.0, area.bottom() + 25 + fm.ascent()), s);
    }
    const double ky0 = std::round(ry.lo / py);
    for (int k = 0; (ky0 + k) * py <= ry.hi + py * 1e-9; ++k) {
        const double t = (ky0 + k) * py;
        p.setPen(rejilla);
        p.drawLine(QPointF(area.left(), Y(t)), QPointF(area.right(), Y(t)));
        p.setPen(negro);
        p.drawLine(QPointF(area.left() - 15, Y(t)), QPointF(area.left(), Y(t)));
        const QString s = marca_texto(t);
        p.drawText(QPointF(area.left() - 25 - fm.horizontalAdvance(s), Y(t) + fm.ascent() / 2.0 - 3), s);
    }
    p.setPen(negro);
    p.setBrush(Qt::NoBrush);
    p.drawRect(area);
    if (ry.lo < 0) p.drawLine(QPointF(area.left(), Y(0)), QPointF(area.right(), Y(0)));

    // Titles: the sheet's, and each axis with its unit.
    QFont negrita = fuente;
    negrita.setBold(true);
    negrita.setPixelSize(static_cast<int>(kLetraTitulo));
    p.setFont(negrita);
    p.drawText(QRectF(kMargen, kMargen, kLaminaAncho - 2 * kMargen, kArriba - kMargen - 40), Qt::AlignCenter, l.titulo);
    p.setFont(fuente);
    p.drawText(QRectF(area.left(), area.bottom() + 30 + fm.height(), area.width(), fm.height() + 20),
               Qt::AlignHCenter | Qt::AlignVCenter, titulo_eje(l.x));
    p.save();
    p.translate(kMargen, area.center().y());
    p.rotate(-90);
    p.drawText(QRectF(-area.height() / 2, -10, area.height(), fm.height() + 20), Qt::AlignHCenter | Qt::AlignTop,
               titulo_eje(l.y));
    p.restore();

    // The curves: normal points joined, a point that ended otherwise breaks the line; markers
    // on as many points as stay apart, shifted per curve so that families do not hide each other.
    p.setClipRect(area.adjusted(-kMarca * 2, -kMarca * 2, kMarca * 2, kMarca * 2));
    for (int i = 0; i < l.series.size(); ++i) {
        const SerieLamina& s = l.series[i];
        QPainterPath camino;
        bool abierto = false;
        for (int k = 0; k < s.puntos.size(); ++k) {
            const QPointF q(X(s.puntos[k].x()), Y(s.puntos[k].y()));
            if (!normal(s, k)) {
                abierto = false;
            } else if (abierto) {
                camino.lineTo(q);
            } else {
                camino.moveTo(q);
                abierto = true;
            }
        }
        p.setPen(pluma(i, kLinea));
        p.setBrush(Qt::NoBrush);
        p.drawPath(camino);
        const double hueco = area.width() / std::max<double>(1, s.puntos.size());
        const int cada = std::max(1, static_cast<int>(std::ceil(kMarca * 4 / hueco)));
        for (int k = (i * cada / std::max<int>(1, static_cast<int>(l.series.size()))) % cada; k < s.puntos.size();
             k += cada)
            if (normal(s, k)) marcador(p, QPointF(X(s.puntos[k].x()), Y(s.puntos[k].y())), i);
        for (int k = 0; k < s.puntos.size(); ++k)
            if (!normal(s, k)) simbolo_fin(p, QPointF(X(s.puntos[k].x()), Y(s.puntos[k].y())), s.fines[k]);
        if (const int m = maximo_interior(s); l.maximo != MarcaMaximo::Ninguna && m >= 0) {
            p.setPen(QPen(Qt::black, kLinea * 0.7));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(QPointF(X(s.puntos[m].x()), Y(s.puntos[m].y())), kMarca * 2, kMarca * 2);
        }
    }
    p.setClipping(false);

    // The legend under the plot: each named curve's swatch (line and marker) and its text,
    // then the symbols of the points drawn apart.
    for (int i : ly.series) {
        const LugarMuestra m = lugar_muestra(l, i);
        const double yc = m.y + m.alto / 2;
        p.setPen(pluma(i, kLinea));
        p.drawLine(QPointF(m.x, yc), QPointF(m.x + m.ancho, yc));
        marcador(p, QPointF(m.x + m.ancho / 2, yc), i);
        p.setPen(negro);
        p.drawText(QPointF(m.x + m.ancho + 25, yc + fm.ascent() / 2 - 4), texto_leyenda(l, l.series[i]));
    }
    const int por_columna = (static_cast<int>(ly.series.size()) + ly.columnas - 1) / ly.columnas;
    double yf = area.bottom() + kBajoPlot + por_columna * kRenglon;
    for (FinPunto f : ly.fines) {
        simbolo_fin(p, QPointF(kMargen + 75, yf + kRenglon / 2), f);
        p.setPen(negro);
        p.drawText(QPointF(kMargen + 175, yf + kRenglon / 2 + fm.ascent() / 2 - 4), explicacion(f));
        yf += kRenglon;
    }

    // One curve's interior maximum, labelled beside it.
    if (l.maximo == MarcaMaximo::Rotulo && l.series.size() == 1) {
        const SerieLamina& s = l.series.front();
        if (const int k = maximo_interior(s); k >= 0) {
            const QPointF mx = s.puntos[k];
            const QPointF c(X(mx.x()), Y(mx.y()));
            const QString rotulo =
                Trayecta::tr("máximo: %1 con %2").arg(con_unidad(mx.y(), l.y.unidad), con_unidad(mx.x(), l.x.unidad));
            const double ancho = fm.horizontalAdvance(rotulo) + 30, alto = fm.height() + 16;
            QRectF caja(c.x() + 40, c.y() - alto - 30, ancho, alto);
            if (caja.right() > area.right()) caja.moveRight(c.x() - 40);
            if (caja.left() < area.left()) caja.moveLeft(area.left() + 6);
            if (caja.top() < area.top()) caja.moveTop(c.y() + 40);
            p.setPen(QPen(Qt::black, 3));
            p.setBrush(QColor(255, 255, 255, 235));
            p.drawRect(caja);
            p.drawText(caja, Qt::AlignCenter, rotulo);
        }
    }
    p.restore();
}

QImage imagen_hoja(const std::function<void(QPainter&)>& dibujar, QSize tamano) {
    QImage img(tamano, QImage::Format_RGB32);
    img.fill(Qt::white);
    // The dots per inch that put the picture on an A4 sheet, in dots per metre.
    img.setDotsPerMeterX(qRound(tamano.width() / 0.297));
    img.setDotsPerMeterY(qRound(tamano.height() / 0.210));
    {
        QPainter p(&img);
        p.scale(tamano.width() / double(kLaminaAncho), tamano.height() / double(kLaminaAlto));
        dibujar(p);
    }
    return img;
}

}  // namespace tya
