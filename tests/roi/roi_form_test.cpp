#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "app/main_form.h"
#include "support/fake_host.h"
#include "support/recording_transport.h"

namespace ztmca {
namespace {

using testing::FakeHost;
using testing::RecordingTransport;

class RoiForm : public ::testing::Test {
protected:
    void SetUp() override {
        form = std::make_unique<MainForm>(host, t);
        form->State.Acq.DeviceOpened = 1;
        form->Link.HandleSlots[0] = 1;
    }

    // Standard colour box items: 9 red, 10 lime, 12 blue (the start selection).
    void SwitchOn(int roi, const char* low, const char* high, const char* element = "Fe-Ka", int colourItem = 12) {
        form->SelectItem("ROINoSelect", roi);
        form->SelectItem("ROIColor", colourItem);
        form->EnterText("EditROILow", low);
        form->EnterText("EditROIHigh", high);
        form->EnterText("Element", element);
        if ((*form)["ROIOnCheck"].Checked) form->Click("ROIOnCheck");
        form->Click("ROIOnCheck");
    }

    std::string Edit1() { return (*form)["Edit1"].Text; }

    FakeHost host;
    RecordingTransport t;
    std::unique_ptr<MainForm> form;
};

TEST_F(RoiForm, SwitchingOnStoresTheWindowAndSendsOnlyRoiOne) {
    SwitchOn(1, "100", "200", "Fe-Ka", 9);
    const RoiEntry& roi = form->Rois.Entries[1];
    EXPECT_EQ(roi.RoiLch, 100);
    EXPECT_EQ(roi.RoiHch, 200);
    EXPECT_EQ(ElementText(roi), "Fe-Ka");
    EXPECT_EQ(roi.Color, 0x0000FF);
    EXPECT_EQ(roi.Defined, 1);
    EXPECT_EQ(roi.On, 1);
    EXPECT_EQ(form->Rois.SelectedRoi, 1);
    EXPECT_EQ(roi.GrossSum, 14950);  // the full redraw integrated the ramp's channels 100..199
    EXPECT_EQ(t.writes, std::vector<std::string>{"$@R1,0100,0200;"});

    t.writes.clear();
    SwitchOn(2, "100", "200");
    SwitchOn(1, "100", "10000");  // no room for five digits: switched on, not sent
    EXPECT_TRUE(t.writes.empty());
    EXPECT_EQ(form->Rois.Entries[1].RoiHch, 10000);

    form->State.Acq.DeviceOpened = 0;
    SwitchOn(1, "100", "200");
    EXPECT_TRUE(t.writes.empty());

    form->Click("ROIOnCheck");
    EXPECT_EQ(form->Rois.Entries[1].On, 0);
    EXPECT_EQ(form->Rois.Entries[1].Defined, 1);
}

TEST_F(RoiForm, FailedConversionsStoreNothingMore) {
    // The edit boxes still show their start texts.
    form->Click("ROIOnCheck");
    EXPECT_EQ(Edit1(), "Error ! ROI LowCh");
    EXPECT_EQ(form->Rois.Entries[0].Defined, 0);
    EXPECT_EQ(form->Rois.Entries[0].On, 0);

    form->Click("ROIOnCheck");
    form->EnterText("EditROILow", "50");
    form->Click("ROIOnCheck");
    EXPECT_EQ(Edit1(), "Error ! ROI HighCh");
    EXPECT_EQ(form->Rois.Entries[0].RoiLch, 50);  // the low channel stays
    EXPECT_EQ(form->Rois.Entries[0].On, 0);

    form->EnterText("EditROILow", "5x");
    EXPECT_EQ(Edit1(), "Error ! ROI LowCh");
    form->EnterText("EditROIHigh", "99999999999");
    EXPECT_EQ(Edit1(), "Error ! ROI HighCh");
}

TEST_F(RoiForm, ElementTextIsCutToSevenCharacters) {
    SwitchOn(3, "1", "2", "Element");
    EXPECT_EQ(ElementText(form->Rois.Entries[3]), "Element");
    SwitchOn(3, "1", "2", "Molybdenum-Ka");
    EXPECT_EQ(ElementText(form->Rois.Entries[3]), "Molybde");
    EXPECT_EQ(form->Rois.Entries[3].ElementName[7], '\0');
}

TEST_F(RoiForm, SelectingShowsADefinedRoiAndClearsAnUndefinedOne) {
    SwitchOn(4, "300", "340", "Cu", 10);
    ASSERT_TRUE((*form)["ROIOnCheck"].Checked);
    form->SelectItem("ROINoSelect", 5);  // never defined
    EXPECT_FALSE((*form)["ROIOnCheck"].Checked);
    EXPECT_EQ((*form)["EditROILow"].Text, "0");
    EXPECT_EQ((*form)["EditROIHigh"].Text, "0");
    EXPECT_EQ((*form)["Element"].Text, "");
    EXPECT_EQ((*form)["ROIColor"].Color, colours::kBlue);
    EXPECT_EQ(form->Rois.SelectedRoi, 4);
    EXPECT_EQ(form->Rois.Entries[4].On, 1);  // clearing the box switched ROI # 5 off, not # 4

    form->SelectItem("ROINoSelect", 4);
    EXPECT_EQ((*form)["EditROILow"].Text, "300");
    EXPECT_EQ((*form)["EditROIHigh"].Text, "340");
    EXPECT_EQ((*form)["Element"].Text, "Cu");
    EXPECT_EQ((*form)["ROIColor"].Color, colours::kGreen);
    EXPECT_EQ(form->Rois.SelectedRoi, 4);
}

TEST_F(RoiForm, TheEmptyLastEntryActsAsNoSelection) {
    const RoiTable before = form->Rois;
    form->SelectItem("ROINoSelect", 16);
    EXPECT_EQ((*form)["EditROILow"].Text, "RoiLch");
    form->Click("ROIOnCheck");
    EXPECT_EQ(Edit1(), "Error ! ROI # Unknown");
    (*form)["ROILowCh"].Checked = true;
    form->RoiCapture(77);
    EXPECT_EQ((*form)["EditROILow"].Text, "RoiLch");
    for (int i = 0; i < kRoiCount; ++i) {
        EXPECT_EQ(form->Rois.Entries[i].Defined, before.Entries[i].Defined);
        EXPECT_EQ(form->Rois.Entries[i].RoiLch, before.Entries[i].RoiLch);
    }
}

TEST_F(RoiForm, CursorAndPlotCaptureFillTheWindow) {
    form->Display.CursorCh = 432;
    form->Click("ROILowCh");
    EXPECT_EQ((*form)["EditROILow"].Text, "432");
    EXPECT_FALSE((*form)["ROILowCh"].Checked);
    form->Display.CursorCh = 480;
    form->Click("ROIHighCh");
    EXPECT_EQ((*form)["EditROIHigh"].Text, "480");
    EXPECT_FALSE((*form)["ROIHighCh"].Checked);
    EXPECT_EQ(Edit1(), "");

    form->SelectItem("ROINoSelect", 2);
    (*form)["ROIHighCh"].Checked = true;
    form->RoiCapture(612);
    EXPECT_EQ((*form)["EditROIHigh"].Text, "612");
    EXPECT_EQ(form->Rois.Entries[2].RoiHch, 612);
    EXPECT_EQ(form->Rois.Entries[2].RoiLch, 0);
    EXPECT_EQ(form->Rois.Entries[2].Defined, 0);
}

// The redraw's ROI step on a plot of 512 columns, two channels per column, all columns at
// row 250 unless a test raises some.
class RoiStepTest : public RoiForm {
protected:
    void SetUp() override {
        RoiForm::SetUp();
        form->State.Acq.DeviceOpened = 0;
        form->State.Memory.MemorySize = 1024;
        std::fill_n(form->State.Memory.MainCounts.begin(), 1024, 10);
        form->Geometry = {512, 300, 2, 0};
        form->Display.DispStartCh = 0;
        form->Plot.ColumnTop.fill(250);
    }

    const testing::DrawnText* TextAt(int x, int y) {
        for (const auto& text : host.texts)
            if (text.X == x && text.Y == y) return &text;
        return nullptr;
    }

    Colour Pixel(int x, int y) { return form->Bitmaps.PlotBitmap.Pixel(x, y); }
};

TEST_F(RoiStepTest, WritesSumsShadesAndLabels) {
    form->State.Memory.MainCounts[105] = 1000;
    SwitchOn(0, "100", "110", "Fe-Ka", 9);
    form->Plot.ColumnTop[52] = 100;
    form->Plot.ColumnTop[53] = 100;
    host.texts.clear();
    form->RoiStep();

    EXPECT_EQ(form->Rois.Entries[0].GrossSum, 1090);
    const auto* name = TextAt(420, 5);
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(name->Text, "Fe-Ka");
    EXPECT_EQ(name->Colour, colours::kRed);
    const auto* gross = TextAt(510 - 12 * FakeHost::kGlyphWidth, 5);
    ASSERT_NE(gross, nullptr);
    EXPECT_EQ(gross->Text, "      1090.0");
    EXPECT_EQ(gross->Colour, colours::kCyan);
    const auto* net = TextAt(510 - 12 * FakeHost::kGlyphWidth, 18);
    ASSERT_NE(net, nullptr);
    EXPECT_EQ(net->Text, "       990.0");

    // Columns 50..54 shaded from row 299 up to, not onto, the column top.
    for (int x = 50; x < 55; ++x) {
        EXPECT_EQ(Pixel(x, 299), colours::kRed) << x;
        EXPECT_EQ(Pixel(x, form->Plot.ColumnTop[x] + 1), colours::kRed) << x;
        EXPECT_NE(Pixel(x, form->Plot.ColumnTop[x]), colours::kRed) << x;
    }
    EXPECT_NE(Pixel(49, 299), colours::kRed);
    EXPECT_NE(Pixel(55, 299), colours::kRed);
    // Label over the highest column, the last of equal ones.
    const auto* label = TextAt(53 - 6, 100 - 18);
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->Text, "Fe");
}

TEST_F(RoiStepTest, OnlyTheFirstTenThatAreOnAndOnlyInPhaModes) {
    SwitchOn(9, "100", "110");
    SwitchOn(10, "100", "110");
    SwitchOn(2, "100", "110");
    form->Click("ROIOnCheck");  // ROI # 2 off again
    host.texts.clear();
    form->RoiStep();
    ASSERT_EQ(host.texts.size(), 4u);  // name, gross, net and label of ROI # 9
    EXPECT_NE(TextAt(510 - 12 * FakeHost::kGlyphWidth, 288), nullptr);

    host.texts.clear();
    form->State.Acq.AcquisitionMode = 2;
    form->RoiStep();
    EXPECT_TRUE(host.texts.empty());
}

TEST_F(RoiStepTest, WindowsAtTheEdgesOfThePlotAndTheMemory) {
    struct Case {
        const char* low;
        const char* high;
        int firstShaded;  // -1: no shading and no label
        const char* gross;
    } cases[] = {
        {"1000", "1030", -1, "       240.0"},  // runs off the right edge; only channels < 1024
        {"-20", "10", 0, "       100.0"},    // starts left of the display
        {"110", "100", -1, "         0.0"},  // L above R
        {"2000", "2100", -1, "         0.0"},  // wholly past the memory
    };
    // Channels past the memory in use must never count.
    std::fill(form->State.Memory.MainCounts.begin() + 1024, form->State.Memory.MainCounts.end(), 1000000);
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.low << ".." << c.high);
        form->Bitmaps.PlotBitmap.Fill(colours::kBlack);
        SwitchOn(0, c.low, c.high, "Ag");
        host.texts.clear();
        form->RoiStep();
        ASSERT_GE(host.texts.size(), 3u);
        EXPECT_EQ(host.texts[1].Text, c.gross);
        EXPECT_EQ(host.texts.size(), c.firstShaded < 0 ? 3u : 4u);
        if (c.firstShaded >= 0) {
            EXPECT_EQ(Pixel(c.firstShaded, 299), colours::kBlue);
        }
    }
}

TEST_F(RoiStepTest, ExpandedViewShadesWholeChannels) {
    SwitchOn(0, "110", "111");
    // The geometry of a 128-channel view from channel 100, as the redraw leaves it.
    form->Geometry = {512, 300, -4, 4};
    form->Display.DispStartCh = 100;
    form->Bitmaps.PlotBitmap.Fill(colours::kBlack);
    form->RoiStep();
    EXPECT_NE(Pixel(39, 299), colours::kBlue);
    for (int x = 40; x < 48; ++x) EXPECT_EQ(Pixel(x, 299), colours::kBlue) << x;
    EXPECT_NE(Pixel(48, 299), colours::kBlue);
}

}  // namespace
}  // namespace ztmca
