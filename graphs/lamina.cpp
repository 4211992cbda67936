// SPDX-License-Identifier: GPL-3.0-or-later
#include "lamina.h"

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "core/formato.h"

namespace tya {

namespace {

constexpr int kIzq = 90, kDer = 30, kArriba = 50, kAbajo = 70;

QString numero(double v) { return forma_archivo(Fijo::saturado(v)); }

QString titulo_eje(const EjeLamina& e) {
    return e.unidad.isEmpty() ? e.nombre : QStringLiteral("%1 (%2)").arg(e.nombre, e.unidad);
}

struct Rango { double lo, hi; };

QColor color_qt(uint32_t c) { return QColor(c & 0xff, (c >> 8) & 0xff, (c >> 16) & 0xff); }

QPointF mas_alto(const QList<QPointF>& puntos) {  // the first of equals
    return *std::max_element(puntos.begin(), puntos.end(), [](const QPointF& a, const QPointF& b) { return a.y() < b.y(); });
}

QString texto_leyenda(const Lamina& l, const SerieLamina& s) {
    if (l.maximo != MarcaMaximo::Anillo || s.puntos.isEmpty()) return s.leyenda;
    const QPointF m = mas_alto(s.puntos);
    return QStringLiteral("%1: máx. %2 con %3").arg(s.leyenda, con_unidad(m.y(), l.y.unidad), con_unidad(m.x(), l.x.unidad));
}

}  // namespace

QString con_unidad(double v, const QString& unidad) {
    if (unidad.isEmpty()) return numero(v);
    return unidad == QStringLiteral("º") ? numero(v) + unidad : numero(v) + QLatin1Char(' ') + unidad;
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

void dibujar_lamina(QPainter& p, const Lamina& l) {
    p.save();
    p.fillRect(QRect(0, 0, kLaminaAnchoPx, kLaminaAltoPx), Qt::white);
    p.setRenderHint(QPainter::Antialiasing);
    QFont fuente = p.font();
    fuente.setPixelSize(13);
    p.setFont(fuente);
    const QFontMetrics fm(fuente);
    // The legend takes a column on the right when any curve is named.
    QStringList leyendas;
    double ancho_leyenda = 0;
    for (const SerieLamina& s : l.series) {
        leyendas << texto_leyenda(l, s);
        if (!s.leyenda.isEmpty()) ancho_leyenda = std::max<double>(ancho_leyenda, fm.horizontalAdvance(leyendas.last()) + 44);
    }
    const QRectF area(kIzq, kArriba, kLaminaAnchoPx - kIzq - kDer - ancho_leyenda, kLaminaAltoPx - kArriba - kAbajo);
    QList<QPointF> puntos;
    for (const SerieLamina& s : l.series) puntos += s.puntos;

    // Ranges: the parameter as swept; the result from zero, with room above for the label.
    Rango rx{0, 1}, ry{0, 1};
    if (!puntos.isEmpty()) {
        rx = {puntos.front().x(), puntos.front().x()};
        ry = {0, 0};
        for (const QPointF& q : puntos) {
            rx = {std::min(rx.lo, q.x()), std::max(rx.hi, q.x())};
            ry = {std::min(ry.lo, q.y()), std::max(ry.hi, q.y())};
        }
    }
    if (rx.hi == rx.lo) {
        const double d = std::max(1.0, std::fabs(rx.lo) / 10);
        rx = {rx.lo - d, rx.hi + d};
    }
    if (ry.hi > 0) ry.hi += (ry.hi - ry.lo) * 0.08;
    const double py = paso_marcas(ry.lo, ry.hi, 8);
    ry = {std::floor(ry.lo / py) * py, std::ceil(ry.hi / py) * py};
    if (ry.hi == ry.lo) ry.hi = ry.lo + py;
    const double px = paso_marcas(rx.lo, rx.hi, 10);

    auto X = [&](double v) { return area.left() + (v - rx.lo) / (rx.hi - rx.lo) * area.width(); };
    auto Y = [&](double v) { return area.bottom() - (v - ry.lo) / (ry.hi - ry.lo) * area.height(); };

    // Grid and tick labels.
    const QPen rejilla(QColor(225, 225, 225), 1);
    const QPen negro(Qt::black, 1);
    // Ticks by index, so that steps such as 0.1 do not drift.
    const double kx0 = std::ceil(rx.lo / px - 1e-9);
    for (int k = 0; (kx0 + k) * px <= rx.hi + px * 1e-9; ++k) {
        const double t = (kx0 + k) * px;
        p.setPen(rejilla);
        p.drawLine(QPointF(X(t), area.top()), QPointF(X(t), area.bottom()));
        p.setPen(negro);
        p.drawLine(QPointF(X(t), area.bottom()), QPointF(X(t), area.bottom() + 5));
        const QString s = numero(t);
        p.drawText(QPointF(X(t) - fm.horizontalAdvance(s) / 2.0, area.bottom() + 8 + fm.ascent()), s);
    }
    const double ky0 = std::round(ry.lo / py);
    for (int k = 0; (ky0 + k) * py <= ry.hi + py * 1e-9; ++k) {
        const double t = (ky0 + k) * py;
        p.setPen(rejilla);
        p.drawLine(QPointF(area.left(), Y(t)), QPointF(area.right(), Y(t)));
        p.setPen(negro);
        p.drawLine(QPointF(area.left() - 5, Y(t)), QPointF(area.left(), Y(t)));
        const QString s = numero(t);
        p.drawText(QPointF(area.left() - 8 - fm.horizontalAdvance(s), Y(t) + fm.ascent() / 2.0 - 1), s);
    }
    p.setPen(negro);
    p.drawRect(area);
    if (ry.lo < 0) p.drawLine(QPointF(area.left(), Y(0)), QPointF(area.right(), Y(0)));

    // Titles: the graph's, and each axis with its unit.
    QFont negrita = fuente;
    negrita.setBold(true);
    negrita.setPixelSize(15);
    p.setFont(negrita);
    p.drawText(QRectF(0, 10, kLaminaAnchoPx, 30), Qt::AlignHCenter | Qt::AlignVCenter, l.titulo);
    p.setFont(fuente);
    p.drawText(QRectF(area.left(), kLaminaAltoPx - 30, area.width(), 24), Qt::AlignHCenter | Qt::AlignVCenter,
               titulo_eje(l.x));
    p.save();
    p.translate(18, area.center().y());
    p.rotate(-90);
    p.drawText(QRectF(-area.height() / 2, -12, area.height(), 24), Qt::AlignHCenter | Qt::AlignVCenter,
               titulo_eje(l.y));
    p.restore();

    // The curves, with their points when they are few enough to tell apart.
    for (const SerieLamina& s : l.series) {
        if (s.puntos.isEmpty()) continue;
        const QColor c = color_qt(s.color);
        QPainterPath camino(QPointF(X(s.puntos.front().x()), Y(s.puntos.front().y())));
        for (const QPointF& q : s.puntos) camino.lineTo(X(q.x()), Y(q.y()));
        p.setPen(QPen(c, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(camino);
        if (area.width() / static_cast<double>(s.puntos.size()) >= 8) {
            p.setBrush(c);
            for (const QPointF& q : s.puntos) p.drawEllipse(QPointF(X(q.x()), Y(q.y())), 3, 3);
        }
        if (l.maximo == MarcaMaximo::Ninguna) continue;
        const QPointF mx = mas_alto(s.puntos);
        p.setBrush(c);
        p.setPen(QPen(Qt::black, 2));
        p.drawEllipse(QPointF(X(mx.x()), Y(mx.y())), 6, 6);
    }

    // The legend: a stroke of each named curve's colour and its text.
    double yl = area.top() + 4;
    for (int i = 0; i < l.series.size(); ++i) {
        if (l.series[i].leyenda.isEmpty()) continue;
        const double xl = area.right() + 12;
        p.setPen(QPen(color_qt(l.series[i].color), 3));
        p.drawLine(QPointF(xl, yl + fm.height() / 2.0), QPointF(xl + 24, yl + fm.height() / 2.0));
        p.setPen(negro);
        p.drawText(QPointF(xl + 30, yl + fm.ascent()), leyendas[i]);
        yl += fm.height() + 6;
    }
    if (l.maximo != MarcaMaximo::Rotulo || puntos.isEmpty()) {
        p.restore();
        return;
    }

    // The one curve's highest point, labelled.
    const EjeLamina& ex = l.x;
    const EjeLamina& ey = l.y;
    const QPointF mx = mas_alto(puntos);
    const QPointF m(X(mx.x()), Y(mx.y()));
    const QString rotulo = QStringLiteral("máximo: %1 = %2 con %3 = %4")
                               .arg(ey.nombre, con_unidad(mx.y(), ey.unidad), ex.nombre, con_unidad(mx.x(), ex.unidad));
    const double ancho = fm.horizontalAdvance(rotulo) + 10, alto = fm.height() + 6;
    QRectF caja(m.x() + 10, m.y() - alto - 8, ancho, alto);
    if (caja.right() > area.right()) caja.moveRight(m.x() - 10);
    if (caja.left() < area.left()) caja.moveLeft(area.left() + 2);
    if (caja.top() < area.top()) caja.moveTop(m.y() + 10);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(255, 255, 255, 230));
    p.drawRect(caja);
    p.drawText(caja, Qt::AlignCenter, rotulo);
    p.restore();
}

}  // namespace tya
