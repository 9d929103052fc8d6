// The scale and view buttons, with and without an instrument.
#include "form_fixture.h"

namespace ztmca::testing {
namespace {

using View = FormFixture;

TEST_F(View, LinerDispPicksTheFullScaleAboveTheLargestCountBetweenTheEdges) {
    struct Case {
        std::int32_t peak;
        int index;
        char sent;
    };
    const Case cases[] = {{999, 4, '4'}, {1000, 5, '5'}, {250000001, 20, 'D'}, {0, 1, '1'}, {-50, 1, '1'}};
    OpenInstrument();
    for (const Case& c : cases) {
        SetCounts(0);
        form->State.Memory.MainCounts[500] = c.peak;
        // Channels at the edges of the range do not count: start and the last two.
        form->State.Memory.MainCounts[0] = 2000000;
        form->State.Memory.MainCounts[1022] = 2000000;
        form->State.Memory.MainCounts[1023] = 2000000;
        t.writes.clear();
        form->Click("AutoVfs");
        EXPECT_EQ(form->Display.VfsIndex, c.index) << c.peak;
        EXPECT_EQ(form->Display.LogScale, 0);
        const std::string command = std::string("$V") + c.sent + ";";
        EXPECT_EQ(t.writes, std::vector<std::string>{command});
        EXPECT_EQ(Text("Edit1"), command);
    }
}

TEST_F(View, ScaleButtonsStayWithinTheTableButStillRedrawAndSend) {
    OpenInstrument();
    form->Display.VfsIndex = 1;
    form->Click("VfcUp");
    EXPECT_EQ(form->Display.VfsIndex, 1);
    form->Display.VfsIndex = 20;
    form->Click("VfcDn");
    EXPECT_EQ(form->Display.VfsIndex, 20);
    form->Display.VfsIndex = 7;
    form->Click("VfcUp");
    EXPECT_EQ(form->Display.VfsIndex, 6);
    EXPECT_EQ(t.writes, (std::vector<std::string>{"$V;", "$v;", "$V;"}));
    EXPECT_EQ(form->Display.LogScale, 0);
    EXPECT_EQ(form->Display.RedrawNeeded, 0);
    EXPECT_GT(CountInPlot(colours::kGreen), 0);
}

TEST_F(View, NoCommandsWithoutAnInstrument) {
    for (const char* button : {"LogDisp", "AutoVfs", "VfcUp", "VfcDn", "Expand", "Compres", "LinDot", "VfsOfset"})
        form->Click(button);
    form->MouseDown("PaintBox1", MouseButton::Left, 118, 50);
    form->MouseWheel(true);
    EXPECT_TRUE(t.writes.empty());
    EXPECT_EQ(Text("Edit1"), "");
}

TEST_F(View, LogDispSendsItsCommandAndARefusalLeavesThePlotErased) {
    form->Click("AutoVfs");
    OpenInstrument();
    t.ackFor = [](const std::string&) { return std::string("?"); };
    form->Click("LogDisp");
    EXPECT_EQ(t.writes, std::vector<std::string>{"$O;"});
    EXPECT_EQ(form->Display.LogScale, 1);
    EXPECT_EQ(CountInPlot(colours::kGreen), 0);
    t.ackFor = [](const std::string&) { return std::string("!"); };
    form->Click("LogDisp");
    EXPECT_GT(CountInPlot(colours::kGreen), 0);
}

TEST_F(View, ExpandWithoutAnInstrumentNarrowsTheRangeAndRecordsItInTheStatusBlock) {
    form->Click("Expand");
    EXPECT_EQ(form->Display.DispStartCh, 256);
    EXPECT_EQ(form->Display.DispEndCh, 767);
    EXPECT_EQ(form->State.Status.I16(status::kDispStart), 256);
    EXPECT_EQ(form->State.Status.I16(status::kDispEnd), 767);
    EXPECT_EQ(Text("Label1"), "256ch");
    EXPECT_EQ(Text("Label2"), "767ch");
    EXPECT_EQ(Text("Label3"), "512");
    // The full redraw shows the new range: one channel per column, the ramp's channel 256 at column 0.
    EXPECT_EQ(form->Plot.ColumnTop[0], form->Plot.ColumnBottom[0]);
    form->Click("Compres");
    EXPECT_EQ(form->Display.DispStartCh, 0);
    EXPECT_EQ(form->Display.DispEndCh, 1023);
}

TEST_F(View, AcceptedExpandTakesTheRangeBackFromTheInstrument) {
    OpenInstrument();
    t.status.SetI16(status::kDispStart, 300);
    t.status.SetI16(status::kDispEnd, 811);
    form->Click("Expand");
    EXPECT_EQ(t.writes, (std::vector<std::string>{"$E;", "$R0;"}));
    EXPECT_EQ(form->Display.DispStartCh, 300);
    EXPECT_EQ(form->Display.DispEndCh, 811);
    EXPECT_EQ(Text("Label1"), "300ch");
    // Refused: the range computed here stays and the status is not read.
    t.writes.clear();
    t.ackFor = [](const std::string&) { return std::string("?"); };
    form->Click("Compres");
    EXPECT_EQ(t.writes, std::vector<std::string>{"$e;"});
    EXPECT_EQ(form->Display.DispStartCh, 0);
    EXPECT_EQ(form->Display.DispEndCh, 1023);
}

TEST_F(View, OffsetFollowsTheLargestCountAndItsButtonsMoveItByATenth) {
    SetCounts(0);
    form->State.Memory.MainCounts[300] = 3000;
    form->Click("VfsOfset");
    const DisplayState& d = form->Display;
    EXPECT_EQ(d.VfsOffsetOn, 1);
    EXPECT_EQ(d.LogScale, 0);
    EXPECT_EQ(d.VfsIndex, 6);
    EXPECT_EQ(d.VfsOffset, 2500);
    EXPECT_EQ(d.VfsOffsetStep, 250);
    // 3000 - 2500 on 5000 counts full scale: row 300 - 30.
    EXPECT_EQ(form->Plot.ColumnTop[150], 270);
    form->Click("VfsOfsetUp");
    form->Click("VfsOfsetUp");
    EXPECT_EQ(d.VfsOffset, 2000);
    form->Click("VfsOfsetDn");
    EXPECT_EQ(d.VfsOffset, 2250);
    form->Click("VfsOfset");
    EXPECT_EQ(d.VfsOffsetOn, 0);
    EXPECT_EQ(d.VfsIndex, 6);
    EXPECT_EQ(form->Plot.ColumnTop[150], 120);
    // Off: the offset buttons change nothing.
    form->Click("VfsOfsetUp");
    EXPECT_EQ(d.VfsOffset, 2250);
}

TEST_F(View, OffsetButtonsSaturateInsteadOfOverflowing) {
    form->Display.VfsOffsetOn = 1;
    form->Display.VfsOffsetStep = 1000000000;
    form->Display.VfsOffset = -2000000000;
    form->Click("VfsOfsetUp");
    EXPECT_EQ(form->Display.VfsOffset, INT32_MIN);
}

TEST_F(View, LineDotToggles) {
    form->Click("LinDot");
    EXPECT_EQ(form->Display.LineMode, 0);
    form->Click("LinDot");
    EXPECT_EQ(form->Display.LineMode, 1);
}

}  // namespace
}  // namespace ztmca::testing
