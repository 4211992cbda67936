// SPDX-License-Identifier: GPL-3.0-or-later
#include "repeticion.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "core/registros.h"
#include "core/vuelo.h"
#include "vectores.h"

namespace tya {

namespace {
QColor color_qt(uint32_t c) { return QColor(rojo(c), verde(c), azul(c)); }
constexpr double kAnilloPx = 4;  // the ring stands this far outside the mark
}  // namespace

int muestras_repeticion(const EstadoExp& st, int k) {
    if (k < 1 || k > st.NExp || st.NExp > kExperiencias) return 0;
    // A file may give the two records different counts: only samples with both are shown.
    const Registros exp(st, k - 1);
    return std::min(exp.posiciones().muestras(), exp.velocidades().muestras());
}

double segundos_por_muestra(Ritmo r) {
    switch (r) {
        case Ritmo::Rapido:
            return kPausaMarca / 4;
        case Ritmo::Real:
            return 0.75;
        case Ritmo::Vuelo:
            break;
    }
    return kPausaMarca;
}

int muestra_al_reproducir(int desde, double segundos, double por_muestra, int n) {
    if (!(segundos > 0) || !(por_muestra > 0)) return std::clamp(desde, 1, std::max(1, n));
    // A hair over the quotient, so 0.03 s at 0.01 s a sample is three samples, not two.
    const double pasos = std::floor(segundos / por_muestra + 1e-9);
    return static_cast<int>(std::clamp<double>(desde + pasos, 1, std::max(1, n)));
}

std::array<QString, 7> valores_repeticion(const EstadoExp& st, int k, int i) { return valores_muestra(st, k, i); }

CursorEscena cursor_escena(const EstadoExp& st, const Superficie& s, int k, int i) {
    CursorEscena c;
    if (i < 1 || i > muestras_repeticion(st, k)) return c;
    const size_t e = static_cast<size_t>(k - 1), j = static_cast<size_t>(i);
    const int esc = st.Escala > 0 ? st.Escala : 1;
    // Where the mark was drawn, by the flight's and the redraw's rule.
    const Registros exp(st, k - 1);
    const double x = exp.x(i).real(), y = exp.y(i).real();
    if (!marca_visible(x, y, esc)) return c;
    c.visible = true;
    c.grosor = s.grosor();
    c.centro = QPointF(s.x_px(x * esc), s.y_px(y * esc));
    c.radio = std::fabs(radio_marca(esc) / s.unidades_x()) + kAnilloPx;
    const double r = c.radio + 2;
    c.zona = QRectF(c.centro.x() - r, c.centro.y() - r, 2 * r, 2 * r).toAlignedRect();
    for (const TrazoVector& t : trazos_vectores(st, st.Xs[e][j], st.Ys[e][j], k, i)) {
        QPoint a, b;
        if (!s.extremos_px(t.x1, t.y1, t.x2, t.y2, a, b)) continue;
        // The scene shows a pen in its inverted mode as the pen's complement.
        c.lineas.push_back({a, b, ~t.color & 0xffffffu});
        c.zona |= QRect(a, b).normalized().adjusted(-c.grosor, -c.grosor, c.grosor, c.grosor);
    }
    return c;
}

void pintar_lineas(QPainter& p, const CursorEscena& c) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    for (const CursorEscena::Linea& l : c.lineas) {
        if (c.grosor > 1)
            p.setPen(QPen(color_qt(l.color), c.grosor, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        else
            p.setPen(QPen(color_qt(l.color), 0));
        if (l.a == l.b)
            p.drawPoint(l.a);  // one pixel, as the surface draws it
        else
            p.drawLine(l.a, l.b);
    }
    p.restore();
}

void pintar_cursor_escena(QPainter& p, const CursorEscena& c) {
    if (!c.visible) return;
    pintar_lineas(p, c);
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::black, 2));
    p.drawEllipse(c.centro, c.radio, c.radio);
    p.restore();
}

}  // namespace tya
