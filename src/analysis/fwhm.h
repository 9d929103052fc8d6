#pragma once
// Centroid and full width at half maximum of the peak nearest the cursor, in channels.
#include <cstdint>
#include <span>

namespace ztmca {

struct FwhmResult {
    float Centroid = 0.0f;
    float Width = 0.0f;
};

// Peak: highest channel within 5 of the cursor; centroid over 2 channels each side. The edges
// are searched from the peak towards the ends of the view [dispStart, dispEnd]; on a side where
// the peak lies at or beyond the view's end, towards the end of the memory instead. False when
// there is no peak (no count above 0 near the cursor).
bool MeasureFwhm(std::span<const std::int32_t> counts, std::int32_t cursor, std::int32_t dispStart,
                 std::int32_t dispEnd, FwhmResult& result);

}  // namespace ztmca
