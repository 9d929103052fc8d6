#include "roi/roi_columns.h"

#include <algorithm>

namespace ztmca {

bool RoiColumns(std::int32_t low, std::int32_t high, std::int32_t dispStart, int step, int ppc, int width,
                ColumnSpan& span) {
    // 64 bits: windows typed or loaded can lie anywhere in the 32-bit range.
    const std::int64_t fromStart = static_cast<std::int64_t>(low) - dispStart;
    const std::int64_t pastEnd = static_cast<std::int64_t>(high) - dispStart + 1;
    std::int64_t x0 = 0, x1 = 0;
    if (step < 0) {
        x0 = fromStart * ppc;
        x1 = pastEnd * ppc;
    } else if (step > 0) {
        x0 = fromStart / step;
        x1 = pastEnd / step;
    } else {
        return false;
    }
    if (x1 <= 0 || x1 >= width) return false;
    x0 = std::max<std::int64_t>(x0, 0);
    if (x0 >= x1) return false;
    span.First = static_cast<int>(x0);
    span.End = static_cast<int>(x1);
    return true;
}

}  // namespace ztmca
