// SPDX-License-Identifier: GPL-3.0-or-later
#include "llano.h"

#include <cmath>

#include "core/experiment_state.h"

using tya::kIndiceMax;
using tya::kMarcasMax;

Llano::Llano()
    : t(kIndiceMax + 1),
      x(kIndiceMax + 1),
      y(kIndiceMax + 1),
      vx(kIndiceMax + 1),
      vy(kIndiceMax + 1),
      ax(kIndiceMax + 1),
      ay(kIndiceMax + 1),
      pos(kIndiceMax + 1),
      vel(kIndiceMax + 1),
      xs(kIndiceMax + 1),
      ys(kIndiceMax + 1) {}

long Llano::volar(double xo, double yo, int& n) {
    const double pi = 4 * std::atan(1.0), dt = 0.015, w = 4, r = 100, dens = 0.0001, cd = 0.4;
    const double m = (4 * dens / 3) * pi * r * r * r / 1000;
    const double k = 0.5 * cd * 0.0013 * pi * r * r / 10;
    double T = 0, X = xo, Y = yo, VX = 0, VY = 0, AX = 0, AY = 0;
    auto acel = [&] {
        const double u = VX - w, s2 = u * u + VY * VY, s = std::sqrt(s2);
        if (s != 0) {
            AX = -(k * s2 / m) * u / s;
            AY = -(k * s2 / m) * VY / s - 9.81;
        } else {
            AX = 0;
            AY = -9.81;
        }
    };
    int j = 0;
    long pasos = 0;
    for (long paso = 0;; ++paso) {
        ++pasos;
        if (paso % 50 == 0) {
            ++j;
            vel[2 * j] = VX;
            vel[2 * j + 1] = VY;
            if (paso == 0) acel();
            t[j] = T;
            xs[j] = static_cast<float>(X);
            ys[j] = static_cast<float>(Y);
            vx[j] = VX;
            vy[j] = VY;
            ax[j] = std::fabs(AX) > 0.001 ? AX : 0;
            ay[j] = std::fabs(AY) > 0.001 ? AY : 0;
            pos[2 * j] = X;
            pos[2 * j + 1] = Y;
        }
        T += dt;
        acel();
        VX += AX * dt;
        VY += AY * dt;
        X += VX * dt;
        Y += VY * dt;
        if (!(Y > 0 && j < kMarcasMax)) break;
    }
    n = j;
    return pasos;
}
