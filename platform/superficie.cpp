// SPDX-License-Identifier: GPL-3.0-or-later
#include "superficie.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

namespace tya {

namespace {
QRgb argb(uint32_t c) { return qRgb(c & 0xff, (c >> 8) & 0xff, (c >> 16) & 0xff); }
uint32_t desde_argb(QRgb p) {
    return static_cast<uint32_t>(qRed(p)) | (static_cast<uint32_t>(qGreen(p)) << 8) |
           (static_cast<uint32_t>(qBlue(p)) << 16);
}
// Far enough off any surface to stand for "outside", and still exact as an int, so points far
// away (or not a number) never overflow the pixel arithmetic.
constexpr double kLejos = 1 << 28;
int px(double v) {
    if (!(v > -kLejos)) return -static_cast<int>(kLejos);
    if (!(v < kLejos)) return static_cast<int>(kLejos);
    return static_cast<int>(std::floor(v + 0.5));
}
// A screen pixel from a surface pixel far off, held where it still fits an int.
int en_entero(double v) { return static_cast<int>(std::clamp(std::floor(v), -4 * kLejos, 4 * kLejos)); }

// Cuts the segment a-b to the rectangle r (Liang-Barsky), keeping its direction; false if
// no part of it lies inside.
bool recortar(QPointF& a, QPointF& b, const QRectF& r) {
    if (!std::isfinite(a.x()) || !std::isfinite(a.y()) || !std::isfinite(b.x()) || !std::isfinite(b.y())) return false;
    const double dx = b.x() - a.x(), dy = b.y() - a.y();
    double t0 = 0, t1 = 1;
    auto borde = [&](double p, double q) {
        if (p == 0) return q >= 0;
        const double t = q / p;
        if (p < 0) {
            if (t > t1) return false;
            t0 = std::max(t0, t);
        } else {
            if (t < t0) return false;
            t1 = std::min(t1, t);
        }
        return true;
    };
    if (!borde(-dx, a.x() - r.left()) || !borde(dx, r.right() - a.x()) || !borde(-dy, a.y() - r.top()) ||
        !borde(dy, r.bottom() - a.y()))
        return false;
    const QPointF a0 = a;
    if (t1 < 1) b = QPointF(a0.x() + t1 * dx, a0.y() + t1 * dy);
    if (t0 > 0) a = QPointF(a0.x() + t0 * dx, a0.y() + t0 * dy);
    return true;
}
}  // namespace

Superficie::Superficie(int ancho, int alto, uint32_t fondo)
    : retenida_(std::max(1, ancho), std::max(1, alto), QImage::Format_RGB32), fondo_(fondo) {
    retenida_.fill(argb(fondo));
    fuente_ = QFont(QStringLiteral("Sans Serif"), 8);
    fuente_.setStyleStrategy(QFont::NoAntialias);
}

void Superficie::escala(double x1, double y1, double x2, double y2) {
    x1_ = x1;
    y1_ = y1;
    ux_ = (x2 - x1) / ancho_px();
    uy_ = (y2 - y1) / alto_px();
}

void Superficie::redimensionar(int ancho, int alto) {
    ancho = std::max(1, ancho);
    alto = std::max(1, alto);
    if (ancho == ancho_px() && alto == alto_px()) return;
    auto crecer = [&](const QImage& vieja) {
        QImage n(ancho, alto, QImage::Format_RGB32);
        n.fill(argb(fondo_));
        QPainter p(&n);
        p.drawImage(0, 0, vieja);
        return n;
    };
    retenida_ = crecer(retenida_);
    if (!igual_) visible_ = crecer(visible_);
    cambios_ = QRect(0, 0, ancho, alto);
    if (ratio_ == 1) return;
    auto crecer_d = [&](QImage vieja) {
        vieja.setDevicePixelRatio(1);
        QImage n(tamano_pantalla(), QImage::Format_RGB32);
        n.fill(argb(fondo_));
        QPainter p(&n);
        p.drawImage(0, 0, vieja);
        p.end();
        n.setDevicePixelRatio(ratio_);
        return n;
    };
    retenida_d_ = crecer_d(retenida_d_);
    if (!igual_) visible_d_ = crecer_d(visible_d_);
}

QSize Superficie::tamano_pantalla() const {
    return QSize(static_cast<int>(std::ceil(ancho_px() * ratio_ - 1e-9)),
                 static_cast<int>(std::ceil(alto_px() * ratio_ - 1e-9)));
}

void Superficie::proporcion(double r) {
    if (!(r >= 1 && r <= 16) || r == ratio_) return;
    ratio_ = r;
    bloque_ = std::max(1, static_cast<int>(std::floor(r + 0.5)));
    retenida_d_ = visible_d_ = QImage();
    if (r == 1) return;
    // What was drawn before is only stretched; the scene's next drawing puts it right.
    auto estirar = [&](const QImage& i) {
        QImage n = i.scaled(tamano_pantalla(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
        n.setDevicePixelRatio(r);
        return n;
    };
    retenida_d_ = estirar(retenida_);
    if (!igual_) visible_d_ = estirar(visible_);
    cambios_ = QRect(0, 0, ancho_px(), alto_px());
}

int Superficie::en_pantalla(int p) const {
    // The block sits centred on the screen pixels under surface pixel p.
    return en_entero((p + 0.5) * ratio_ - bloque_ / 2.0 + 0.5);
}

QRect Superficie::tramo_pantalla(int a, int c, int b, int d) const {
    auto borde = [&](int p) { return en_entero(double(p) * ratio_ + 0.5); };
    return QRect(QPoint(borde(a), borde(c)), QPoint(borde(b + 1) - 1, borde(d + 1) - 1));
}

void Superficie::rellenar(QImage& img, const QRect& zona, uint32_t t) const {
    const QRect z = zona.intersected(img.rect());
    for (int y = z.top(); y <= z.bottom(); ++y) {
        QRgb* fila = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = z.left(); x <= z.right(); ++x)
            fila[x] = modo_ == Modo::InvertirFondo ? (~fila[x] | 0xff000000u) : argb(t);
    }
}

QPointF Superficie::punto_pantalla(QPoint p) const {
    // A one-pixel pen lands on the pixel's own coordinates; a wider one is centred on its block.
    const double medio = bloque_ == 1 ? 0 : bloque_ / 2.0;
    return QPointF(en_pantalla(p.x()) + medio, en_pantalla(p.y()) + medio);
}

uint32_t Superficie::tinta(uint32_t color) const { return modo_ == Modo::Invertido ? (~color & 0xffffffu) : color; }

template <class F> void Superficie::dibujar(F&& f, const QRect& zona) {
    const bool d = ratio_ != 1;
    auto sobre_pantalla = [&](QImage& img) {
        // The screen's image carries its proportion for the view to show it one to one, and
        // drops it while drawn on, so painters there work in its own pixels (unshared, no copy).
        img.setDevicePixelRatio(1);
        f(img, true);
        img.setDevicePixelRatio(ratio_);
    };
    if (retenido_) {
        f(retenida_, false);
        if (d) sobre_pantalla(retenida_d_);
        if (!igual_) {
            f(visible_, false);
            if (d) sobre_pantalla(visible_d_);
        }
    } else {
        if (igual_) {
            visible_ = retenida_.copy();
            if (d) visible_d_ = retenida_d_.copy();
            igual_ = false;
        }
        f(visible_, false);
        if (d) sobre_pantalla(visible_d_);
    }
    cambios_ |= zona.intersected(QRect(0, 0, ancho_px(), alto_px()));
}

void Superficie::borrar() {
    if (retenido_) retenida_.fill(argb(fondo_));
    if (retenido_ && ratio_ != 1) retenida_d_.fill(argb(fondo_));
    igual_ = true;
    visible_ = visible_d_ = QImage();
    cambios_ = QRect(0, 0, ancho_px(), alto_px());
}

void Superficie::disco(QImage& img, int cx, int cy, double r, uint32_t color) {
    const int R = static_cast<int>(std::floor(r));
    const QRgb c = argb(color);
    // Only the rows on the image: a large disc must not walk rows that are not there.
    const int desde = static_cast<int>(std::max<int64_t>(0, int64_t(cy) - R));
    const int hasta = static_cast<int>(std::min<int64_t>(img.height() - 1, int64_t(cy) + R));
    for (int y = desde; y <= hasta; ++y) {
        const double dy = double(y) - cy;
        const int h = static_cast<int>(std::floor(std::sqrt(std::max(0.0, r * r - dy * dy))));
        const int a = std::max(0, cx - h), b = std::min(img.width() - 1, cx + h);
        if (a > b) continue;
        QRgb* fila = reinterpret_cast<QRgb*>(img.scanLine(y));
        if (modo_ == Modo::InvertirFondo)
            for (int x = a; x <= b; ++x) fila[x] = ~fila[x] | 0xff000000u;
        else
            for (int x = a; x <= b; ++x) fila[x] = c;
    }
}

void Superficie::disco_pantalla(QImage& img, int cx, int cy, double r, uint32_t t) const {
    // The surface's own disc, each of its pixels a block, so every mark of a size is one pattern.
    const int R = static_cast<int>(std::floor(r));
    const int k = bloque_, bx = en_pantalla(cx), by = en_pantalla(cy);
    const int desde = static_cast<int>(std::max<int64_t>(-R, int64_t(-by) / k - 1));
    const int hasta = static_cast<int>(std::min<int64_t>(R, int64_t(img.height() - by) / k + 1));
    for (int dy = desde; dy <= hasta; ++dy) {
        const int h = static_cast<int>(std::floor(std::sqrt(std::max(0.0, r * r - double(dy) * dy))));
        const int64_t a = std::max<int64_t>(-1, bx - int64_t(h) * k),
                      b = std::min<int64_t>(img.width(), bx + int64_t(h + 1) * k - 1);
        if (a > b) continue;
        rellenar(img, QRect(QPoint(int(a), by + dy * k), QPoint(int(b), by + dy * k + k - 1)), t);
    }
}

void Superficie::circulo(double x, double y, double radio, uint32_t color) {
    cx_ = x;
    cy_ = y;
    const int cx = px(x_px(x)), cy = px(y_px(y));
    const double r = std::fabs(radio / ux_);
    if (std::isnan(r)) return;
    const int R = static_cast<int>(std::min(r, kLejos)) + 1;
    const uint32_t t = tinta(color);
    const QRect zona(cx - R, cy - R, 2 * R + 1, 2 * R + 1);
    if (zona.intersects(QRect(0, 0, ancho_px(), alto_px())))
        dibujar(
            [&](QImage& img, bool d) {
                if (!d)
                    disco(img, cx, cy, std::min(r, kLejos), t);
                else
                    disco_pantalla(img, cx, cy, std::min(r, kLejos), t);
            },
            zona);
}

bool Superficie::extremos_px(double x1, double y1, double x2, double y2, QPoint& pa, QPoint& pb) const {
    QPointF a(x_px(x1), y_px(y1)), b(x_px(x2), y_px(y2));
    // Ends far off the surface are brought in along the line, which keeps its direction.
    const double margen = 64;
    if (!recortar(a, b, QRectF(-margen, -margen, ancho_px() + 2 * margen, alto_px() + 2 * margen))) return false;
    pa = QPoint(px(a.x()), px(a.y()));
    pb = QPoint(px(b.x()), px(b.y()));
    return true;
}

void Superficie::linea(double x1, double y1, double x2, double y2, uint32_t color) {
    const uint32_t t = tinta(color);
    cx_ = x2;
    cy_ = y2;
    QPoint pa, pb;
    if (!extremos_px(x1, y1, x2, y2, pa, pb)) return;
    if (grosor_ > 1) {
        linea_gruesa(pa, pb, t);
        return;
    }
    if (pa == pb) {
        // One pixel, as the painter would draw it: long curves have many such segments, and a
        // painter for each one costs far more than the pixel.
        dibujar(
            [&](QImage& img, bool d) {
                if (!d)
                    pixel(img, pa.x(), pa.y(), t);
                else
                    rellenar(img, QRect(en_pantalla(pa.x()), en_pantalla(pa.y()), bloque_, bloque_), t);
            },
            QRect(pa, QSize(1, 1)));
        return;
    }
    dibujar(
        [&](QImage& img, bool d) {
            QPainter p(&img);
            p.setRenderHint(QPainter::Antialiasing, false);
            if (modo_ == Modo::InvertirFondo) p.setCompositionMode(QPainter::RasterOp_NotDestination);
            if (!d) {
                p.setPen(QPen(QColor(argb(t)), 0));
                p.drawLine(pa, pb);
            } else {
                p.setPen(QPen(QColor(argb(t)), bloque_ == 1 ? 0 : bloque_, Qt::SolidLine, Qt::SquareCap));
                p.drawLine(punto_pantalla(pa), punto_pantalla(pb));
            }
        },
        QRect(pa, pb).normalized().adjusted(-1, -1, 1, 1));
}

void Superficie::linea_gruesa(QPoint pa, QPoint pb, uint32_t t) {
    const int g = grosor_;
    dibujar(
        [&](QImage& img, bool d) {
            QPainter p(&img);
            p.setRenderHint(QPainter::Antialiasing, false);
            if (modo_ == Modo::InvertirFondo) p.setCompositionMode(QPainter::RasterOp_NotDestination);
            // Round ends, so a curve of many short segments has no notches at its joints.
            p.setPen(QPen(QColor(argb(t)), d ? g * bloque_ : g, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            if (!d) {
                if (pa == pb)
                    p.drawPoint(pa);
                else
                    p.drawLine(pa, pb);
            } else if (pa == pb) {
                p.drawPoint(punto_pantalla(pa));
            } else {
                p.drawLine(punto_pantalla(pa), punto_pantalla(pb));
            }
        },
        QRect(pa, pb).normalized().adjusted(-g, -g, g, g));
}

void Superficie::poligono(double x, double y, const std::vector<QPointF>& vertices, uint32_t color) {
    cx_ = x;
    cy_ = y;
    const int cx = px(x_px(x)), cy = px(y_px(y));
    if (vertices.empty() || std::abs(cx) >= kLejos || std::abs(cy) >= kLejos) return;
    QPolygonF poli;
    for (const QPointF& v : vertices) poli << QPointF(cx + 0.5 + v.x(), cy + 0.5 + v.y());
    const QRect zona = poli.boundingRect().toAlignedRect().adjusted(-1, -1, 1, 1) | QRect(cx, cy, 1, 1);
    if (!zona.intersects(QRect(0, 0, ancho_px(), alto_px()))) return;
    const uint32_t t = tinta(color);
    QImage mascara;
    if (ratio_ != 1) {
        // The shape at the surface's pixels, stamped on the screen's image block by block.
        mascara = QImage(zona.size(), QImage::Format_RGB32);
        mascara.fill(0);
        QPainter p(&mascara);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawPolygon(poli.translated(-zona.topLeft()), Qt::WindingFill);
        p.end();
        if (modo_ != Modo::InvertirFondo) mascara.setPixel(cx - zona.left(), cy - zona.top(), 0xffffffffu);
    }
    dibujar(
        [&](QImage& img, bool d) {
            if (d) {
                const int bx = en_pantalla(cx), by = en_pantalla(cy);
                for (int j = 0; j < mascara.height(); ++j)
                    for (int i = 0; i < mascara.width(); ++i)
                        if (mascara.pixel(i, j) & 0xffffffu)
                            rellenar(img,
                                     QRect(bx + (zona.left() + i - cx) * bloque_, by + (zona.top() + j - cy) * bloque_,
                                           bloque_, bloque_),
                                     t);
                return;
            }
            {
                QPainter p(&img);
                p.setRenderHint(QPainter::Antialiasing, false);
                if (modo_ == Modo::InvertirFondo) p.setCompositionMode(QPainter::RasterOp_NotDestination);
                p.setPen(Qt::NoPen);
                p.setBrush(QColor(argb(t)));
                p.drawPolygon(poli, Qt::WindingFill);
            }
            // The colour read back at a mark's centre names its experiment.
            if (modo_ != Modo::InvertirFondo) pixel(img, cx, cy, t);
        },
        zona);
}

void Superficie::linea_a(double x, double y, uint32_t color) { linea(cx_, cy_, x, y, color); }

void Superficie::caja(double x1, double y1, double x2, double y2, uint32_t color) {
    int a = px(x_px(x1)), b = px(x_px(x2)), c = px(y_px(y1)), d = px(y_px(y2));
    if (a > b) std::swap(a, b);
    if (c > d) std::swap(c, d);
    const QRect zona(a, c, b - a + 1, d - c + 1);
    const uint32_t t = tinta(color);
    dibujar([&](QImage& img, bool pantalla) { rellenar(img, pantalla ? tramo_pantalla(a, c, b, d) : zona, t); }, zona);
    cx_ = x2;
    cy_ = y2;
}

void Superficie::pixel(QImage& img, int x, int y, uint32_t tinta) const {
    if (!img.rect().contains(x, y)) return;
    QRgb* fila = reinterpret_cast<QRgb*>(img.scanLine(y));
    fila[x] = modo_ == Modo::InvertirFondo ? (~fila[x] | 0xff000000u) : argb(tinta);
}

void Superficie::punto(double x, double y, uint32_t color) {
    const int a = px(x_px(x)), b = px(y_px(y));
    const uint32_t t = tinta(color);
    dibujar(
        [&](QImage& img, bool d) {
            if (!d)
                pixel(img, a, b, t);
            else
                rellenar(img, QRect(en_pantalla(a), en_pantalla(b), bloque_, bloque_), t);
        },
        QRect(a, b, 1, 1));
    cx_ = x;
    cy_ = y;
}

void Superficie::texto(const QString& t, uint32_t color) {
    const QFontMetricsF fm(fuente_);
    const QPointF origen(x_px(cx_), y_px(cy_));
    const uint32_t tc = tinta(color);
    if (!(std::fabs(origen.x()) < kLejos && std::fabs(origen.y()) < kLejos)) {
        cx_ += fm.horizontalAdvance(t) * ux_;
        return;
    }
    const QRect zona = QRectF(origen, QSizeF(fm.horizontalAdvance(t) + 2, fm.height() + 2)).toAlignedRect();
    dibujar(
        [&](QImage& img, bool d) {
            QPainter p(&img);
            if (d) p.scale(ratio_, ratio_);
            p.setRenderHint(QPainter::TextAntialiasing, false);
            p.setFont(fuente_);
            if (modo_ == Modo::InvertirFondo) p.setCompositionMode(QPainter::RasterOp_NotDestination);
            p.setPen(QColor(argb(tc)));
            p.drawText(QPointF(origen.x(), origen.y() + fm.ascent()), t);
        },
        zona);
    cx_ += fm.horizontalAdvance(t) * ux_;
}

double Superficie::ancho_texto(const QString& t) const {
    return QFontMetricsF(fuente_).horizontalAdvance(t) * std::fabs(ux_);
}
double Superficie::alto_texto(const QString&) const { return QFontMetricsF(fuente_).height() * std::fabs(uy_); }

uint32_t Superficie::color_en(double x, double y) const {
    const int a = px(x_px(x)), b = px(y_px(y));
    const QImage& img = imagen();
    if (!img.rect().contains(a, b)) return 0xffffffffu;  // outside: no colour of the palette
    return desde_argb(img.pixel(a, b));
}

QRect Superficie::tomar_cambios() {
    QRect r = cambios_;
    cambios_ = QRect();
    return r;
}

}  // namespace tya
