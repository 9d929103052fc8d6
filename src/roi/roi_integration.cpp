#include "roi/roi_integration.h"

#include <algorithm>
#include <limits>

namespace ztmca {
namespace {

// Each partial sum is rounded to single precision; the addend itself is exact.
float Add(float sum, double value) { return static_cast<float>(static_cast<double>(sum) + value); }

float NearestInside(std::span<const std::int32_t> counts, std::int64_t ch) {
    const std::int64_t last = static_cast<std::int64_t>(counts.size()) - 1;
    return static_cast<float>(counts[static_cast<std::size_t>(std::clamp<std::int64_t>(ch, 0, last))]);
}

float ThreeChannelMean(std::span<const std::int32_t> counts, std::int64_t a, std::int64_t b, std::int64_t c) {
    float sum = NearestInside(counts, a);
    sum = Add(sum, NearestInside(counts, b));
    sum = Add(sum, NearestInside(counts, c));
    return sum * (1.0f / 3.0f);
}

}  // namespace

RoiSums IntegrateWindow(std::span<const std::int32_t> counts, std::int32_t low, std::int32_t high) {
    RoiSums sums;
    const std::int64_t size = static_cast<std::int64_t>(counts.size());
    // A window with no channel in the memory measures nothing, neither counts nor background.
    if (counts.empty() || high < 0 || low >= size) return sums;
    const std::int64_t first = std::max<std::int64_t>(low, 0);
    const std::int64_t end = std::min<std::int64_t>(high, size);
    float gross = 0.0f;
    for (std::int64_t ch = first; ch < end; ++ch) gross = Add(gross, counts[static_cast<std::size_t>(ch)]);

    const std::int64_t l = low, r = high;
    const float left = ThreeChannelMean(counts, l, l - 1, l - 2);
    const float right = ThreeChannelMean(counts, r, r + 1, r + 2);
    const float width = static_cast<float>(r - l);
    const float background = ((left + right) * width) * 0.5f;
    sums.Gross = gross;
    sums.Net = gross - background;
    return sums;
}

std::int32_t TruncatedSum(float sum) {
    constexpr float kLimit = 2147483648.0f;  // 2^31, exact in single precision
    if (sum >= kLimit) return std::numeric_limits<std::int32_t>::max();
    if (sum < -kLimit) return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(sum);
}

}  // namespace ztmca
