// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The flight of the benchmarks in plain doubles: the yardstick for the fixed-point kernel.
#include <vector>

// Same drag and gravity, same steps, same sampling as the kernel's flight of a very light ball
// drifting down in the wind. Built at -O2, the reference the kernel is measured against.
struct Llano {
    std::vector<double> t, x, y, vx, vy, ax, ay, pos, vel;
    std::vector<float> xs, ys;
    Llano();
    // Flies from (xo, yo); n gets the samples. Returns the steps.
    long volar(double xo, double yo, int& n);
};
