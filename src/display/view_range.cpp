#include "display/view_range.h"

namespace ztmca {
namespace {

struct RangeShape {
    bool Valid = false;
    int Step = 0;       // channels per column, 0 when expanded
    int Ppc = 0;        // columns per channel when expanded
    int MaxExpand = 0;  // M = 4 * (N div W)
};

RangeShape ShapeOf(const ViewRange& range, int width, int memory) {
    RangeShape s;
    const std::int64_t n = static_cast<std::int64_t>(range.EndCh) - range.StartCh + 1;
    if (n < 1 || width < 1) return s;
    s.Valid = true;
    s.Step = static_cast<int>(n / width);
    if (s.Step == 0) s.Ppc = static_cast<int>(width / n);
    s.MaxExpand = 4 * (memory / width);
    return s;
}

std::int32_t NotNegative(std::int64_t v) { return static_cast<std::int32_t>(v < 0 ? 0 : v); }

}  // namespace

void ExpandRange(ViewRange& r, int width, int memory) {
    const RangeShape s = ShapeOf(r, width, memory);
    if (!s.Valid || s.Step >= s.MaxExpand) return;
    if (s.Step == 0) {
        const int p = 2 * s.Ppc;
        if (p > s.MaxExpand) return;
        const int half = (width / p) / 2;
        r.StartCh = NotNegative(static_cast<std::int64_t>(r.CursorCh) - half);
        r.EndCh = static_cast<std::int32_t>(static_cast<std::int64_t>(r.CursorCh) + half - 1);
        if (r.EndCh >= memory) {
            r.EndCh = memory - 1;
            r.StartCh = NotNegative(static_cast<std::int64_t>(memory) - width / p);
        }
    } else {
        // One channel per column halves to W / 2 channels; more per column halve the step.
        const std::int64_t channels = s.Step == 1 ? width / 2 : static_cast<std::int64_t>(width) * (s.Step / 2);
        const std::int64_t before = s.Step == 1 ? width / 4 : channels / 2;
        r.StartCh = NotNegative(static_cast<std::int64_t>(r.CursorCh) - before);
        r.EndCh = static_cast<std::int32_t>(r.StartCh + channels - 1);
        if (r.EndCh >= memory) {
            r.EndCh = memory - 1;
            r.StartCh = NotNegative(memory - channels);
        }
    }
    if (r.CursorCh < r.StartCh || r.CursorCh > r.EndCh) r.CursorCh = r.StartCh + (r.EndCh - r.StartCh + 1) / 2;
}

void CompressRange(ViewRange& r, int width, int memory) {
    const RangeShape s = ShapeOf(r, width, memory);
    if (!s.Valid || s.Step >= s.MaxExpand) return;
    std::int64_t channels = 0;
    if (s.Step == 0) {
        const int p = s.Ppc / 2;
        if (p == 0) return;
        channels = width / p;
    } else {
        channels = static_cast<std::int64_t>(width) * 2 * s.Step;
    }
    r.StartCh = NotNegative(static_cast<std::int64_t>(r.CursorCh) - channels / 2);
    const std::int64_t end = r.StartCh + channels;
    if (end >= memory) {
        r.EndCh = memory - 1;
        r.StartCh = NotNegative(memory - channels);
    } else {
        r.EndCh = static_cast<std::int32_t>(end - 1);
    }
}

bool ChannelAtColumn(std::int32_t startCh, std::int32_t endCh, int width, int column, std::int64_t& channel) {
    const std::int64_t n = static_cast<std::int64_t>(endCh) - startCh + 1;
    if (n < 1 || width < 1) return false;
    const std::int64_t perColumn = n / width;
    channel = perColumn != 0 ? startCh + static_cast<std::int64_t>(column) * perColumn
                             : startCh + column / (width / n);
    return true;
}

}  // namespace ztmca
