// SPDX-License-Identifier: GPL-3.0-or-later
#include "cantidades.h"

#include <QStringList>

#include "formato.h"

namespace tya {

const DefCantidad* cantidad_de_param(int i) {
    for (const DefCantidad& c : kCantidades)
        if (es_parametro(c) && c.dato == i) return &c;
    return nullptr;
}

const DefCantidad* cantidad_por_nombre(const QString& nombre) {
    for (const DefCantidad& c : kCantidades)
        if (nombre.compare(QLatin1String(c.nombre), Qt::CaseInsensitive) == 0) return &c;
    return nullptr;
}

QString nombres(bool DefCantidad::*que) {
    QStringList l;
    for (const DefCantidad& c : kCantidades)
        if (c.*que) l << QString::fromUtf8(c.nombre);
    return l.join(QLatin1Char(' '));
}

QString texto_ayuda(const DefCantidad& c, const std::array<Fijo, 11>& max, const std::array<int16_t, 11>& min) {
    if (!c.rango || !es_parametro(c)) return {};
    const size_t i = static_cast<size_t>(c.dato);
    const Fijo alto = max[i];
    Fijo bajo = Fijo::entero(min[i]);
    if (c.piso && *c.piso > bajo) bajo = *c.piso;
    QString arriba = forma_archivo(alto);
    // A range across zero shows the sign of both ends.
    if (bajo < Fijo() && alto > Fijo()) arriba.prepend(QLatin1Char('+'));
    return Trayecta::tr(c.descripcion) + Trayecta::tr(c.rango).arg(forma_archivo(bajo), arriba);
}

}  // namespace tya
