// The plot redraw: columns, read-outs, title, ROIs, trace, overlays, cursor marker, composition.
#include <algorithm>
#include <cstdio>
#include <span>
#include <string_view>

#include "app/main_form.h"
#include "display/plot_mapping.h"
#include "display/plot_trace.h"
#include "display/view_helpers.h"

namespace ztmca {
namespace {

constexpr Colour kReadoutColour = colours::kCyan;
constexpr Colour kAcquiringColour = colours::kRed;
constexpr Colour kCursorColour = colours::kRed;
// Captured traces of WK1, WK2 and WK3.
constexpr Colour kOverlayColours[3] = {colours::kYellow, colours::kMagenta, colours::kOrange};

std::string_view Formatted(char (&buffer)[64], const char* format, double value) {
    const int length = std::snprintf(buffer, sizeof buffer, format, value);
    return {buffer, static_cast<std::size_t>(std::clamp(length, 0, static_cast<int>(sizeof buffer) - 1))};
}

void DrawReadouts(MainForm& form) {
    AppState& s = form.State;
    TextRenderer& text = form.Host();
    Bitmap& plot = form.Bitmaps.PlotBitmap;
    char buffer[64];
    text.DrawTextEndingAt(plot, 175, 5, Formatted(buffer, "%8.1f", s.Acq.PresetTimeShown * 0.1), kReadoutColour);
    text.DrawTextEndingAt(plot, 175, 18, Formatted(buffer, "%8.1f", s.Acq.RealTime * 0.1), kReadoutColour);
    text.DrawTextEndingAt(plot, 275, 5, Formatted(buffer, "%8.1f", s.Acq.DeadTimeShown * 0.1), kReadoutColour);
    text.DrawTextEndingAt(plot, 275, 18, Formatted(buffer, "%8.1f", s.Acq.LiveTime * 0.1), kReadoutColour);
    if (s.Acq.Acquiring == 0) s.Memory.CountRate = 0.0f;
    text.DrawTextEndingAt(plot, 375, 5, Formatted(buffer, "%8.2f", s.Memory.CountRate * 0.001), kReadoutColour);
    text.DrawTextEndingAt(plot, 375, 18, Formatted(buffer, "%8.2f", s.Memory.TotalCounts * 0.001), kReadoutColour);
}

void DrawScaleLabels(MainForm& form) {
    const DisplayState& d = form.Display;
    if (d.LogScale == 1) return;
    TextRenderer& text = form.Host();
    Bitmap& plot = form.Bitmaps.PlotBitmap;
    text.DrawText(plot, 10, 18, FullScaleLabels[static_cast<std::size_t>(d.VfsIndex)], d.TextColor);
    if (d.VfsOffsetOn == 1) {
        char buffer[32];
        const int length = std::snprintf(buffer, sizeof buffer, "(%4dK)", d.VfsOffset / 1000);
        text.DrawText(plot, 4, 31, std::string_view(buffer, static_cast<std::size_t>(std::clamp(length, 0, 31))),
                      d.TextColor);
    }
}

void DrawTitle(MainForm& form) {
    TextRenderer& text = form.Host();
    Bitmap& plot = form.Bitmaps.PlotBitmap;
    if (form.State.Acq.Acquiring == 1)
        text.DrawText(plot, 50, 5, "  * ACQ *", kAcquiringColour);
    else
        text.DrawText(plot, 50, 5, form.State.Memory.CurrentName, form.Display.TextColor);
}

void DrawOverlays(MainForm& form) {
    const DisplayState& d = form.Display;
    for (std::size_t k = 0; k < d.OverlapOn.size(); ++k) {
        if (d.OverlapOn[k] != 1) continue;
        DrawOverlay(form.Bitmaps.PlotBitmap, d.OverlayTop[k], d.OverlayBottom[k],
                    std::min(d.OverlayColumns[k], form.Bitmaps.PlotBitmap.Width()), kOverlayColours[k]);
    }
}

}  // namespace

void MainForm::PaintBox1Paint() {
    DisplayState& d = Display;
    Bitmap& plot = Bitmaps.PlotBitmap;
    const int w = plot.Width(), h = plot.Height();
    // Indices outside the table (a status block may carry any value) are kept to its ends.
    d.VfsIndex = std::clamp(d.VfsIndex, 1, kFullScaleEntries - 1);
    const ColumnMapping mapping = MapColumns(d.DispStartCh, d.DispEndCh, w);
    Geometry.W = w;
    Geometry.H = h;
    if (mapping.Valid) {
        Geometry.Step = mapping.Step;
        Geometry.Ppc = mapping.Ppc;
    }
    const std::span<const std::int32_t> counts(State.Memory.MainCounts.data(),
                                               static_cast<std::size_t>(MemoryChannels(*this)));

    if (d.RedrawNeeded == 1) {
        CountScale scale;
        scale.Log = d.LogScale == 1;
        scale.Height = h;
        scale.Decade = h / 6;
        scale.FullScale = FullScaleTable[static_cast<std::size_t>(d.VfsIndex)];
        scale.Reduce = d.VfsOffsetOn == 1 || (scale.Log && d.LogOffset > 0);
        scale.Subtract = (d.VfsOffsetOn == 1 ? static_cast<std::int64_t>(d.VfsOffset) : 0) +
                         (scale.Log ? d.LogOffset : 0);
        const bool dots = d.LineMode == 0;
        if (mapping.Valid) {
            FillColumns(counts, d.DispStartCh, w, mapping, scale, dots, Plot);
        } else {
            std::fill_n(Plot.ColumnTop.begin(), std::min(w, kPlotArrayLength), h - 1);
            std::fill_n(Plot.ColumnBottom.begin(), std::min(w, kPlotArrayLength), h - 1);
        }
        plot.CopyFrom(Bitmaps.PlotBackground);
        if (PhaMode(*this)) DrawReadouts(*this);
        DrawScaleLabels(*this);
        DrawTitle(*this);
        // A range without channels shows no ROI marks and no trace.
        if (mapping.Valid) {
            if (PhaMode(*this)) RoiStep();
            if (dots)
                DrawDotTrace(plot, Plot, mapping, d.DispStartCh, w, MemoryChannels(*this), scale.Log, d.DataColor);
            else
                DrawLineTrace(plot, Plot, mapping, w, d.DataColor);
        }
        DrawOverlays(*this);
        d.RedrawNeeded = 0;
    }

    ShowCursorCounts(*this);
    DrawCursorMarker(plot, Plot, CursorMarkerAt(mapping, d.CursorCh, d.DispStartCh, w), kCursorColour);
    ComposePlot();
}

void MainForm::RequestRedraw(bool redrawNeeded) {
    if (redrawNeeded) Display.RedrawNeeded = 1;
    PaintBox1Paint();
}

}  // namespace ztmca
