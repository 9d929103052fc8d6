// The open procedure behind "OpenMCA".
#include <gtest/gtest.h>

#include "support/main_form_fixture.h"

namespace ztmca {
namespace {

using namespace std::chrono_literals;
using Strings = std::vector<std::string>;

class OpenInstrumentsTest : public testing::MainFormTest {
protected:
    bool AcquisitionButtonsEnabled() const {
        for (const char* name : {"McaStart", "McaStop", "McaClear", "SxfmStart", "SxfmStop", "SxfmClear"})
            if (!(*form)[name].Enabled) return false;
        return true;
    }
};

TEST_F(OpenInstrumentsTest, OneInstrumentIsOpenedIdentifiedAndKept) {
    form->Click("McaOpen");
    EXPECT_EQ(t.traffic, (std::vector<std::pair<DeviceHandle, std::string>>{{1, "$?;"}}));
    EXPECT_EQ(form->State.Acq.DeviceCount, 1);
    EXPECT_EQ(form->State.Acq.DeviceOpened, 1);
    EXPECT_EQ(Text("Edit2"), "1");
    EXPECT_EQ(Text("Edit1"), "1");
    EXPECT_TRUE((*form)["DevID1"].Visible);
    EXPECT_TRUE((*form)["Edit3"].Visible);
    EXPECT_EQ(Text("Edit3"), "ZT-740");
    EXPECT_EQ(form->Link.ModelName, "ZT-740");
    EXPECT_TRUE(AcquisitionButtonsEnabled());
    EXPECT_TRUE(t.closed.empty());

    // While an instrument count is known the button does nothing.
    form->Click("McaOpen");
    EXPECT_EQ(t.traffic.size(), 1u);
}

TEST_F(OpenInstrumentsTest, IdentityNamesTheModelOnlyWhenItsTestedBytesHaveArrived) {
    const std::pair<const char*, const char*> cases[] = {
        {"ZT-740 V2", "ZT-740"}, {"ZT-520", "ZT-520"}, {"ZT-52", "ZT-520"}, {"ZT-7xy", "ZT-740"},
        {"ZT-7", ""},            {"ZT-5", ""},         {"ZT-530", ""},      {"ABCDEF", ""},
        {"", ""},
    };
    for (const auto& [identity, model] : cases) {
        testing::FakeHost host;
        testing::FakeLinkClock clock;
        testing::FaultTransport t{clock};
        t.identity = identity;
        auto form = std::make_unique<MainForm>(host, t, clock);
        form->Click("McaOpen");
        EXPECT_EQ(form->Link.ModelName, model) << identity;
        EXPECT_EQ((*form)["Edit3"].Visible, *model != '\0') << identity;
        // A short or missing identity costs one bound at most, and the instrument is used all the same.
        EXPECT_LE(clock.Elapsed(), kLinkTimeout + 1ms) << identity;
        EXPECT_EQ(form->State.Acq.DeviceOpened, 1) << identity;
        EXPECT_EQ(form->Link.OpenedCount, 1) << identity;
    }
}

TEST_F(OpenInstrumentsTest, NoInstrumentShowsErrorAndALaterClickTriesAgain) {
    t.serials.clear();
    form->Click("McaOpen");
    EXPECT_EQ(Text("Edit1"), "0");
    EXPECT_EQ(Text("Edit2"), "Error");
    EXPECT_EQ(form->State.Acq.DeviceOpened, 0);

    t.serials = {"ZT000001"};
    form->Click("McaOpen");
    EXPECT_EQ(Text("Edit2"), "1");
    EXPECT_EQ(form->State.Acq.DeviceOpened, 1);
}

TEST_F(OpenInstrumentsTest, FailedListChangesNothingButTheOpenBox) {
    t.listFails = true;
    form->Click("McaOpen");
    EXPECT_EQ(Text("Edit2"), "Error");
    EXPECT_EQ(Text("Edit1"), "");
    EXPECT_EQ(form->State.Acq.DeviceCount, 0);
}

TEST_F(OpenInstrumentsTest, SecondInstrumentIsIdentifiedNotAtAllAndClosedAndCommandsGoToTheFirst) {
    t.serials = {"A", "B"};
    t.identities[2] = "ZT-520";
    form->Click("McaOpen");
    EXPECT_EQ(form->State.Acq.DeviceCount, 2);
    EXPECT_EQ(form->Link.ModelName, "ZT-740");
    EXPECT_EQ(AllTo(2), Strings{"$?;"});
    EXPECT_EQ(t.closed, std::vector<DeviceHandle>{2});
    form->Click("McaStart");
    EXPECT_EQ(AllTo(1), (Strings{"$?;", "$D0;", "$G;"}));
}

TEST_F(OpenInstrumentsTest, MoreThanFiveInstrumentsUseTheFirstFive) {
    t.serials = {"A", "B", "C", "D", "E", "F", "G"};
    form->Click("McaOpen");
    EXPECT_EQ(form->State.Acq.DeviceCount, 7);
    EXPECT_EQ(Text("Edit2"), "7");
    EXPECT_EQ(form->Link.OpenedCount, 5);
    for (DeviceHandle h = 1; h <= 5; ++h) EXPECT_EQ(AllTo(h), Strings{"$?;"}) << h;
    EXPECT_TRUE(AllTo(6).empty());
    EXPECT_TRUE(AllTo(7).empty());
    EXPECT_EQ(t.closed, (std::vector<DeviceHandle>{2, 3, 4, 5}));
}

TEST_F(OpenInstrumentsTest, InstrumentThatFailsToOpenIsPassedOverAndNotClosed) {
    t.serials = {"A", "B"};
    t.openFails = {"A"};
    t.identities[2] = "ZT-520";
    form->Click("McaOpen");
    EXPECT_EQ(form->Link.OpenedCount, 1);
    EXPECT_EQ(form->Link.ModelName, "ZT-520");
    EXPECT_TRUE(t.closed.empty());
    form->Click("McaStop");
    EXPECT_EQ(AllTo(2), (Strings{"$?;", "$D0;", "$S;"}));
}

TEST_F(OpenInstrumentsTest, FailedResetEndsWithErrorAndTheButtonStaysDead) {
    t.resetFails = {1};
    form->Click("McaOpen");
    EXPECT_EQ(Text("Edit2"), "Error");
    EXPECT_EQ(form->State.Acq.DeviceCount, 1);
    EXPECT_EQ(form->State.Acq.DeviceOpened, 0);
    EXPECT_FALSE((*form)["McaStart"].Enabled);
    t.resetFails.clear();
    form->Click("McaOpen");
    EXPECT_EQ(form->State.Acq.DeviceOpened, 0);
}

TEST_F(OpenInstrumentsTest, SilentOrUnreachableInstrumentIsCountedAsOpened) {
    t.serials = {"A", "B"};
    t.silent = true;
    form->Click("McaOpen");
    EXPECT_EQ(form->Link.OpenedCount, 2);
    EXPECT_EQ(form->State.Acq.DeviceOpened, 1);
    EXPECT_FALSE((*form)["Edit3"].Visible);
    EXPECT_LE(clock.Elapsed(), 2 * kLinkTimeout + 1ms);
}

}  // namespace
}  // namespace ztmca
