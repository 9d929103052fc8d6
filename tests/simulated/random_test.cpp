// The Poisson draws behind every count: mean and variance on both sides of the switch between
// inversion and rejection.
#include <gtest/gtest.h>

#include <cmath>

#include "link/simulated/random.h"

namespace ztmca {
namespace {

TEST(SimRandom, PoissonDrawsHaveTheirMeanAndVariance) {
    SimRandom random(42);
    for (const double mean : {0.3, 4.0, 9.99, 10.0, 47.5, 1e6}) {
        constexpr int kDraws = 200000;
        double sum = 0.0, squares = 0.0;
        for (int i = 0; i < kDraws; ++i) {
            const double k = static_cast<double>(random.Poisson(mean));
            sum += k;
            squares += k * k;
        }
        const double m = sum / kDraws;
        const double variance = squares / kDraws - m * m;
        EXPECT_NEAR(m, mean, 5.0 * std::sqrt(mean / kDraws)) << mean;
        EXPECT_NEAR(variance / mean, 1.0, 0.02) << mean;
    }
    EXPECT_EQ(random.Poisson(0.0), 0u);
    EXPECT_EQ(random.Poisson(-3.0), 0u);
}

}  // namespace
}  // namespace ztmca
