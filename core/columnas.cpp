// SPDX-License-Identifier: GPL-3.0-or-later
#include "columnas.h"

#include <cmath>

namespace tya {

namespace {
// Positions are sums of measured widths: a hair of rounding must not count as "past".
constexpr double kHolgura = 1e-6;
}  // namespace

TextoEnColumnas::TextoEnColumnas(Medida medida)
    : medida_(medida ? std::move(medida) : Medida([](const QString& t) { return double(t.size()); })) {}

TextoEnColumnas::Renglon& TextoEnColumnas::actual() {
    if (!abierto_) {
        renglones_.append(Renglon());
        abierto_ = true;
        posicion_ = 1;
    }
    return renglones_.last();
}

void TextoEnColumnas::en(int columna, const QString& t) {
    if (columna < 1) columna = 1;
    if (abierto_ && posicion_ > columna + kHolgura) fin_linea();
    actual();
    posicion_ = columna;
    texto(t);
}

void TextoEnColumnas::texto(const QString& t) {
    Renglon& r = actual();
    if (!t.isEmpty()) r.append({posicion_, t});
    posicion_ += medida_(t);
}

void TextoEnColumnas::fin_linea() {
    actual();
    abierto_ = false;
    posicion_ = 1;
}

void TextoEnColumnas::limpiar() {
    renglones_.clear();
    abierto_ = false;
    posicion_ = 1;
}

QStringList TextoEnColumnas::lineas() const {
    QStringList out;
    for (const Renglon& r : renglones_) {
        QString s;
        for (const Trozo& t : r) {
            const int desde = static_cast<int>(std::lround(t.columna)) - 1;
            if (s.size() < desde) s += QString(desde - s.size(), QLatin1Char(' '));
            s = s.left(desde) + t.texto;
        }
        out << s;
    }
    return out;
}

}  // namespace tya
