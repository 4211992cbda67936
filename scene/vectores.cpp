// SPDX-License-Identifier: GPL-3.0-or-later
#include "vectores.h"

#include <cmath>

#include "core/formato.h"
#include "core/registros.h"

namespace tya {

namespace {

constexpr double kMedioAnchoPunta = 40;  // arrowhead half-width; its length is twice that

int cuenta(const EstadoExp& st, int k) { return k >= 1 && k <= kExperiencias ? Registros(st, k - 1).muestras() : 0; }

// The two barbs ending at tip (tx, ty) of a vector of direction (u, w).
void punta(std::vector<TrazoVector>& s, double tx, double ty, double u, double w, uint32_t color) {
    double sn, cs;
    if (u != 0) {
        const double th = std::atan(w / u);
        sn = std::sin(th);
        cs = std::cos(th);
    } else {
        sn = w > 0 ? 1 : -1;
        cs = 0;
    }
    const double sigma = u >= 0 ? 1 : -1;
    const double L = kMedioAnchoPunta;
    const double bx = tx - 2 * L * sigma * cs, by = ty - 2 * L * sigma * sn;
    s.push_back({bx + L * sn, by - L * cs, tx, ty, color});
    s.push_back({bx - L * sn, by + L * cs, tx, ty, color});
}

// A vector's length on the scene: the fixed-point product where it fits the range, else the
// double product (a file may hold any value, and the line only has to head off the scene).
double alargado(Fijo largo, Fijo v) {
    if (std::fabs(v.real()) * largo.real() < Fijo::kMaximo) return (largo * v).real();
    return largo.real() * v.real();
}

}  // namespace

Puntero seguir_puntero(Raton& r, const EstadoExp& st, const Superficie& escena, float x, float y) {
    if (st.EnVuelo == 1) return Puntero::SinCambio;
    const double xd = x, yd = y, xr = r.XRaton, yr = r.YRaton;
    const double d = std::fabs((xd * xd + yd * yd) - (xr * xr + yr * yr));
    if (d < 36) return Puntero::SinCambio;
    r.XRaton = x;
    r.YRaton = y;
    r.ColorCursor = escena.color_en(x, y);
    return r.ColorCursor != r.ColorFondo ? Puntero::Cruz : Puntero::Flecha;
}

int experiencia_bajo_cursor(const Raton& r, const EstadoExp& st) {
    int k = 0;
    const int n = std::min<int>(st.NExp, kExperiencias);
    for (int j = 1; j <= n; ++j)
        if (st.ColorExp[static_cast<size_t>(j - 1)] == r.ColorCursor) k = j;
    return k;
}

int indice_muestra(double i) { return static_cast<int>(std::nearbyint(i)); }

double buscar_muestra(const EstadoExp& st, int k, double Xw, float Yw) {
    const int n = cuenta(st, k);
    if (n <= 1) return 1;
    const auto& xs = st.Xs[static_cast<size_t>(k - 1)];
    const auto& ys = st.Ys[static_cast<size_t>(k - 1)];
    auto X = [&xs](double i) { return static_cast<double>(xs[static_cast<size_t>(indice_muestra(i))]); };
    // Short flights decide from their first and last samples instead of slots they never filled.
    const bool horizontal = n >= 5 ? xs[2] != xs[5] : xs[1] != xs[static_cast<size_t>(n)];
    double lo = 1, hi = n;
    if (horizontal) {
        const bool crece = st.Vx[static_cast<size_t>(k - 1)][2].crudo() > 0;
        while (hi - lo > 1) {
            const double mid = (lo + hi) / 2;
            if ((Xw < X(mid)) == crece)
                hi = mid;
            else
                lo = mid;
        }
        return std::fabs(Xw - X(lo)) < std::fabs(Xw - X(hi)) ? lo : hi;
    }
    float ymax = ys[1];
    int imax = 1;
    for (int j = 1; j <= n; ++j) {
        if (ys[static_cast<size_t>(j)] >= ymax) {
            ymax = ys[static_cast<size_t>(j)];
            imax = j;
        }
        if (j == n) break;  // no sample after the last one to pair it with
        const float a = ys[static_cast<size_t>(j)], b = ys[static_cast<size_t>(j + 1)];
        if ((Yw >= a && Yw <= b) || (Yw <= a && Yw >= b)) return std::fabs(Yw - a) < std::fabs(Yw - b) ? j : j + 1;
    }
    return imax;
}

std::array<QString, 7> valores_muestra(const EstadoExp& st, int k, int i) {
    const size_t e = static_cast<size_t>(k - 1), j = static_cast<size_t>(i);
    std::array<QString, 7> v{forma_simple(st.Tiempo[e][j]), forma_simple_f32(st.Xs[e][j]),
                             forma_simple_f32(st.Ys[e][j]), forma_simple(st.Vx[e][j]),
                             forma_simple(st.Vy[e][j]),     forma_simple(st.Ax[e][j]),
                             forma_simple(st.Ay[e][j])};
    // Read by a person, so in the locale's form like the tables beside them.
    const QChar separador = separador_local();
    for (QString& s : v) s.replace(QLatin1Char('.'), separador);
    return v;
}

std::vector<TrazoVector> trazos_vectores(const EstadoExp& st, float X, float Y, int k, int i) {
    const size_t e = static_cast<size_t>(k - 1), j = static_cast<size_t>(i);
    const Fijo vx = st.Vx[e][j], vy = st.Vy[e][j], ax = st.Ax[e][j], ay = st.Ay[e][j];
    const int f = st.Escala == 10 ? 5 : 1;
    const double px = static_cast<double>(X) * st.Escala, py = static_cast<double>(Y) * st.Escala;
    const Fijo largo_v = Fijo::entero(5 * f), largo_a = Fijo::entero(30);
    const double tvx = px + alargado(largo_v, vx), tvy = py + alargado(largo_v, vy);
    const double tax = px + alargado(largo_a, ax), tay = py + alargado(largo_a, ay);
    std::vector<TrazoVector> t{{px, py, tvx, tvy, st.ColorVel}, {px, py, tax, tay, st.ColorAcel}};
    punta(t, tvx, tvy, vx.real(), vy.real(), st.ColorVel);
    if (ay.crudo() != 0) punta(t, tax, tay, ax.real(), ay.real(), st.ColorAcel);
    return t;
}

void dibujar_vectores(const EstadoExp& st, Superficie& s, float X, float Y, int k, int i) {
    for (const TrazoVector& t : trazos_vectores(st, X, Y, k, i)) s.linea(t.x1, t.y1, t.x2, t.y2, t.color);
}

std::optional<std::pair<int, int>> muestra_bajo_cursor(const Raton& r, const EstadoExp& st) {
    if (r.YRaton <= 0 || r.ColorCursor == r.ColorFondo) return std::nullopt;
    const int k = experiencia_bajo_cursor(r, st);
    if (k == 0 || cuenta(st, k) < 1) return std::nullopt;
    const int esc = st.Escala > 0 ? st.Escala : 1;
    const double xw = static_cast<double>(r.XRaton) / esc;
    const float yw = static_cast<float>(r.YRaton / esc);
    return std::pair(k, std::clamp(indice_muestra(buscar_muestra(st, k, xw, yw)), 1, cuenta(st, k)));
}

std::optional<MuestraElegida> clic_escena(const Raton& r, const EstadoExp& st, Superficie& escena) {
    const auto elegida = muestra_bajo_cursor(r, st);
    if (!elegida) return std::nullopt;
    const auto [k, i] = *elegida;
    MuestraElegida m{k, i, valores_muestra(st, k, i)};
    const size_t e = static_cast<size_t>(k - 1);
    dibujar_vectores(st, escena, st.Xs[e][static_cast<size_t>(i)], st.Ys[e][static_cast<size_t>(i)], k, i);
    return m;
}

}  // namespace tya
