// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Fixed-point numbers: the value times 10000 in a signed 64-bit integer.
#include <cmath>
#include <cstdint>
#include <stdexcept>

namespace tya {

// Raised when a value leaves the fixed-point range; the flight ends in order on it.
struct DesbordeFijo : std::overflow_error {
    DesbordeFijo() : std::overflow_error("desborde de punto fijo") {}
};

class Fijo {
public:
    static constexpr int64_t kEscala = 10000;
    // Largest magnitude a double may have and still convert exactly in range.
    static constexpr double kMaximo = 922337203685477.0;

    constexpr Fijo() = default;
    static constexpr Fijo crudo(int64_t v) {
        Fijo f;
        f.v_ = v;
        return f;
    }
    static constexpr Fijo entero(int64_t n) { return crudo(n * kEscala); }

    // Nearest 0.0001 as the processor's default rounding gives it: the double product d·10000
    // rounded to a whole number, ties to even. A product that lies a hair off a decimal tie goes
    // to its nearer side; only an exact binary half is a tie.
    static double redondear(double d) {
        const double p = d * static_cast<double>(kEscala);
        if (std::fabs(p) < kLimiteRapido) return entero_cercano(p);
        return std::nearbyint(p);
    }
    static Fijo desde(double d) {
        const double p = d * static_cast<double>(kEscala);
        if (std::fabs(p) < kLimiteRapido) [[likely]]
            return crudo(static_cast<int64_t>(entero_cercano(p)));
        const double e = std::nearbyint(p);
        if (!(e > -9.2233720368547e18 && e < 9.2233720368547e18)) throw DesbordeFijo();
        return crudo(static_cast<int64_t>(e));
    }
    // Never throws: out-of-range values stop at the ends of the range, NaN gives 0.
    static Fijo saturado(double d) {
        if (std::isnan(d)) return Fijo();
        const double e = redondear(d);
        if (e >= 9.2233720368547e18) return crudo(INT64_MAX);
        if (e <= -9.2233720368547e18) return crudo(INT64_MIN + 1);
        return crudo(static_cast<int64_t>(e));
    }

    constexpr int64_t crudo() const { return v_; }
    constexpr double real() const { return static_cast<double>(v_) / static_cast<double>(kEscala); }
    constexpr bool es_entero() const { return v_ % kEscala == 0; }

    friend Fijo operator+(Fijo a, Fijo b) {
        int64_t r;
        if (__builtin_add_overflow(a.v_, b.v_, &r)) throw DesbordeFijo();
        return crudo(r);
    }
    friend Fijo operator-(Fijo a, Fijo b) {
        int64_t r;
        if (__builtin_sub_overflow(a.v_, b.v_, &r)) throw DesbordeFijo();
        return crudo(r);
    }
    friend Fijo operator-(Fijo a) { return Fijo() - a; }
    // Product rounded to the nearest 0.0001, ties to even.
    friend Fijo operator*(Fijo a, Fijo b) {
        // Below 2^53 the raw product is exact as a double, and so close to its quotient by 10000
        // that the division's own rounding cannot carry it across a half: the FPU gives the digit.
        if (int64_t p; !__builtin_mul_overflow(a.v_, b.v_, &p) && p < kExactoDoble && p > -kExactoDoble) [[likely]]
            return crudo(static_cast<int64_t>(entero_cercano(static_cast<double>(p) / kEscala)));
        const __int128 p = static_cast<__int128>(a.v_) * b.v_;
        __int128 q = p / kEscala;
        __int128 r = p % kEscala;
        if (r < 0) {
            r += kEscala;
            q -= 1;
        }  // floor division, 0 <= r < 10000
        if (r > kEscala / 2 || (r == kEscala / 2 && (q & 1) != 0)) q += 1;
        if (q > INT64_MAX || q < INT64_MIN) throw DesbordeFijo();
        return crudo(static_cast<int64_t>(q));
    }
    Fijo& operator+=(Fijo b) { return *this = *this + b; }
    Fijo& operator-=(Fijo b) { return *this = *this - b; }

    friend constexpr auto operator<=>(Fijo a, Fijo b) = default;

    static constexpr double kLimiteRapido = 2251799813685248.0;  // 2^51
    static constexpr int64_t kExactoDoble = int64_t{1} << 53;
    // For |p| < 2^51 only: adding and taking away 1.5·2^52 leaves p rounded by the FPU itself
    // (2^52 <= sum < 2^53, where the unit in the last place is 1), ties to even.
    static constexpr double kMagia = 6755399441055744.0;
    static double entero_cercano(double p) { return (p + kMagia) - kMagia; }

private:
    int64_t v_ = 0;
};

// A whole number in 16 bits, ties to even; values beyond the range stop at its ends.
inline int16_t entero16(double d) {
    if (std::isnan(d)) return 0;
    const double r = std::nearbyint(d);
    if (r > 32767.0) return 32767;
    if (r < -32768.0) return -32768;
    return static_cast<int16_t>(r);
}

}  // namespace tya
