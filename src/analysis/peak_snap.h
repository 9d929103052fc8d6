#pragma once
// The highest channel near the cursor and the centroid of the peak around it, in single
// precision. Every scan is limited to the channels of the memory in use.
#include <cstdint>
#include <span>

namespace ztmca {

struct PeakChannel {
    std::int32_t Channel = 0;
    std::int32_t Count = 0;
};

// Channels cursor - halfWidth .. cursor + halfWidth, in increasing order: the first whose count
// exceeds every count before it, starting from 0 (ties go to the lowest channel). False when no
// channel there holds more than 0 counts.
bool HighestChannel(std::span<const std::int32_t> counts, std::int32_t cursor, int halfWidth, PeakChannel& peak);

// Count-weighted mean channel of peak - halfWidth .. peak + halfWidth. False when the counts
// there do not add up to more than 0; the result never leaves the channels summed.
bool Centroid(std::span<const std::int32_t> counts, std::int32_t peak, int halfWidth, float& centroid);

// A position rounded to a channel: x + 0.5 truncated toward zero.
std::int32_t ChannelOf(float position);

struct SnapResult {
    float Position = 0.0f;  // the centroid
    std::int32_t Channel = 0;
};

// Highest channel within 10 of the cursor, centroid over 5 channels each side of it.
bool SnapPeak(std::span<const std::int32_t> counts, std::int32_t cursor, SnapResult& result);

}  // namespace ztmca
