// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One experiment's records read by name: its samples, their position and velocity, the end of
// the flight, its extremes and its summary row (its fields, CampoResumen, lie beside the table of
// launch quantities, which says where each is kept). The records keep the layout the experiment
// file writes; only this view, its writer below and the file's reader and writer know that layout.
#include "experiment_state.h"

namespace tya {

// Which of an experiment's two sampled records.
enum class Magnitud { Posiciones, Velocidades };

// One sampled record: the horizontal and vertical components (X and Y, or Vx and Vy) of samples
// 1 to N, the highest and lowest of each component and their final values.
class Muestreo {
public:
    // `velocidades` is the experiment's velocity record, which keeps the final time.
    Muestreo(const Registro& r, const Registro& velocidades) : r_(r), vel_(velocidades), n_(tya::muestras(r)) {}
    int muestras() const { return n_; }
    Fijo horizontal(int j) const { return r_[2 * j]; }
    Fijo vertical(int j) const { return r_[2 * j + 1]; }
    Fijo componente(int j, bool vert) const { return vert ? vertical(j) : horizontal(j); }
    Fijo maximo(bool vert) const { return r_[2 * n_ + (vert ? 2 : 4)]; }
    Fijo minimo(bool vert) const { return r_[2 * n_ + (vert ? 3 : 5)]; }
    Fijo final(bool vert) const { return r_[2 * n_ + (vert ? 7 : 6)]; }
    // The end of the flight, found after as many samples as this record counts.
    Fijo tiempo_final() const { return vel_[2 * n_ + 8]; }

private:
    const Registro& r_;
    const Registro& vel_;
    int n_;
};

// Experiment e (experiment number - 1, 0 to 9) of the state, read only. The sample counts are
// taken when the view is made: make a new one after the records change.
class Registros {
public:
    Registros(const EstadoExp& st, int e)
        : st_(st),
          e_(static_cast<size_t>(e)),
          pos_(st.Pos[e_], st.VelMarca[e_]),
          vel_(st.VelMarca[e_], st.VelMarca[e_]) {}

    // Copies that read the state, so they outlive the view.
    Muestreo posiciones() const { return pos_; }
    Muestreo velocidades() const { return vel_; }
    Muestreo de(Magnitud m) const { return m == Magnitud::Velocidades ? vel_ : pos_; }

    int muestras() const { return pos_.muestras(); }
    // The palette index its marks and curves are drawn in.
    int64_t color() const { return static_cast<int64_t>(std::nearbyint(st_.Pos[e_][0].real())); }
    Fijo x(int j) const { return pos_.horizontal(j); }
    Fijo y(int j) const { return pos_.vertical(j); }
    Fijo vx(int j) const { return vel_.horizontal(j); }
    Fijo vy(int j) const { return vel_.vertical(j); }

    // The end of the flight, after the landing is interpolated.
    Fijo xf() const { return pos_.final(false); }
    Fijo yf() const { return pos_.final(true); }
    Fijo vxf() const { return vel_.final(false); }
    Fijo vyf() const { return vel_.final(true); }
    Fijo tf() const { return vel_.tiempo_final(); }
    Fijo ymax() const { return pos_.maximo(true); }

    Fijo resumen(CampoResumen c) const { return st_.Extremos[e_][static_cast<size_t>(c)]; }
    // A launch quantity as the summary row kept it at the end of the flight; 0 for one the row
    // does not keep.
    Fijo lanzamiento(Cantidad c) const {
        const std::optional<CampoResumen> campo = cantidad(c).resumen;
        return campo ? resumen(*campo) : Fijo();
    }

private:
    const EstadoExp& st_;
    size_t e_;
    Muestreo pos_, vel_;
};

// What the flight writes after its last sample.
struct CierreRegistros {
    int muestras;
    Fijo ymax, ymin, xmax, xmin, xf, yf;
    int contador;  // the flight's step counter at the end
    Fijo vymax, vymin, vxmax, vxmin, vxf, vyf, tf;
};

// The writing side of the view, for the flight and for tests that store an experiment by hand.
class EscritorRegistros {
public:
    EscritorRegistros(EstadoExp& st, int e)
        : pos_(st.Pos[static_cast<size_t>(e)]), vel_(st.VelMarca[static_cast<size_t>(e)]) {}
    void color(int indice) { pos_[0] = Fijo::entero(indice); }
    void posicion(int j, Fijo x, Fijo y) {
        pos_[2 * j] = x;
        pos_[2 * j + 1] = y;
    }
    void velocidad(int j, Fijo vx, Fijo vy) {
        vel_[2 * j] = vx;
        vel_[2 * j + 1] = vy;
    }
    void cerrar(const CierreRegistros& c) {
        const int n = c.muestras;
        pos_[1] = vel_[1] = Fijo::entero(n);
        const Fijo p[] = {c.ymax, c.ymin, c.xmax, c.xmin, c.xf, c.yf, Fijo::entero(c.contador)};
        const Fijo v[] = {c.vymax, c.vymin, c.vxmax, c.vxmin, c.vxf, c.vyf, c.tf};
        for (int k = 0; k < 7; ++k) {
            pos_[2 * n + 2 + k] = p[k];
            vel_[2 * n + 2 + k] = v[k];
        }
    }

private:
    Registro& pos_;
    Registro& vel_;
};

}  // namespace tya
