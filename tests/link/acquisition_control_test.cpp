// The start, stop, pause and clear buttons of the PHA and MCS pages.
#include <gtest/gtest.h>

#include "support/main_form_fixture.h"

namespace ztmca {
namespace {

using Strings = std::vector<std::string>;

class AcquisitionControlTest : public testing::MainFormTest {};

TEST_F(AcquisitionControlTest, McaStartCopiesTheLiveHeaderStampsTheStartAndPolls) {
    Open();
    form->State.Memory.LiveHeader.PresetTime = 1234;
    form->State.Memory.CurrentHeader.PresetTime = 99;
    form->Click("McaStart");
    EXPECT_EQ(Commands(), (Strings{"$D0;", "$G;"}));
    EXPECT_TRUE(TimerOn());
    EXPECT_EQ(form->State.Acq.Acquiring, 1);
    EXPECT_EQ(Text("Edit10"), "2026/12/11 09:30:15");
    const SpectrumHeader& h = form->State.Memory.CurrentHeader;
    EXPECT_EQ(h.PresetTime, 1234);
    EXPECT_EQ((std::array<int, 6>{h.Year, h.Month, h.Day, h.Hour, h.Minute, h.Second}),
              (std::array<int, 6>{2026, 12, 11, 9, 30, 15}));
    EXPECT_EQ(form->State.Memory.CurrentName, "MCA");
}

TEST_F(AcquisitionControlTest, McaStartWithoutAnInstrumentSendsNothingAndDoesNotPoll) {
    form->State.Acq.DeviceOpened = 0;
    (*form)["McaStart"].Enabled = true;
    form->Click("McaStart");
    EXPECT_TRUE(t.traffic.empty());
    EXPECT_FALSE(TimerOn());
    EXPECT_EQ(form->State.Memory.CurrentName, "MCA");
    EXPECT_EQ(form->State.Memory.CurrentHeader.Year, 2026);
}

TEST_F(AcquisitionControlTest, EachButtonSendsItsCommands) {
    struct Case {
        const char* button;
        bool acquiring;
        Strings commands;
    };
    const Case cases[] = {
        {"McaStop", false, {"$D0;", "$S;"}},  // sent even when nothing is acquiring
        {"McaClear", false, {"$D0;", "$C;"}},
        {"SxfmStart", false, {"$D6;", "$G;"}},
        {"SxfmStop", true, {"$D6;", "$S;"}},
        {"SxfmStop", false, {"$D6;"}},
        {"SxfmPause", true, {"$D6;", "$S;"}},
        {"SxfmPause", false, {"$D6;"}},
        {"SxfmClear", false, {"$D6;", "$C;"}},
    };
    Open();
    for (const Case& c : cases) {
        t.traffic.clear();
        form->State.Acq.Acquiring = c.acquiring ? 1 : 0;
        form->Click(c.button);
        EXPECT_EQ(Commands(), c.commands) << c.button << " acquiring " << c.acquiring;
    }
}

TEST_F(AcquisitionControlTest, AcceptedCommandsChangeTheState) {
    Open();
    form->State.Mcs.ModeCode = 4;
    form->Click("SxfmStart");
    EXPECT_EQ(form->State.Acq.AcquisitionMode, 4);
    EXPECT_EQ(form->State.Acq.Acquiring, 1);
    EXPECT_TRUE(TimerOn());
    EXPECT_EQ(Text("Edit8"), "MCS");
    EXPECT_EQ(Commands(), (Strings{"$D4;", "$G;"}));

    form->Click("SxfmStop");
    EXPECT_EQ(form->State.Acq.Acquiring, 0);
    EXPECT_FALSE(TimerOn());

    form->State.Memory.MemorySize = 512;
    form->State.Memory.MainCounts[511] = 7;
    form->State.Memory.MainCounts[512] = 8;
    form->Click("McaClear");
    EXPECT_EQ(form->State.Acq.AcquisitionMode, 0);
    EXPECT_EQ(form->State.Memory.MainCounts[511], 0);
    EXPECT_EQ(form->State.Memory.MainCounts[512], 8);
}

TEST_F(AcquisitionControlTest, RefusedCommandsLeaveTheirStateAlone) {
    Open();
    t.ackFor = [](const std::string&) { return std::string("?"); };
    form->State.Acq.AcquisitionMode = 3;
    form->State.Memory.MainCounts[100] = 5;
    form->Click("McaStart");  // refused start: not acquiring, yet polling until the status says it ended
    EXPECT_EQ(form->State.Acq.Acquiring, 0);
    EXPECT_EQ(form->State.Acq.AcquisitionMode, 3);
    EXPECT_TRUE(TimerOn());
    EXPECT_EQ(Text("Edit10"), "");

    form->State.Acq.Acquiring = 1;
    form->Click("McaStop");  // refused stop: polling goes on
    EXPECT_EQ(form->State.Acq.Acquiring, 1);
    EXPECT_TRUE(TimerOn());
    form->Click("McaClear");
    EXPECT_EQ(form->State.Memory.MainCounts[100], 5);
}

TEST_F(AcquisitionControlTest, McsPageIsReachableAndItsStartPollsEvenWithoutAnInstrument) {
    EXPECT_TRUE((*form)["SXFM"].Enabled);
    EXPECT_TRUE((*form)["SxfmPause"].Enabled);
    EXPECT_TRUE((*form)["Button7"].Enabled);
    (*form)["SxfmStart"].Enabled = true;
    form->Click("SxfmStart");
    EXPECT_TRUE(TimerOn());
    EXPECT_EQ(form->State.Acq.Acquiring, 0);
    const int realTime = form->State.Acq.RealTime = 77;
    form->TimerTick("Timer1");  // every poll fails at the status read
    EXPECT_EQ(form->State.Acq.RealTime, realTime);
    EXPECT_TRUE(TimerOn());
}

}  // namespace
}  // namespace ztmca
