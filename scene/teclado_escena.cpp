// SPDX-License-Identifier: GPL-3.0-or-later
#include "teclado_escena.h"

#include <cmath>

#include "core/registros.h"
#include "core/traduccion.h"
#include "core/vuelo.h"
#include "vectores.h"

namespace tya {

QPointF destino_con_teclas(const Superficie& s, double x, double y, int dx, int dy) {
    // A drop reports the pointer's whole pixel; the marker's point is taken to its nearest one.
    const double px = std::round(s.x_px(x)) + dx, py = std::round(s.y_px(y)) + dy;
    return {static_cast<float>(s.x_unidades(px)), static_cast<float>(s.y_unidades(py))};
}

namespace {
int cuantas(const EstadoExp& st) { return std::clamp<int>(st.NExp, 0, kExperiencias); }

bool visible(const EstadoExp& st, MarcaEscena m) {
    const Registros r(st, m.k - 1);
    return marca_visible(r.x(m.i).real(), r.y(m.i).real(), st.Escala);
}

bool guardada(const EstadoExp& st, MarcaEscena m) {
    return m.k >= 1 && m.k <= cuantas(st) && m.i >= 1 && m.i <= Registros(st, m.k - 1).muestras();
}

// One place on, whether shown or not; nothing past either end.
std::optional<MarcaEscena> contigua(const EstadoExp& st, MarcaEscena m, int sentido) {
    m.i += sentido;
    while (m.k >= 1 && m.k <= cuantas(st)) {
        if (m.i >= 1 && m.i <= Registros(st, m.k - 1).muestras()) return m;
        m.k += sentido;  // an experiment without samples is passed over
        if (m.k >= 1 && m.k <= cuantas(st)) m.i = sentido > 0 ? 1 : Registros(st, m.k - 1).muestras();
    }
    return std::nullopt;
}
}  // namespace

std::optional<MarcaEscena> marca_vecina(const EstadoExp& st, std::optional<MarcaEscena> desde, int sentido) {
    sentido = sentido < 0 ? -1 : 1;
    std::optional<MarcaEscena> m;
    if (desde && guardada(st, *desde))
        m = contigua(st, *desde, sentido);
    else if (const int n = cuantas(st); n > 0)
        m = sentido > 0 ? contigua(st, {1, 0}, 1) : contigua(st, {n, Registros(st, n - 1).muestras() + 1}, -1);
    while (m && !visible(st, *m)) m = contigua(st, *m, sentido);
    return m;
}

QPointF punto_marca(const EstadoExp& st, MarcaEscena m) {
    const Registros r(st, m.k - 1);
    return {r.x(m.i).real() * st.Escala, r.y(m.i).real() * st.Escala};
}

QString describir_marca(const EstadoExp& st, MarcaEscena m) {
    const std::array<QString, 7> v = valores_muestra(st, m.k, m.i);
    return Trayecta::tr("Experiencia %1, muestra %2 de %3: t %4 s, X %5 m, Y %6 m")
        .arg(m.k)
        .arg(m.i)
        .arg(Registros(st, m.k - 1).muestras())
        .arg(v[0].trimmed(), v[1].trimmed(), v[2].trimmed());
}

}  // namespace tya
