#include "analysis/peak_snap.h"

#include <algorithm>

namespace ztmca {
namespace {

constexpr int kSnapSearchHalfWidth = 10;
constexpr int kSnapCentroidHalfWidth = 5;

struct ChannelRange {
    std::int64_t First = 0;
    std::int64_t Last = -1;  // empty when Last < First
};

ChannelRange InsideMemory(std::span<const std::int32_t> counts, std::int64_t centre, int halfWidth) {
    return {std::max<std::int64_t>(centre - halfWidth, 0),
            std::min<std::int64_t>(centre + halfWidth, static_cast<std::int64_t>(counts.size()) - 1)};
}

// Each partial sum is rounded to single precision; the addend is exact.
float Add(float sum, double value) { return static_cast<float>(static_cast<double>(sum) + value); }

}  // namespace

bool HighestChannel(std::span<const std::int32_t> counts, std::int32_t cursor, int halfWidth, PeakChannel& peak) {
    const ChannelRange range = InsideMemory(counts, cursor, halfWidth);
    std::int32_t largest = 0;
    bool found = false;
    for (std::int64_t ch = range.First; ch <= range.Last; ++ch) {
        const std::int32_t v = counts[static_cast<std::size_t>(ch)];
        if (v > largest) {
            largest = v;
            peak = {static_cast<std::int32_t>(ch), v};
            found = true;
        }
    }
    return found;
}

bool Centroid(std::span<const std::int32_t> counts, std::int32_t peak, int halfWidth, float& centroid) {
    const ChannelRange range = InsideMemory(counts, peak, halfWidth);
    float sum = 0.0f;
    float moment = 0.0f;
    for (std::int64_t ch = range.First; ch <= range.Last; ++ch) {
        const std::int64_t v = counts[static_cast<std::size_t>(ch)];
        sum = Add(sum, static_cast<double>(v));
        moment = Add(moment, static_cast<double>(v * ch));
    }
    // Only negative counts can make the sum vanish or the mean leave the window; neither may
    // reach the cursor as an infinity or a channel outside the memory.
    if (!(sum > 0.0f)) return false;
    centroid = std::clamp(moment / sum, static_cast<float>(range.First), static_cast<float>(range.Last));
    return true;
}

std::int32_t ChannelOf(float position) { return static_cast<std::int32_t>(static_cast<double>(position) + 0.5); }

bool SnapPeak(std::span<const std::int32_t> counts, std::int32_t cursor, SnapResult& result) {
    PeakChannel peak;
    float position = 0.0f;
    if (!HighestChannel(counts, cursor, kSnapSearchHalfWidth, peak) ||
        !Centroid(counts, peak.Channel, kSnapCentroidHalfWidth, position))
        return false;
    result.Position = position;
    result.Channel = ChannelOf(position);
    return true;
}

}  // namespace ztmca
