// xoshiro256** seeded through splitmix64; Poisson by inversion for small means and by
// transformed rejection (PTRS) for large ones, so every draw costs O(1) whatever the mean.
#include "link/simulated/random.h"

#include <cmath>

namespace ztmca {
namespace {

std::uint64_t SplitMix(std::uint64_t& x) {
    std::uint64_t z = (x += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

std::uint64_t Rotl(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }

}  // namespace

SimRandom::SimRandom(std::uint64_t seed) {
    for (auto& s : s_) s = SplitMix(seed);
}

std::uint64_t SimRandom::Next() {
    const std::uint64_t result = Rotl(s_[1] * 5, 7) * 9;
    const std::uint64_t t = s_[1] << 17;
    s_[2] ^= s_[0];
    s_[3] ^= s_[1];
    s_[1] ^= s_[2];
    s_[0] ^= s_[3];
    s_[2] ^= t;
    s_[3] = Rotl(s_[3], 45);
    return result;
}

double SimRandom::Uniform() { return static_cast<double>(Next() >> 11) * 0x1.0p-53; }

std::uint32_t SimRandom::Below(std::uint32_t n) {
    return static_cast<std::uint32_t>(((Next() >> 32) * static_cast<std::uint64_t>(n)) >> 32);
}

std::uint64_t SimRandom::Poisson(double mean) {
    if (!(mean > 0.0)) return 0;
    if (mean < 10.0) {
        std::uint64_t k = 0;
        double p = std::exp(-mean);
        double sum = p;
        const double u = Uniform();
        // The cap only guards against rounding leaving sum just below u.
        while (u > sum && k < 1000) {
            ++k;
            p *= mean / static_cast<double>(k);
            sum += p;
        }
        return k;
    }
    const double slam = std::sqrt(mean);
    const double logLam = std::log(mean);
    const double b = 0.931 + 2.53 * slam;
    const double a = -0.059 + 0.02483 * b;
    const double invAlpha = 1.1239 + 1.1328 / (b - 3.4);
    const double vr = 0.9277 - 3.6224 / (b - 2.0);
    for (;;) {
        const double u = Uniform() - 0.5;
        const double v = Uniform();
        const double us = 0.5 - std::fabs(u);
        const double k = std::floor((2.0 * a / us + b) * u + mean + 0.43);
        if (us >= 0.07 && v <= vr) return static_cast<std::uint64_t>(k);
        if (k < 0.0 || (us < 0.013 && v > us)) continue;
        if (std::log(v) + std::log(invAlpha) - std::log(a / (us * us) + b) <=
            -mean + k * logLam - std::lgamma(k + 1.0))
            return static_cast<std::uint64_t>(k);
    }
}

}  // namespace ztmca
