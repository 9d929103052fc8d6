#include "link/acquisition_figures.h"

#include <cmath>
#include <limits>

namespace ztmca {

std::int32_t TruncateToInt32(double value) {
    if (std::isnan(value)) return 0;
    constexpr double kMax = std::numeric_limits<std::int32_t>::max();
    constexpr double kMin = std::numeric_limits<std::int32_t>::min();
    if (value >= kMax) return std::numeric_limits<std::int32_t>::max();
    if (value <= kMin) return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(value);
}

std::int32_t RealTimeFromStatus(std::int32_t hundredths) { return hundredths / 10; }

std::int32_t LiveTimeOf(std::int32_t realTime, float totalCounts, float deadTimePerEvent) {
    // Formed in double from the single-precision inputs: 1.2f lies just above 1.2, which is
    // what makes 1 000 000 counts in 100.0 s give 98.7 s and not 98.8 s.
    const double deadTenths = static_cast<double>(totalCounts) * static_cast<double>(deadTimePerEvent) * 0.00001;
    return TruncateToInt32(static_cast<double>(realTime) - deadTenths);
}

std::int32_t DeadTimeShownOf(float countRate, float deadTimePerEvent) {
    return TruncateToInt32(static_cast<double>(countRate) * static_cast<double>(deadTimePerEvent) * 0.001);
}

}  // namespace ztmca
