// The pointer, the wheel and the displayed memories.
#include <cstring>

#include "form_fixture.h"

namespace ztmca::testing {
namespace {

using Pointer = FormFixture;

TEST_F(Pointer, ClickPlacesTheCursorAndTellsTheInstrument) {
    OpenInstrument();
    form->State.Status.SetI16(status::kDispStart, 0);
    form->State.Status.SetI16(status::kDispEnd, 1023);
    struct Case {
        int x;
        std::int32_t channel;
        const char* command;
    };
    const Case cases[] = {
        {18 + 100, 200, "$@C0200;"},
        {18 + 511, 1022, "$@C1022;"},
        {5, 0, "$@C0000;"},      // left of the plot
        {1200, 1023, "$@C1023;"},  // far right: kept within the memory
    };
    for (const Case& c : cases) {
        t.writes.clear();
        form->MouseDown("PaintBox1", MouseButton::Left, c.x, 40);
        EXPECT_EQ(form->Display.CursorCh, c.channel) << c.x;
        EXPECT_EQ(Text("Label3"), std::to_string(c.channel));
        EXPECT_EQ(t.writes, std::vector<std::string>{c.command});
    }
    t.writes.clear();
    form->MouseDown("PaintBox1", MouseButton::Right, 300, 40);
    EXPECT_TRUE(t.writes.empty());
    EXPECT_EQ(form->Display.CursorCh, 1023);
}

TEST_F(Pointer, WithAnInstrumentItsDisplayWindowMapsThePointer) {
    OpenInstrument();
    form->State.Status.SetI16(status::kDispStart, 480);
    form->State.Status.SetI16(status::kDispEnd, 543);
    form->MouseDown("Form1", MouseButton::Left, 18 + 17, 40);  // 8 columns per channel
    EXPECT_EQ(form->Display.CursorCh, 482);
    // A reversed window from the instrument gives no channel; the click is ignored.
    form->State.Status.SetI16(status::kDispEnd, 100);
    t.writes.clear();
    form->MouseDown("PaintBox1", MouseButton::Left, 200, 40);
    EXPECT_EQ(form->Display.CursorCh, 482);
    EXPECT_TRUE(t.writes.empty());
}

TEST_F(Pointer, EnergyReadoutOnlyWithAValidCalibration) {
    form->MouseDown("PaintBox1", MouseButton::Left, 18 + 256, 40);
    EXPECT_EQ(Text("Label8"), "0.00");
    EXPECT_EQ(Text("Label9"), "Ch");
    form->Calibration.Valid = 1;
    form->Calibration.Gain = 0.01f;
    form->Calibration.Offset = 0.0f;
    std::strcpy(form->Calibration.Unit.data(), "keV");
    form->MouseDown("PaintBox1", MouseButton::Left, 18 + 256, 40);
    EXPECT_EQ(Text("Label8"), "    5.12");
    EXPECT_EQ(Text("Label9"), "keV");
    // The wheel moves the cursor but not the energy read-out.
    form->MouseWheel(true);
    EXPECT_EQ(Text("Label3"), "513");
    EXPECT_EQ(Text("Label8"), "    5.12");
}

TEST_F(Pointer, WheelStepsStopAtTheEndsOfTheMemory) {
    OpenInstrument();
    form->Display.CursorCh = 1;
    form->MouseWheel(false);
    form->MouseWheel(false);
    EXPECT_EQ(form->Display.CursorCh, 0);
    form->Display.CursorCh = 1022;
    form->MouseWheel(true);
    form->MouseWheel(true);
    EXPECT_EQ(form->Display.CursorCh, 1023);
    EXPECT_EQ(Text("Label7"), "1023");
    EXPECT_EQ(t.writes, (std::vector<std::string>{"$@C0000;", "$@C0000;", "$@C1023;", "$@C1023;"}));
    // A cursor from outside (a status block) comes back into the memory at the first step.
    form->Display.CursorCh = 30000;
    form->MouseWheel(true);
    EXPECT_EQ(form->Display.CursorCh, 1023);
}

using Memories = FormFixture;

TEST_F(Memories, WorkMemoryButtonsShowTheirMemoryWithItsHeader) {
    SpectrumMemory& m = form->State.Memory;
    m.WorkNames[1] = "WK2 sample";
    SpectrumHeader& h = m.WorkHeaders[1];
    h.MemorySize = 2048;
    h.LiveTime = 900;
    h.RealTime = 1000;
    h.PresetTime = 1200;
    h.CalibrationMarker = 0.0f;
    h.CalibrationGain = 0.5f;
    h.CalibrationOffset = 1.5f;
    h.RoiLch[3] = -2;
    h.RoiHch[3] = 700;
    h.RoiColor[3] = 0x00FF;
    m.WorkCounts[1].fill(7);
    m.WorkCounts[1][2047] = 99;
    m.WorkCounts[1][2048] = 55;
    form->Click("Mem2Spec");
    EXPECT_EQ(m.CurrentName, "WK2 sample");
    EXPECT_EQ(m.MainCounts[2047], 99);
    EXPECT_EQ(m.MainCounts[2048], 2048);  // past the header's memory size: the ramp stays
    EXPECT_EQ(form->State.Acq.LiveTime, 900);
    EXPECT_EQ(form->State.Acq.RealTime, 1000);
    EXPECT_EQ(form->State.Acq.PresetTimeShown, 1200);
    EXPECT_EQ(form->Calibration.Valid, 1);
    EXPECT_EQ(form->Calibration.Gain, 0.5f);
    EXPECT_EQ(form->Rois.Entries[3].RoiLch, -2);
    EXPECT_EQ(form->Rois.Entries[3].RoiHch, 700);
    EXPECT_EQ(form->Rois.Entries[3].Color, 0x00FF);
    EXPECT_EQ(Text("Label7"), "7");  // the cursor read-out at once
    EXPECT_EQ(form->Display.RedrawNeeded, 0);
}

TEST_F(Memories, McaMemoryTakesLiveTimeFromTheTotalCountsAfterTheReadOut) {
    OpenInstrument();
    form->State.Memory.LiveHeader.CalibrationMarker = 1.0f;
    form->State.Memory.CurrentName = "WK1";
    t.channels.fill(0);
    t.channels[100] = 1000000;
    t.status.SetI32(status::kRealTime, 10009);
    t.status.SetI16(status::kCountRate, 500);  // not what the live time comes from
    t.status.SetI16(status::kDispStart, 0);
    t.status.SetI16(status::kDispEnd, 511);
    t.status.SetI16(status::kCursor, 40);
    t.status.SetI16(status::kLogScale, 0);
    t.status.SetI16(status::kVfsIndex, 5);
    form->Click("MCA1Spec");
    const AcquisitionState& acq = form->State.Acq;
    EXPECT_EQ(form->State.Memory.CurrentName, "MCA");
    EXPECT_EQ(form->State.Memory.MainCounts[100], 1000000);
    // 1000 - 1 000 000 x 1.2 (single precision) x 0.00001 lies just under 988.
    EXPECT_EQ(acq.LiveTime, 987);
    EXPECT_EQ(acq.RealTime, form->State.Pha.PresetTime);
    EXPECT_EQ(form->Display.DispEndCh, 511);
    EXPECT_EQ(form->Display.CursorCh, 40);
    EXPECT_EQ(form->Display.LogScale, 0);
    EXPECT_EQ(form->Display.VfsIndex, 5);
    EXPECT_EQ(Text("Label2"), "511ch");
    EXPECT_EQ(form->Calibration.Valid, 0);
}

TEST_F(Memories, OverlapCapturesTheTraceAndDrawsItInTheMemorysColourUntilSwitchedOff) {
    form->SetChecked("Mem1Spec", true);
    form->Click("OverLapON");
    EXPECT_EQ(form->Display.OverlapOn[0], 1);
    // The live memory changes; the captured ramp stays on the plot in yellow.
    SetCounts(0);
    Redraw();
    EXPECT_EQ(PlotPixel(300, form->Display.OverlayBottom[0][300]), colours::kYellow);
    EXPECT_GT(CountInPlot(colours::kYellow), 400);
    EXPECT_EQ(PlotPixel(300, 299), colours::kGreen);
    form->Click("OverLapON");
    EXPECT_EQ(form->Display.OverlapOn[0], 0);
    EXPECT_EQ(CountInPlot(colours::kYellow), 0);
    // WK2's capture has a colour of its own.
    form->State.Memory.MainCounts[600] = 100000;
    form->SetChecked("Mem2Spec", true);
    form->Click("OverLapON");
    EXPECT_GT(CountInPlot(colours::kMagenta), 0);
}

}  // namespace
}  // namespace ztmca::testing
