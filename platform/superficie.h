// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A drawing surface with a user coordinate frame, copy and inverted modes, a retained
// image and pixel read-back, kept in raster images so it works with or without a window.
#include <QFont>
#include <QImage>
#include <QPointF>
#include <QString>
#include <cstdint>
#include <vector>

namespace tya {

enum class Modo {
    Copia,          // the pixel takes the pen colour
    Invertido,      // the pixel takes the complement of the pen colour, whatever it held
    InvertirFondo,  // the pixel takes the complement of what it held (drawing twice restores)
};

class Superficie {
public:
    Superficie(int ancho_px, int alto_px, uint32_t fondo);

    // Frame: (x1, y1) is the top-left corner, (x2, y2) the bottom-right at the current size.
    // The unit size stays when the surface is later made larger.
    void escala(double x1, double y1, double x2, double y2);
    void redimensionar(int ancho_px, int alto_px);

    // Width in pixels of the lines drawn from now on; 1 draws them as they always were.
    void grosor(int px) { grosor_ = px < 1 ? 1 : px; }
    int grosor() const { return grosor_; }
    void modo(Modo m) { modo_ = m; }
    Modo modo() const { return modo_; }
    void retenido(bool r) { retenido_ = r; }
    bool retenido() const { return retenido_; }

    // Clears: with the retained mode on, the retained image to the background colour;
    // either way the visible surface returns to the retained image.
    void borrar();
    void linea(double x1, double y1, double x2, double y2, uint32_t color);
    // The pixel ends `linea` draws between two points (cut to the surface and a margin round
    // it); false when no part of the segment is near the surface. Drawing over the view with a
    // painter from these ends gives the surface's own pixels.
    bool extremos_px(double x1, double y1, double x2, double y2, QPoint& a, QPoint& b) const;
    void linea_a(double x, double y, uint32_t color);                       // from the current position
    void caja(double x1, double y1, double x2, double y2, uint32_t color);  // filled
    void circulo(double x, double y, double radio, uint32_t color);         // filled disc
    // A filled polygon around the pixel of (x, y), its vertices in pixels from that pixel's
    // centre (y downwards); the centre pixel always takes the colour, whatever the shape.
    void poligono(double x, double y, const std::vector<QPointF>& vertices_px, uint32_t color);
    void punto(double x, double y, uint32_t color);
    void texto(const QString& t, uint32_t color = 0);
    double ancho_texto(const QString& t) const;
    double alto_texto(const QString& t) const;
    void posicion(double x, double y) {
        cx_ = x;
        cy_ = y;
    }
    double pos_x() const { return cx_; }
    double pos_y() const { return cy_; }

    uint32_t color_en(double x, double y) const;
    uint32_t fondo() const { return fondo_; }
    const QImage& imagen() const { return igual_ ? retenida_ : visible_; }
    const QImage& imagen_retenida() const { return retenida_; }
    int ancho_px() const { return retenida_.width(); }
    int alto_px() const { return retenida_.height(); }
    double unidades_x() const { return ux_; }
    double unidades_y() const { return uy_; }
    double x_px(double x) const { return (x - x1_) / ux_; }
    double y_px(double y) const { return (y - y1_) / uy_; }
    double x_unidades(double px) const { return x1_ + px * ux_; }
    double y_unidades(double py) const { return y1_ + py * uy_; }
    // Pixels changed since the last call (for the window to repaint only those).
    QRect tomar_cambios();

    // Screen pixels per surface pixel. Off 1, a second image at the screen's resolution follows
    // every drawing for the view alone, each mark stamped there as the same block of pixels
    // wherever it falls; the surface image above stays as it is for reading, copying and printing.
    // That image carries the proportion as its device pixel ratio, so a painter shows it one to one.
    void proporcion(double r);
    double proporcion() const { return ratio_; }
    const QImage& imagen_pantalla() const { return ratio_ == 1 ? imagen() : (igual_ ? retenida_d_ : visible_d_); }
    const QImage& imagen_retenida_pantalla() const { return ratio_ == 1 ? retenida_ : retenida_d_; }

private:
    template <class F> void dibujar(F&& f, const QRect& zona);
    void linea_gruesa(QPoint a, QPoint b, uint32_t tinta);
    void disco(QImage& img, int cx, int cy, double r, uint32_t argb);
    void pixel(QImage& img, int x, int y, uint32_t tinta) const;
    uint32_t tinta(uint32_t color) const;
    int en_pantalla(int p) const;  // first screen pixel of the block that stands for surface pixel p
    QRect tramo_pantalla(int a, int c, int b, int d) const;  // screen pixels under surface pixels a..b, c..d
    QPointF punto_pantalla(QPoint p) const;                  // where a line's pen goes for surface pixel p
    void rellenar(QImage& img, const QRect& zona, uint32_t tinta) const;  // fills, or inverts
    void disco_pantalla(QImage& img, int cx, int cy, double r, uint32_t tinta) const;
    QSize tamano_pantalla() const;

    QImage retenida_, visible_;
    QImage retenida_d_, visible_d_;  // at the screen's resolution, only off a proportion of 1
    double ratio_ = 1;
    int bloque_ = 1;     // screen pixels per side of a mark's pixel
    bool igual_ = true;  // the visible surface is the retained image
    uint32_t fondo_;
    Modo modo_ = Modo::Copia;
    bool retenido_ = false;
    int grosor_ = 1;
    double x1_ = 0, y1_ = 0, ux_ = 1, uy_ = 1;
    double cx_ = 0, cy_ = 0;
    QFont fuente_;
    QRect cambios_;
};

}  // namespace tya
