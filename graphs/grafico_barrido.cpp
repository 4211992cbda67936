#include "grafico_barrido.h"

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

// "41º", "469.8 m": degrees stick to the number.
QString con_unidad(double v, const QString& unidad) {
    if (unidad.isEmpty()) return numero(v);
    return unidad == QStringLiteral("º") ? numero(v) + unidad : numero(v) + QLatin1Char(' ') + unidad;
}

QString titulo_eje(const EjeBarrido& e) {
    return e.unidad.isEmpty() ? e.nombre : QStringLiteral("%1 (%2)").arg(e.nombre, e.unidad);
}

struct Rango { double lo, hi; };

}  // namespace

double paso_marcas(double desde, double hasta, int marcas) {
    const double rango = std::fabs(hasta - desde);
    if (!(rango > 0) || marcas < 1) return 1;
    const double bruto = rango / marcas;
    const double potencia = std::pow(10.0, std::floor(std::log10(bruto)));
    const double r = bruto / potencia;
    const double paso = (r <= 1 ? 1 : r <= 2 ? 2 : r <= 5 ? 5 : 10) * potencia;
    return std::max(paso, 0.0001);
}

QImage imagen_barrido(const QList<QPointF>& puntos, const EjeBarrido& ex, const EjeBarrido& ey, uint32_t color) {
    QImage img(kBarridoAnchoPx, kBarridoAltoPx, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QFont fuente = p.font();
    fuente.setPixelSize(13);
    p.setFont(fuente);
    const QFontMetrics fm(fuente);
    const QRectF area(kIzq, kArriba, kBarridoAnchoPx - kIzq - kDer, kBarridoAltoPx - kArriba - kAbajo);

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
    const QString titulo = QStringLiteral("%1 según %2").arg(ey.nombre, ex.nombre);
    p.drawText(QRectF(0, 10, kBarridoAnchoPx, 30), Qt::AlignHCenter | Qt::AlignVCenter, titulo);
    p.setFont(fuente);
    p.drawText(QRectF(area.left(), kBarridoAltoPx - 30, area.width(), 24), Qt::AlignHCenter | Qt::AlignVCenter,
               titulo_eje(ex));
    p.save();
    p.translate(18, area.center().y());
    p.rotate(-90);
    p.drawText(QRectF(-area.height() / 2, -12, area.height(), 24), Qt::AlignHCenter | Qt::AlignVCenter,
               titulo_eje(ey));
    p.restore();
    if (puntos.isEmpty()) return img;

    // The curve, with its points when they are few enough to tell apart.
    const QColor c(color & 0xff, (color >> 8) & 0xff, (color >> 16) & 0xff);
    QPainterPath camino(QPointF(X(puntos.front().x()), Y(puntos.front().y())));
    for (const QPointF& q : puntos) camino.lineTo(X(q.x()), Y(q.y()));
    p.setPen(QPen(c, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(camino);
    if (area.width() / static_cast<double>(puntos.size()) >= 8) {
        p.setBrush(c);
        for (const QPointF& q : puntos) p.drawEllipse(QPointF(X(q.x()), Y(q.y())), 3, 3);
    }

    // The highest point (the first of equals), ringed and labelled.
    const QPointF mx = *std::max_element(puntos.begin(), puntos.end(),
                                         [](const QPointF& a, const QPointF& b) { return a.y() < b.y(); });
    const QPointF m(X(mx.x()), Y(mx.y()));
    p.setBrush(c);
    p.setPen(QPen(Qt::black, 2));
    p.drawEllipse(m, 6, 6);
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
    return img;
}

}  // namespace tya
