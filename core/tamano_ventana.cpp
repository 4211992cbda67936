// SPDX-License-Identifier: GPL-3.0-or-later
#include "tamano_ventana.h"

#include <algorithm>
#include <cmath>

namespace tya {

double factor_automatico(QSize disponible) {
    const double ancho = double(disponible.width()) / kTamanoDiseno.width();
    const double alto = double(disponible.height() - kReservaTitulo) / kTamanoDiseno.height();
    // Steps of an eighth keep the enlarged pixels in a regular pattern.
    const double f = std::floor(std::min(ancho, alto) * 8) / 8;
    return std::max(f, 1.0);
}

int tamano_valido(int porcentaje) {
    return std::find(kTamanos.begin(), kTamanos.end(), porcentaje) != kTamanos.end() ? porcentaje : 0;
}

QPoint a_la_vista(const QRect& caja, const QRect& zona) {
    const int x = std::max(zona.left(), std::min(caja.left(), zona.left() + zona.width() - caja.width()));
    const int y = std::max(zona.top(), std::min(caja.top(), zona.top() + zona.height() - caja.height()));
    return {x, y};
}

QRect recortada_a(const QRect& caja, const QRect& zona) {
    QRect r(caja.topLeft(), caja.size().boundedTo(zona.size()));
    r.moveTopLeft(a_la_vista(r, zona));
    return r;
}

QPoint lugar_libre(QSize tamano, const QRect& zona, const std::vector<Obstaculo>& evitar, QPoint deseado) {
    // The best place touches an edge of the zone, of a box to avoid, or is the wished one.
    std::vector<int> xs{deseado.x(), zona.left(), zona.left() + zona.width() - tamano.width()};
    std::vector<int> ys{deseado.y(), zona.top(), zona.top() + zona.height() - tamano.height()};
    for (const auto& [r, peso] : evitar) {
        xs.insert(xs.end(), {r.left() + r.width(), r.left() - tamano.width()});
        ys.insert(ys.end(), {r.top() + r.height(), r.top() - tamano.height()});
    }
    QPoint mejor = a_la_vista(QRect(deseado, tamano), zona);
    long long menos_tapado = -1, menos_lejos = 0;
    for (int x : xs)
        for (int y : ys) {
            const QPoint p = a_la_vista(QRect(QPoint(x, y), tamano), zona);
            const QRect caja(p, tamano);
            long long tapado = 0;
            for (const auto& [r, peso] : evitar) {
                const QRect i = caja.intersected(r);
                tapado += static_cast<long long>(i.width()) * i.height() * peso;
            }
            const QPoint d = p - deseado;
            const long long lejos = static_cast<long long>(d.x()) * d.x() + static_cast<long long>(d.y()) * d.y();
            if (menos_tapado < 0 || tapado < menos_tapado || (tapado == menos_tapado && lejos < menos_lejos)) {
                mejor = p;
                menos_tapado = tapado;
                menos_lejos = lejos;
            }
        }
    return mejor;
}

int tamano_mayor_que_cabe(QSize disponible) {
    int mayor = 100;
    for (int p : kTamanos)
        if (p > 0 && kTamanoDiseno.width() * p <= disponible.width() * 100 &&
            kTamanoDiseno.height() * p + kReservaTitulo * 100 <= disponible.height() * 100)
            mayor = std::max(mayor, p);
    return mayor;
}

bool tamano_cabe(int porcentaje, QSize disponible) { return porcentaje <= tamano_mayor_que_cabe(disponible); }

}  // namespace tya
