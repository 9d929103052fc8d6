#pragma once
// A small, fast, seedable generator for the simulated detector, with the Poisson draws it needs.
#include <cstdint>

namespace ztmca {

class SimRandom {
public:
    explicit SimRandom(std::uint64_t seed = 1);

    std::uint64_t Next();
    // Uniform in [0, 1).
    double Uniform();
    // Uniform integer in [0, n); n > 0.
    std::uint32_t Below(std::uint32_t n);
    // Poisson-distributed count with the given mean (0 for a mean of 0 or below).
    std::uint64_t Poisson(double mean);

private:
    std::uint64_t s_[4];
};

}  // namespace ztmca
