// The picture of the plot: start-up, read-outs, trace, overlays and the cursor marker.
#include <algorithm>
#include <cmath>

#include "form_fixture.h"

namespace ztmca::testing {
namespace {

// Row of a count on the start-up log scale (H = 300, D = 50).
int LogRow(int count) {
    if (count < 1) return 299;
    const int h = static_cast<int>(std::log10(count + 0.5) * 50);
    return std::clamp(300 - h, 0, 299);
}

using Plot = FormFixture;

TEST_F(Plot, StartUpShowsTheGreenRampOnTheLogScaleWithTheCursorMarkerAtChannel512) {
    const DisplayState& d = form->Display;
    EXPECT_EQ(d.LogScale, 1);
    EXPECT_EQ(d.RedrawNeeded, 0);
    EXPECT_EQ(form->Bitmaps.PaintBox.Width(), 530);
    EXPECT_EQ(form->Bitmaps.PaintBox.Height(), 320);
    // Each column joins the minima of its two channels 2x and 2x + 1.
    for (int x : {10, 100, 200, 300, 400, 500}) {
        EXPECT_EQ(form->Plot.ColumnBottom[x], LogRow(2 * x)) << x;
        EXPECT_EQ(form->Plot.ColumnTop[x], LogRow(2 * x + 1)) << x;
        EXPECT_EQ(PlotPixel(x, LogRow(2 * x)), colours::kGreen) << x;
    }
    // Red marker, 25 pixels above the top of column 256 (channels 512 and 513).
    const int top = LogRow(513);
    EXPECT_EQ(top, 165);
    for (int y = top - 25; y < top; ++y) EXPECT_EQ(PlotPixel(256, y), colours::kRed) << y;
    EXPECT_NE(PlotPixel(256, top - 26), colours::kRed);
    EXPECT_EQ(CountInPlot(colours::kRed), 25);
    EXPECT_EQ(Text("Label7"), "512");
    // Grid of the log scale where the trace does not pass; black background; "e0" .. "e5" strip.
    EXPECT_EQ(PlotPixel(400, 249), colours::kDarkRed);
    EXPECT_EQ(PlotPixel(400, 240), colours::kBlack);
    EXPECT_EQ(form->Bitmaps.PaintBox.Pixel(3, 299), colours::kBlack);  // decade line of the scale strip
    // Parts of the paint box that nothing covers look like the window.
    EXPECT_EQ(form->Bitmaps.PaintBox.Pixel(1, 310), colours::kButtonFace);
    EXPECT_EQ(form->Bitmaps.PaintBox.Pixel(0, 100), colours::kButtonFace);
}

TEST_F(Plot, ReadoutsEndAtTheirColumnsInCyanInPhaModes) {
    AppState& s = form->State;
    s.Acq.PresetTimeShown = 10000;
    s.Acq.RealTime = 1234;
    s.Acq.DeadTimeShown = 6;
    s.Acq.LiveTime = 987;
    s.Memory.CountRate = 5000.0f;
    s.Memory.TotalCounts = 123456.0f;
    Redraw();
    struct Case {
        int xEnd, y;
        const char* text;
    };
    const Case cases[] = {{175, 5, "  1000.0"}, {175, 18, "   123.4"}, {275, 5, "     0.6"},
                          {275, 18, "    98.7"}, {375, 5, "    0.00"}, {375, 18, "  123.46"}};
    for (const Case& c : cases) {
        const DrawnText* t = TextAt(c.xEnd - 6 * 8, c.y);
        ASSERT_NE(t, nullptr) << c.text;
        EXPECT_EQ(t->Text, c.text);
        EXPECT_EQ(t->Colour, colours::kCyan);
    }
    EXPECT_EQ(s.Memory.CountRate, 0.0f);  // not acquiring: no rate
    ASSERT_NE(TextAt(50, 5), nullptr);
    EXPECT_EQ(TextAt(50, 5)->Text, "");  // the name of the start-up memory
    EXPECT_EQ(TextAt(50, 5)->Colour, colours::kWhite);
}

TEST_F(Plot, WhileAcquiringTheTitleIsRedAndTheRateIsShown) {
    form->State.Acq.Acquiring = 1;
    form->State.Memory.CountRate = 5000.0f;
    form->State.Memory.CurrentName = "MCA";
    Redraw();
    ASSERT_NE(TextAt(50, 5), nullptr);
    EXPECT_EQ(TextAt(50, 5)->Text, "  * ACQ *");
    EXPECT_EQ(TextAt(50, 5)->Colour, colours::kRed);
    ASSERT_NE(TextAt(375 - 48, 5), nullptr);
    EXPECT_EQ(TextAt(375 - 48, 5)->Text, "    5.00");
}

TEST_F(Plot, LinearScaleShowsTheFullScaleLabelAndTheOffsetInEveryMode) {
    form->State.Acq.AcquisitionMode = 4;  // MCS: no read-outs
    form->Display.VfsIndex = 6;
    form->Display.VfsOffsetOn = 1;
    form->Display.VfsOffset = 2500;
    form->DrawLinearAxis(true);
    Redraw();
    ASSERT_NE(TextAt(10, 18), nullptr);
    EXPECT_EQ(TextAt(10, 18)->Text, "5K");
    ASSERT_NE(TextAt(4, 31), nullptr);
    EXPECT_EQ(TextAt(4, 31)->Text, "(   2K)");
    EXPECT_EQ(TextAt(175 - 48, 5), nullptr);
}

TEST_F(Plot, FullScaleIndexOutsideTheTableIsKeptToItsEnds) {
    form->DrawLinearAxis(true);
    for (const auto& [index, label] : {std::pair{0, "100"}, std::pair{-3, "100"}, std::pair{99, "1B"}}) {
        form->Display.VfsIndex = index;
        Redraw();
        ASSERT_NE(TextAt(10, 18), nullptr);
        EXPECT_EQ(TextAt(10, 18)->Text, label) << index;
    }
}

TEST_F(Plot, CursorMarkerInCompressedAndExpandedViews) {
    SetCounts(0);
    struct Case {
        int start, end, cursor;
        int x;  // -1: no marker
    };
    const Case cases[] = {
        {0, 1023, 600, 300},  // two channels per column
        {0, 127, 10, 42},     // four columns per channel: (c - start) * 4 + 2
        {64, 191, 100, 146},
        {0, 1023, 1, -1},     // first column
        {0, 127, 200, -1},    // right of the range
        {0, 127, -5, -1},
    };
    for (const Case& c : cases) {
        form->Display.DispStartCh = c.start;
        form->Display.DispEndCh = c.end;
        form->Display.CursorCh = c.cursor;
        Redraw();
        if (c.x < 0) {
            EXPECT_EQ(CountInPlot(colours::kRed), 0) << c.cursor;
            continue;
        }
        EXPECT_EQ(CountInPlot(colours::kRed), 25) << c.cursor;
        EXPECT_EQ(PlotPixel(c.x, 299 - 1), colours::kRed) << c.cursor;
        EXPECT_EQ(PlotPixel(c.x, 299 - 25), colours::kRed) << c.cursor;
    }
}

TEST_F(Plot, CursorOutsideTheMemoryShowsNoCount) {
    for (int cursor : {-1, 1024, 9000, 40000}) {
        form->Display.CursorCh = cursor;
        Redraw();
        EXPECT_EQ(Text("Label7"), "-") << cursor;
    }
    form->Display.CursorCh = 1023;
    form->RequestRedraw(false);
    EXPECT_EQ(Text("Label7"), "1023");
}

TEST_F(Plot, RangeWithoutChannelsShowsNoTraceAndNoMarker) {
    form->Display.DispStartCh = 600;
    form->Display.DispEndCh = 500;
    form->Display.CursorCh = 550;
    form->DrawLogAxis(true);
    Redraw();
    EXPECT_EQ(CountInPlot(colours::kGreen), 0);
    EXPECT_EQ(CountInPlot(colours::kRed), 0);
    EXPECT_EQ(form->Display.RedrawNeeded, 0);
}

TEST_F(Plot, ExpandedColumnsPastTheMemoryShowZeroNotTheChannelsBeyondIt) {
    SetCounts(5000);
    form->Display.LogScale = 0;
    form->Display.VfsIndex = 7;  // 10000 counts
    form->Display.DispStartCh = 1000;
    form->Display.DispEndCh = 1099;  // 5 columns per channel; 1024.. lie past the memory of 1024
    Redraw();
    EXPECT_EQ(form->Plot.ColumnTop[119], 150);
    EXPECT_EQ(form->Plot.ColumnTop[120], 299);
    EXPECT_EQ(PlotPixel(300, 299), colours::kGreen);
}

TEST_F(Plot, DotTraceOfAnMcsMemoryOf8192Channels) {
    SetCounts(0);
    form->State.Memory.MemorySize = 8192;
    form->State.Memory.MainCounts[8191] = 100000;
    form->State.Memory.MainCounts[8176] = 10;
    form->Display.DispEndCh = 8191;
    form->Display.CursorCh = 0;
    form->Display.LineMode = 0;
    Redraw();
    // Column 511 holds channels 8176 .. 8191, one dot each.
    EXPECT_EQ(PlotPixel(511, LogRow(100000)), colours::kGreen);
    EXPECT_EQ(PlotPixel(511, LogRow(10)), colours::kGreen);
    EXPECT_EQ(PlotPixel(511, 299), colours::kGreen);
    EXPECT_EQ(PlotPixel(511, 200), colours::kBlack);
}

TEST_F(Plot, LineTraceOfACompressedViewIsABarFromMinimumToMaximum) {
    SetCounts(100);
    form->State.Memory.MainCounts[401] = 1000;  // column 200
    form->Display.LogScale = 0;
    form->Display.VfsIndex = 4;  // 1000 counts
    Redraw();
    // A line-to stops short of its end: the bar runs from the minimum up to one below the maximum.
    for (int y = 1; y <= 270; ++y) EXPECT_EQ(PlotPixel(200, y), colours::kGreen) << y;
    EXPECT_EQ(PlotPixel(201, 269), colours::kBlack);
}

}  // namespace
}  // namespace ztmca::testing
