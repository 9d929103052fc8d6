#include "display/plot_mapping.h"

#include <algorithm>
#include <cmath>

namespace ztmca {
namespace {

// Start of the running minimum of a column: a column whose counts all lie above it keeps it.
constexpr std::int64_t kColumnMinimumStart = 16000000;

}  // namespace

ColumnMapping MapColumns(std::int32_t startCh, std::int32_t endCh, int width) {
    ColumnMapping m;
    const std::int64_t n = static_cast<std::int64_t>(endCh) - startCh + 1;
    if (n < 1 || width < 1) return m;
    m.Valid = true;
    m.Step = static_cast<int>(n / width);
    if (m.Step == 0) {
        m.Ppc = static_cast<int>(width / n);
        m.Step = -m.Ppc;
    }
    return m;
}

std::int64_t ReducedCount(std::int32_t count, const CountScale& scale) {
    if (!scale.Reduce) return count;
    return std::max<std::int64_t>(static_cast<std::int64_t>(count) - scale.Subtract, 0);
}

std::int64_t HeightOf(std::int64_t value, const CountScale& scale) {
    if (scale.Log) {
        if (value < 1) return 0;
        return static_cast<std::int64_t>(std::log10(static_cast<double>(value) + 0.5) * scale.Decade);
    }
    return static_cast<std::int64_t>(scale.Height) * value / scale.FullScale;
}

int RowOf(std::int64_t height, int plotHeight) {
    return static_cast<int>(std::clamp<std::int64_t>(plotHeight - height, 0, plotHeight - 1));
}

void FillColumns(std::span<const std::int32_t> counts, std::int32_t startCh, int width,
                 const ColumnMapping& mapping, const CountScale& scale, bool dots, PlotArrays& plot) {
    const int h = scale.Height;
    const std::int64_t channels = static_cast<std::int64_t>(std::min(counts.size(), plot.ChannelYLog.size()));
    auto countAt = [&](std::int64_t ch) -> std::int64_t {
        return ch >= 0 && ch < channels ? ReducedCount(counts[static_cast<std::size_t>(ch)], scale) : 0;
    };
    const int columns = std::min(width, kPlotArrayLength);
    if (mapping.Step < 0) {
        for (int x = 0; x < columns; ++x) {
            const int y = RowOf(HeightOf(countAt(static_cast<std::int64_t>(startCh) + x / mapping.Ppc), scale), h);
            plot.ColumnTop[x] = y;
            plot.ColumnBottom[x] = y;
        }
        return;
    }
    auto& rows = scale.Log ? plot.ChannelYLog : plot.ChannelYLin;
    for (int x = 0; x < columns; ++x) {
        const std::int64_t first = static_cast<std::int64_t>(mapping.Step) * x + startCh;
        std::int64_t maximum = 0;
        std::int64_t minimum = kColumnMinimumStart;
        for (int j = 0; j < mapping.Step; ++j) {
            const std::int64_t ch = first + j;
            const std::int64_t v = countAt(ch);
            if (v >= maximum) maximum = v;
            if (v <= minimum) minimum = v;
            if (dots && ch >= 0 && ch < channels) {
                // Log rows above the plot stay above it (-1) and are clipped when drawn.
                const std::int64_t y = h - HeightOf(v, scale);
                rows[static_cast<std::size_t>(ch)] =
                    static_cast<std::int32_t>(std::clamp<std::int64_t>(y, scale.Log ? -1 : 0, h - 1));
            }
        }
        plot.ColumnTop[x] = RowOf(HeightOf(maximum, scale), h);
        plot.ColumnBottom[x] = RowOf(HeightOf(minimum, scale), h);
    }
}

}  // namespace ztmca
