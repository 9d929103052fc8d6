#pragma once
// The view of the spectrum window, the vertical full-scale table and the off-screen bitmaps.
#include <array>
#include <cstdint>

#include "display/bitmap.h"

namespace ztmca {

constexpr int kPlotArrayLength = 4096;  // column arrays and captured overlay traces
constexpr int kFullScaleEntries = 23;   // index 0 and 1..22
constexpr int kMaxVfsIndex = 20;

extern const std::array<std::int32_t, kFullScaleEntries> FullScaleTable;
extern const std::array<const char*, kFullScaleEntries> FullScaleLabels;

// The smallest index 1..22 whose full scale exceeds max, capped at 20.
int FindFullScaleIndex(std::int64_t max);

struct DisplayState {
    std::int32_t DispStartCh = 0;
    std::int32_t DispEndCh = 1023;
    std::int32_t CursorCh = 512;
    std::int32_t VfsIndex = 1;
    std::int32_t LogScale = 1;
    std::int32_t LineMode = 1;
    std::int32_t VfsOffsetOn = 0;
    std::int32_t VfsOffset = 0;
    std::int32_t VfsOffsetStep = 0;
    std::int32_t RedrawNeeded = 1;
    Colour BackColor = colours::kBlack;
    Colour TextColor = colours::kWhite;
    Colour DataColor = colours::kGreen;
    std::array<std::int32_t, 3> OverlapOn{};
    std::array<std::array<std::int32_t, kPlotArrayLength>, 3> OverlayTop{};
    std::array<std::array<std::int32_t, kPlotArrayLength>, 3> OverlayBottom{};
    std::array<std::int32_t, 3> OverlayColumns{};  // columns captured (the plot width at capture)
    std::int32_t LogOffset = 0;                     // counts subtracted before the log scale: 0, 10 or 100
    std::int32_t PlotX0 = 18;
    std::int32_t PlotY0 = 0;
    std::int32_t AxisStripY = 300;
};

// Per-column and per-channel y values of the last full redraw. The per-channel arrays cover the
// whole 8192-channel memory so the dot trace of an MCS memory never runs past them.
struct PlotArrays {
    std::array<std::int32_t, kPlotArrayLength> ColumnTop{};
    std::array<std::int32_t, kPlotArrayLength> ColumnBottom{};
    std::array<std::int32_t, 8192> ChannelYLog{};
    std::array<std::int32_t, 8192> ChannelYLin{};
};

// Normal layout 512 x 300 plot in a 530 x 320 paint box; large layout 1024 x 600 in 1050 x 620.
struct DisplayBitmaps {
    Bitmap PlotBitmap{1024, 600, 512, 300};
    Bitmap PlotBackground{1024, 600, 512, 300};
    Bitmap PlotBlank{1024, 600, 512, 300};
    Bitmap ScaleStrip{26, 600, 15, 300};
    Bitmap ScaleStripBlank{26, 600, 15, 300};
    Bitmap ChannelStrip{1024, 20, 512, 20};
    Bitmap ChannelStripBlank{1024, 20, 512, 20};
    Bitmap BackFillNormal{512, 300, 512, 300};
    Bitmap BackFillLarge{1024, 600, 1024, 600};
    // What the window shows for the paint box: the composed picture.
    Bitmap PaintBox{1050, 620, 530, 320};
};

}  // namespace ztmca
