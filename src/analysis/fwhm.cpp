#include "analysis/fwhm.h"

#include <algorithm>

#include "analysis/peak_snap.h"

namespace ztmca {
namespace {

constexpr int kFwhmSearchHalfWidth = 5;
constexpr int kFwhmCentroidHalfWidth = 2;

class Channels {
public:
    explicit Channels(std::span<const std::int32_t> counts) : counts_(counts) {}
    std::int64_t Last() const { return static_cast<std::int64_t>(counts_.size()) - 1; }
    // The edges computed near the ends of the memory may lie outside it; the nearest channel
    // inside stands in for them.
    std::int64_t At(std::int64_t ch) const {
        return counts_[static_cast<std::size_t>(std::clamp<std::int64_t>(ch, 0, Last()))];
    }

private:
    std::span<const std::int32_t> counts_;
};

// Share of the step from inner to outer that lies above the half maximum. A flat step (only
// possible where an edge search ran to its end) gives 0 rather than an infinity.
float EdgeFraction(std::int64_t inner, std::int64_t outer, std::int64_t half) {
    const std::int64_t step = inner - outer;
    if (step == 0) return 0.0f;
    return static_cast<float>(inner - half) / static_cast<float>(step);
}

}  // namespace

bool MeasureFwhm(std::span<const std::int32_t> counts, std::int32_t cursor, std::int32_t dispStart,
                 std::int32_t dispEnd, FwhmResult& result) {
    PeakChannel peak;
    float centroid = 0.0f;
    if (!HighestChannel(counts, cursor, kFwhmSearchHalfWidth, peak) ||
        !Centroid(counts, peak.Channel, kFwhmCentroidHalfWidth, centroid))
        return false;

    const Channels c(counts);
    const std::int64_t k = peak.Channel;
    const std::int64_t half = peak.Count / 2;
    const std::int64_t viewStart = std::clamp<std::int64_t>(dispStart, 0, c.Last());
    const std::int64_t viewEnd = std::clamp<std::int64_t>(dispEnd, 0, c.Last());
    const std::int64_t leftLimit = k > viewStart ? viewStart : 0;
    const std::int64_t rightLimit = k < viewEnd ? viewEnd : c.Last();

    std::int64_t left = leftLimit + 2;
    for (std::int64_t i = k; i > leftLimit; --i) {
        if (c.At(i) <= half) {
            left = i + 1;
            break;
        }
    }
    std::int64_t right = rightLimit - 2;
    for (std::int64_t i = k; i < rightLimit; ++i) {
        if (c.At(i) <= half) {
            right = i - 1;
            break;
        }
    }

    const float fractionLeft = EdgeFraction(c.At(left), c.At(left - 1), half);
    const float fractionRight = EdgeFraction(c.At(right), c.At(right + 1), half);
    float width = static_cast<float>(right - left);
    width = width + fractionLeft;
    width = width + fractionRight;
    result.Centroid = centroid;
    result.Width = width;
    return true;
}

}  // namespace ztmca
