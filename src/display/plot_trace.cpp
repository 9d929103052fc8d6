#include "display/plot_trace.h"

#include <algorithm>

namespace ztmca {

void DrawLineTrace(Bitmap& plot, const PlotArrays& arrays, const ColumnMapping& mapping, int width,
                   Colour colour) {
    const int columns = std::min(width, kPlotArrayLength);
    if (columns <= 0) return;
    plot.SetPen(colour);
    plot.MoveTo(0, arrays.ColumnBottom[0]);
    for (int x = 0; x < columns; ++x) {
        if (mapping.Step >= 1) plot.LineTo(x, arrays.ColumnBottom[x]);
        plot.LineTo(x, arrays.ColumnTop[x]);
        plot.MoveTo(x, arrays.ColumnBottom[x]);
    }
}

void DrawDotTrace(Bitmap& plot, const PlotArrays& arrays, const ColumnMapping& mapping, std::int32_t startCh,
                  int width, int memoryChannels, bool log, Colour colour) {
    const int columns = std::min(width, kPlotArrayLength);
    if (mapping.Step < 1) {
        for (int x = 0; x < columns; ++x) plot.SetPixel(x, arrays.ColumnTop[x], colour);
        return;
    }
    const auto& rows = log ? arrays.ChannelYLog : arrays.ChannelYLin;
    const std::int64_t channels = std::min<std::int64_t>(memoryChannels, static_cast<std::int64_t>(rows.size()));
    const int bottom = plot.Height() - 1;
    for (int x = 0; x < columns; ++x) {
        const std::int64_t first = static_cast<std::int64_t>(mapping.Step) * x + startCh;
        for (int j = 0; j < mapping.Step; ++j) {
            const std::int64_t ch = first + j;
            const int y = ch >= 0 && ch < channels ? rows[static_cast<std::size_t>(ch)] : bottom;
            plot.SetPixel(x, y, colour);
        }
    }
}

void DrawOverlay(Bitmap& plot, std::span<const std::int32_t> top, std::span<const std::int32_t> bottom,
                 int columns, Colour colour) {
    const int n = std::min({columns, static_cast<int>(top.size()), static_cast<int>(bottom.size())});
    if (n <= 0) return;
    plot.SetPen(colour);
    plot.MoveTo(0, bottom[0]);
    for (int x = 0; x < n; ++x) {
        plot.LineTo(x, bottom[x]);
        plot.LineTo(x, top[x]);
        plot.MoveTo(x, bottom[x]);
    }
}

CursorMarker CursorMarkerAt(const ColumnMapping& mapping, std::int32_t cursorCh, std::int32_t startCh, int width) {
    CursorMarker m;
    if (!mapping.Valid) return m;
    const std::int64_t offset = static_cast<std::int64_t>(cursorCh) - startCh;
    const std::int64_t column = mapping.Step > 0 ? offset / mapping.Step : offset * mapping.Ppc;
    // The first column and columns outside the plot get no marker.
    if (column <= 0 || column >= width || column >= kPlotArrayLength) return m;
    m.Shown = true;
    m.Column = static_cast<int>(column);
    m.X = mapping.Step > 0 ? m.Column : m.Column + mapping.Ppc / 2;
    return m;
}

void DrawCursorMarker(Bitmap& plot, const PlotArrays& arrays, const CursorMarker& marker, Colour colour) {
    if (!marker.Shown) return;
    const int top = arrays.ColumnTop[marker.Column];
    plot.SetPen(colour);
    plot.MoveTo(marker.X, top - kCursorMarkerLength);
    plot.LineTo(marker.X, top);
}

}  // namespace ztmca
