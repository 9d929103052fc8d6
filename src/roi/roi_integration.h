#pragma once
// Gross and net counts of a channel window, in single precision as the read-out shows them.
#include <cstdint>
#include <span>

namespace ztmca {

struct RoiSums {
    float Gross = 0.0f;
    float Net = 0.0f;
};

// counts holds the channels of the memory in use. The gross sum covers low <= ch < high, limited
// to the memory; the background averages three channels beside each end, and a neighbour that
// lies outside the memory is replaced by the nearest channel inside it. A window lying wholly
// before channel 0 or past the last channel (and any window of an empty memory) gives 0 and 0.
RoiSums IntegrateWindow(std::span<const std::int32_t> counts, std::int32_t low, std::int32_t high);

// The float sum as a 32-bit count: truncated, and held at the int32 limits beyond them.
std::int32_t TruncatedSum(float sum);

}  // namespace ztmca
