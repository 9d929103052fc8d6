// Colour schemes, the "Config.." page, page tabs and the two window layouts.
#include <cmath>

#include "form_fixture.h"

namespace ztmca::testing {
namespace {

using Scheme = FormFixture;

TEST_F(Scheme, ColorSetAlternatesTheLightAndDarkSchemes) {
    DisplayState& d = form->Display;
    form->Click("Button2");
    EXPECT_EQ(d.BackColor, colours::kWhite);
    EXPECT_EQ(d.TextColor, colours::kBlack);
    EXPECT_EQ(PlotPixel(400, 240), colours::kWhite);
    EXPECT_EQ(form->Bitmaps.ChannelStrip.Pixel(3, 1), colours::kWhite);
    EXPECT_EQ(form->Bitmaps.ChannelStrip.Pixel(3, 2), colours::kButtonFace);
    EXPECT_GT(CountInPlot(colours::kGreen), 0);  // the trace is redrawn at once
    form->Click("Button2");
    EXPECT_EQ(d.BackColor, colours::kBlack);
    EXPECT_EQ(d.TextColor, colours::kWhite);
    EXPECT_EQ(PlotPixel(400, 240), colours::kBlack);
    EXPECT_EQ(form->Bitmaps.ChannelStrip.Pixel(3, 1), colours::kBlack);
}

TEST_F(Scheme, ColourBoxesSetTheTraceAndTheBackgroundWithReadableTexts) {
    const Control& data = (*form)["ColorBox1"];
    EXPECT_EQ(data.Color, colours::kGreen);
    form->SelectItem("ColorBox1", 9);  // red
    EXPECT_EQ(form->Display.DataColor, colours::kRed);
    EXPECT_EQ(PlotPixel(300, form->Plot.ColumnBottom[300]), colours::kRed);
    EXPECT_EQ(CountInPlot(colours::kGreen), 0);

    form->SelectItem("ColorBox2", 4);  // navy: white texts
    EXPECT_EQ(form->Display.BackColor, 0x800000u);
    EXPECT_EQ(form->Display.TextColor, colours::kWhite);
    EXPECT_EQ(PlotPixel(400, 240), 0x800000u);
    form->SelectItem("ColorBox2", 11);  // yellow: black texts
    EXPECT_EQ(form->Display.TextColor, colours::kBlack);
    host.texts.clear();
    form->Click("Button2");  // black texts in force: back to the dark scheme
    EXPECT_EQ(form->Display.BackColor, colours::kBlack);
    EXPECT_EQ((*form)["ColorBox2"].Color, colours::kBlack);
}

TEST_F(Scheme, LogOffsetLowersEveryCountOnTheLogScaleOnly) {
    SetCounts(10);
    Redraw();
    EXPECT_EQ(form->Plot.ColumnTop[100], 249);
    form->Click("LogOfset10");
    EXPECT_EQ(form->Display.LogOffset, 10);
    EXPECT_EQ(form->Plot.ColumnTop[100], 299);
    form->Click("LogOfset100");
    SetCounts(110);
    Redraw();
    EXPECT_EQ(form->Plot.ColumnTop[100], 249);
    // The linear scale shows the counts as they are.
    form->Display.VfsIndex = 1;
    form->DrawLinearAxis(true);
    Redraw();
    EXPECT_EQ(form->Plot.ColumnTop[100], 0);
    form->Click("LogOfset0");
    form->DrawLogAxis(true);
    Redraw();
    EXPECT_EQ(form->Plot.ColumnTop[100], 300 - 102);
}

TEST_F(Scheme, PageTabsAreHighlightedAndTheMcsPageStaysVisible) {
    auto highlighted = [&](std::initializer_list<const char*> tabs) {
        std::string out;
        for (const char* tab : tabs) out += (*form)[tab].Highlighted ? '1' : '0';
        return out;
    };
    form->SelectItem("AXFM", 0);
    EXPECT_EQ(highlighted({"SXFM", "VOZE", "ROISet"}), "100");
    EXPECT_TRUE((*form)["SXFM"].Visible);
    // The "View Bank" buttons only show the bank; choosing one changes nothing else.
    OpenInstrument();
    form->SetChecked("MemBank1", true);
    EXPECT_TRUE(t.writes.empty());
    EXPECT_EQ(form->Display.RedrawNeeded, 0);
    form->SelectItem("AXFM", 1);
    EXPECT_EQ(highlighted({"SXFM", "VOZE", "ROISet"}), "010");
    EXPECT_TRUE((*form)["MemBank0"].Checked);
    EXPECT_FALSE((*form)["MemBank1"].Checked);
    EXPECT_EQ((*form)["MemBank0"].Color, colours::kCyan);
    EXPECT_EQ((*form)["MemBank1"].Color, colours::kSilver);
    EXPECT_EQ((*form)["Edit12"].Color, colours::kCyan);
    form->SelectItem("AXFM", 2);
    EXPECT_EQ(highlighted({"SXFM", "VOZE", "ROISet"}), "001");
    for (int page : {0, 2, 1}) {
        form->SelectItem("MISC", page);
        std::string expected = "000";
        expected[page] = '1';
        EXPECT_EQ(highlighted({"ECAL", "PRTX", "CONF"}), expected);
    }
}

using Layouts = FormFixture;

TEST_F(Layouts, MaximizeAndRestoreSwitchTheTwoLayouts) {
    form->Resize(WindowState::Normal);  // the window opening
    EXPECT_EQ(Text("Edit1"), "Normal");
    EXPECT_EQ(form->Bitmaps.PlotBitmap.Width(), 512);

    form->Resize(WindowState::Normal);  // leaving the normal state: maximized
    EXPECT_TRUE(form->LargeLayout);
    EXPECT_EQ(Text("Edit1"), "Maximized");
    EXPECT_EQ((*form)["PaintBox1"].Width, 1050);
    EXPECT_EQ((*form)["PaintBox1"].Height, 620);
    EXPECT_EQ(form->Bitmaps.PaintBox.Width(), 1050);
    EXPECT_EQ(form->Bitmaps.PlotBitmap.Width(), 1024);
    EXPECT_EQ(form->Bitmaps.PlotBitmap.Height(), 600);
    EXPECT_EQ(form->Bitmaps.ScaleStrip.Width(), 26);
    EXPECT_EQ(form->Bitmaps.ChannelStrip.Width(), 1024);
    EXPECT_EQ(form->Display.PlotX0, 26);
    EXPECT_EQ(form->Display.AxisStripY, 600);
    EXPECT_EQ((*form)["Label7"].Top, 685);
    EXPECT_EQ((*form)["Label2"].Left, 1020);
    EXPECT_FALSE((*form)["DevID1"].Visible);
    // One channel per column, decades of 100 pixels: channel 100 of the ramp on row 600 - 200.
    EXPECT_EQ(form->Geometry.Step, 1);
    EXPECT_EQ(form->Plot.ColumnTop[100], 400);
    EXPECT_EQ(PlotPixel(100, 400), colours::kGreen);
    // Cursor marker above channel 512: 600 - trunc(log10(512.5) x 100) = 330.
    EXPECT_EQ(PlotPixel(512, 329), colours::kRed);
    EXPECT_EQ(PlotPixel(512, 305), colours::kRed);

    form->Resize(WindowState::Minimized);  // leaving minimized keeps the layout
    EXPECT_TRUE(form->LargeLayout);
    EXPECT_EQ(Text("Edit1"), "Maximized");

    form->Resize(WindowState::Maximized);  // restore
    EXPECT_FALSE(form->LargeLayout);
    EXPECT_EQ(Text("Edit1"), "Normal");
    EXPECT_EQ(form->Bitmaps.PlotBitmap.Width(), 512);
    EXPECT_EQ(form->Bitmaps.PaintBox.Width(), 530);
    EXPECT_EQ(form->Display.PlotX0, 18);
    EXPECT_EQ((*form)["Label7"].Top, 385);
    EXPECT_EQ((*form)["Label1"].Left, 20);
    EXPECT_EQ(form->Plot.ColumnTop[50], 300 - static_cast<int>(std::log10(101.5) * 50));
}

TEST_F(Layouts, TheColourSchemeSurvivesALayoutChange) {
    form->Resize(WindowState::Normal);
    form->Click("Button2");
    form->Resize(WindowState::Normal);
    EXPECT_EQ(PlotPixel(800, 450), colours::kWhite);
    EXPECT_EQ(form->Bitmaps.ChannelStrip.Pixel(705, 0), colours::kWhite);
    form->Resize(WindowState::Maximized);
    EXPECT_EQ(PlotPixel(400, 240), colours::kWhite);
}

}  // namespace
}  // namespace ztmca::testing
