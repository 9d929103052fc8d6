#pragma once
// Which plot columns an ROI window covers in the current redraw.
#include <cstdint>

namespace ztmca {

struct ColumnSpan {
    int First = 0;  // first shaded column
    int End = 0;    // one past the last shaded column
};

// step: channels per column, or -(columns per channel) with ppc columns per channel.
// False when nothing is to be drawn: the window ends at or left of column 0 or at or past the
// right edge, covers no column (low above high), or the geometry is unusable.
bool RoiColumns(std::int32_t low, std::int32_t high, std::int32_t dispStart, int step, int ppc, int width,
                ColumnSpan& span);

}  // namespace ztmca
