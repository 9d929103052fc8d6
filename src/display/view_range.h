#pragma once
// Expanding and compressing the display range around the cursor.
#include <cstdint>

namespace ztmca {

struct ViewRange {
    std::int32_t StartCh = 0;
    std::int32_t EndCh = 0;
    std::int32_t CursorCh = 0;
};

// Halves the range around the cursor, down to 4 * (memory div width) columns per channel.
// width is the plot width W, memory the memory size N. A range without channels stays as it is.
void ExpandRange(ViewRange& range, int width, int memory);
// Doubles the range around the cursor, limited to the memory. A range with exactly one column
// per channel cannot be halved into whole columns and stays as it is.
void CompressRange(ViewRange& range, int width, int memory);

// The channel under a plot column (column = pointer x - PlotX0, may lie outside the plot) for the
// range startCh .. endCh on a plot of the given width. False for a range without channels.
bool ChannelAtColumn(std::int32_t startCh, std::int32_t endCh, int width, int column, std::int64_t& channel);

}  // namespace ztmca
