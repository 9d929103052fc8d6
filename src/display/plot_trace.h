#pragma once
// The trace, the captured overlay traces and the cursor marker on the plot bitmap.
#include <cstdint>
#include <span>

#include "display/bitmap.h"
#include "display/display_state.h"
#include "display/plot_mapping.h"

namespace ztmca {

constexpr int kCursorMarkerLength = 25;

// Compressed views: a bar from each column's minimum to its maximum, joined minimum to minimum.
// Expanded views: a staircase through the column tops.
void DrawLineTrace(Bitmap& plot, const PlotArrays& arrays, const ColumnMapping& mapping, int width,
                   Colour colour);

// One pixel per channel (compressed) or per column (expanded). Channels outside the memory
// (channels >= memoryChannels or below 0) lie on the bottom row.
void DrawDotTrace(Bitmap& plot, const PlotArrays& arrays, const ColumnMapping& mapping, std::int32_t startCh,
                  int width, int memoryChannels, bool log, Colour colour);

// A captured trace of `columns` columns, drawn as the compressed line trace.
void DrawOverlay(Bitmap& plot, std::span<const std::int32_t> top, std::span<const std::int32_t> bottom,
                 int columns, Colour colour);

// Where the cursor marker stands: Column indexes ColumnTop, X is the marker's pixel column.
struct CursorMarker {
    bool Shown = false;
    int Column = 0;
    int X = 0;
};

CursorMarker CursorMarkerAt(const ColumnMapping& mapping, std::int32_t cursorCh, std::int32_t startCh, int width);
void DrawCursorMarker(Bitmap& plot, const PlotArrays& arrays, const CursorMarker& marker, Colour colour);

}  // namespace ztmca
