// Start-up of the display, the axis images and the composition onto the paint box.
#include "app/main_form.h"
#include "display/axis_drawing.h"
#include "display/view_helpers.h"

namespace ztmca {
namespace {

constexpr int kScaleStripX = 3;

void ResetView(DisplayState& d) {
    // Field by field: the record holds the overlay captures and is too large for a temporary.
    d.DispStartCh = 0;
    d.DispEndCh = 1023;
    d.CursorCh = 512;
    d.VfsIndex = 1;
    d.LogScale = 1;
    d.LineMode = 1;
    d.VfsOffsetOn = 0;
    d.VfsOffset = 0;
    d.VfsOffsetStep = 0;
    d.RedrawNeeded = 1;
    d.BackColor = colours::kBlack;
    d.TextColor = colours::kWhite;
    d.DataColor = colours::kGreen;
    d.OverlapOn = {};
    for (auto& column : d.OverlayTop) column.fill(0);
    for (auto& column : d.OverlayBottom) column.fill(0);
    d.OverlayColumns = {};
    d.LogOffset = 0;
    d.PlotX0 = 18;
    d.PlotY0 = 0;
    d.AxisStripY = 300;
}

}  // namespace

void MainForm::DisplayStartup() {
    DisplayBitmaps& b = Bitmaps;
    b.PlotBitmap.Resize(512, 300);
    b.PlotBackground.Resize(512, 300);
    b.PlotBlank.Resize(512, 300);
    b.ScaleStrip.Resize(15, 300);
    b.ScaleStripBlank.Resize(15, 300);
    b.ChannelStrip.Resize(512, 20);
    b.ChannelStripBlank.Resize(512, 20);
    b.PaintBox.Resize((*this)["PaintBox1"].Width, (*this)["PaintBox1"].Height);
    // Uncovered parts of the paint box look like the window around it.
    b.PaintBox.Fill(colours::kButtonFace);

    const Colour back = Display.BackColor;
    b.BackFillLarge.Fill(back);
    b.BackFillNormal.Fill(back);
    b.PlotBitmap.CopyFrom(b.BackFillNormal);
    b.PlotBackground.CopyFrom(b.BackFillNormal);
    b.PlotBlank.CopyFrom(b.BackFillNormal);
    b.ScaleStrip.Fill(colours::kButtonFace);
    b.ScaleStripBlank.Fill(colours::kButtonFace);
    for (Bitmap* strip : {&b.ChannelStrip, &b.ChannelStripBlank}) {
        strip->Fill(colours::kButtonFace);
        strip->FillRow(0, back);
        strip->FillRow(1, back);
    }
    ResetView(Display);
    DrawLogAxis(true);
    ComposePlot();
    // The window's first paint: the ramp of the start-up memories with the cursor marker.
    PaintBox1Paint();
}

void MainForm::DrawLogAxis(bool full) {
    Display.LogScale = 1;
    DrawChannelAxis();
    DrawLogScaleStrip(Bitmaps.ScaleStrip, Bitmaps.ScaleStripBlank, Bitmaps.PlotBitmap.Height(), Host());
    if (full) {
        DrawPlotBackground(Bitmaps.PlotBackground, Bitmaps.PlotBlank,
                           {true, PhaMode(*this), Display.TextColor}, Host());
        Bitmaps.PlotBitmap.CopyFrom(Bitmaps.PlotBackground);
    }
    ComposePlot();
}

void MainForm::DrawLinearAxis(bool full) {
    Display.LogScale = 0;
    DrawChannelAxis();
    DrawLinearScaleStrip(Bitmaps.ScaleStrip, Bitmaps.ScaleStripBlank, Bitmaps.PlotBitmap.Height());
    if (full) {
        DrawPlotBackground(Bitmaps.PlotBackground, Bitmaps.PlotBlank,
                           {false, PhaMode(*this), Display.TextColor}, Host());
        Bitmaps.PlotBitmap.CopyFrom(Bitmaps.PlotBackground);
    }
    ComposePlot();
}

void MainForm::DrawChannelAxis() {
    DrawChannelTicks(Bitmaps.ChannelStrip, Bitmaps.ChannelStripBlank, Display.DispStartCh, Display.DispEndCh);
    Bitmaps.PaintBox.Draw(Bitmaps.ChannelStrip, Display.PlotX0, Display.AxisStripY);
}

void MainForm::ComposePlot() {
    // The scale strip goes first: in the large layout it is wider than the gap left of the plot,
    // and the plot must stay whole.
    Bitmaps.PaintBox.Draw(Bitmaps.ScaleStrip, kScaleStripX, 0);
    Bitmaps.PaintBox.Draw(Bitmaps.PlotBitmap, Display.PlotX0, Display.PlotY0);
    Bitmaps.PaintBox.Draw(Bitmaps.ChannelStrip, Display.PlotX0, Display.AxisStripY);
}

}  // namespace ztmca
