// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The clock the program paces itself by: seconds since midnight, as the day's clock shows them.
#include <QTime>
#include <chrono>
#include <cmath>
#include <thread>

namespace tya {

class Reloj {
public:
    virtual ~Reloj() = default;
    virtual double segundos() = 0;
    // Lets the time pass in a wait loop; a clock that only counts may return at once.
    virtual void ceder(double /*restante*/) {}
};

class RelojReal : public Reloj {
public:
    // The day's clock has only milliseconds; a steady clock from a reading of it gives microseconds.
    double segundos() override {
        const double t = base_ + std::chrono::duration<double>(std::chrono::steady_clock::now() - inicio_).count();
        return std::fmod(t, 86400.0);
    }
    void ceder(double restante) override {
        if (restante > 0.0005)
            std::this_thread::sleep_for(std::chrono::microseconds(static_cast<long>(restante * 1e6 * 0.8)));
    }

private:
    std::chrono::steady_clock::time_point inicio_ = std::chrono::steady_clock::now();
    double base_ = QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
};

// A clock that moves forward by a fixed amount at every reading: waits end at once.
class RelojContador : public Reloj {
public:
    explicit RelojContador(double inicio = 0, double paso = 0.011) : t_(inicio), paso_(paso) {}
    double segundos() override {
        double t = t_;
        t_ += paso_;
        if (t_ >= 86400) t_ -= 86400;
        return t;
    }
    int lecturas = 0;

private:
    double t_, paso_;
};

// Waits until more than `segundos` have passed since `marca`; a reading below the mark
// (the clock wrapped at midnight) ends the wait too. Returns the last reading.
inline double esperar_desde(Reloj& reloj, double marca, double segundos) {
    for (;;) {
        const double ahora = reloj.segundos();
        if (ahora < marca || ahora - marca > segundos) return ahora;
        reloj.ceder(segundos - (ahora - marca));
    }
}

}  // namespace tya
