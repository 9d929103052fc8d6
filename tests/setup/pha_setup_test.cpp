// The PHA set-up dialog and its transfer by "SetUp" on the PHA page.
#include <gtest/gtest.h>

#include <limits>

#include "app/text_convert.h"
#include "setup/pha_setup_form.h"
#include "app/spectrum_header.h"
#include "support/main_form_fixture.h"

namespace ztmca {
namespace {

using Strings = std::vector<std::string>;

class PhaSetupTest : public testing::MainFormTest {
protected:
    PhaSetup& Pha() { return form->State.Pha; }
    // The operator's next run of the dialog: type, then press a button.
    void Operator(std::vector<std::pair<const char*, std::string>> typing, const char* button = "OkButton",
                  int memoryItem = -1, int stopItem = -1) {
        host.modalActions.push_back([=](Form& dialog) {
            if (memoryItem >= 0) dialog.SelectItem("McaMemory", memoryItem);
            if (stopItem >= 0) dialog.SelectItem("AcqStop", stopItem);
            for (const auto& [control, text] : typing) dialog.EnterText(control, text);
            dialog.Click(button);
        });
    }
};

TEST_F(PhaSetupTest, LoadShowsTheRecordAndNormalisesIt) {
    PhaSetup p;
    testing::FakeHost dialogHost;
    {
        PhaSetupForm dialog(dialogHost, p);
        EXPECT_EQ(dialog["PresetRT"].Text, "     1000.0");
        EXPECT_EQ(dialog["PresetSC"].Text, "     10000");
        EXPECT_EQ(dialog["DeadTime"].Text, " 1.2");
        EXPECT_EQ(dialog["McaMemory"].ItemIndex, 1);
        EXPECT_EQ(dialog["AcqStop"].ItemIndex, 0);
    }
    p.MemorySize = 8192;
    p.PresetTime = 0;
    p.StopCondition = 7;
    SetCommentText(p, "Fe-55");
    PhaSetupForm dialog(dialogHost, p);
    EXPECT_EQ(p.MemorySize, 4096);
    EXPECT_EQ(p.PresetTime, 100);
    EXPECT_EQ(dialog["McaMemory"].ItemIndex, 3);
    EXPECT_EQ(dialog["PresetRT"].Text, "       10.0");
    EXPECT_EQ(dialog["AcqStop"].ItemIndex, 0);  // an unknown stop condition leaves the design item
    EXPECT_EQ(dialog["SpcLabel1"].Text, "Fe-55");
}

TEST_F(PhaSetupTest, StoreConvertsThePresetTimeInSinglePrecisionBeforeTruncating) {
    const std::pair<const char*, std::int32_t> cases[] = {
        {"1000.0", 10000}, {"12.34", 123},    {"0.05", 0},
        {"1677721.7", 16777218}, {"  5 ", 50}, {"1e12", std::numeric_limits<std::int32_t>::max()},
    };
    testing::FakeHost dialogHost;
    for (const auto& [text, tenths] : cases) {
        PhaSetup p;
        PhaSetupForm dialog(dialogHost, p);
        dialog.EnterText("PresetRT", text);
        dialog.Click("OkButton");
        EXPECT_EQ(p.PresetTime, tenths) << text;
        EXPECT_EQ(dialog.Result, ModalResult::Ok);
    }
}

TEST_F(PhaSetupTest, UnconvertibleTextStopsTheStoreAtThatField) {
    testing::FakeHost dialogHost;
    PhaSetup p;
    PhaSetupForm dialog(dialogHost, p);
    dialog.EnterText("PresetRT", "20");
    dialog.EnterText("PresetSC", "many");
    dialog.EnterText("DeadTime", "3.5");
    EXPECT_THROW(dialog.Click("OkButton"), ConversionError);
    EXPECT_EQ(dialog.Result, ModalResult::None);
    EXPECT_EQ(p.PresetTime, 200);
    EXPECT_EQ(p.PresetCounts, 10000);
    EXPECT_FLOAT_EQ(p.DeadTimePerEvent, 1.2f);

    // Through the main window: the error escapes to the general error report and nothing is sent.
    Open();
    Operator({{"DeadTime", "fast"}});
    EXPECT_THROW(form->Click("Button10"), ConversionError);
    EXPECT_TRUE(t.traffic.empty());
}

TEST_F(PhaSetupTest, OkWithAnInstrumentSendsTheSetUpAndReadsTheStatusBack) {
    Open();
    t.status.SetI16(status::kMemorySize, 4096);
    t.status.SetI16(status::kCursor, 77);
    Operator({{"PresetRT", "12.34"}, {"PresetSC", "5000"}, {"SpcLabel1", "Cu target"}}, "OkButton", 4, 1);
    form->Click("Button10");
    EXPECT_EQ(host.modalForms, Strings{"TXMCA1SetUp"});
    EXPECT_EQ(Commands(), (Strings{"$M32;", "$P123;", "$p5000;", "$D1;"}));
    EXPECT_EQ(AllTo(1).back(), "$R0;");
    EXPECT_EQ(Pha().MemorySize, 4096);
    EXPECT_EQ(form->State.Memory.MemorySize, 4096);
    EXPECT_EQ(form->State.Acq.AcquisitionMode, 1);
    EXPECT_EQ(form->State.Acq.PresetTimeShown, 123);
    EXPECT_EQ(form->State.Acq.PresetCountsShown, 5000);
    EXPECT_EQ(Text("Edit1"), "$p5000;");
    EXPECT_EQ(Text("Edit12"), "5000");
    EXPECT_EQ(Text("Edit9"), "4096");
    EXPECT_EQ(Text("Edit11"), "0.1sec");
    EXPECT_EQ(Text("Edit14"), "Cu target");
    EXPECT_EQ(HeaderComment(form->State.Memory.CurrentHeader), "Cu target");
    EXPECT_EQ(form->Display.CursorCh, 77);
    EXPECT_EQ(Text("Edit8"), "MCA");
    EXPECT_TRUE((*form)["MCA1Spec"].Checked);
}

TEST_F(PhaSetupTest, TimeStopSendsModeZeroAndShowsThePresetTime) {
    Open();
    t.status.SetI16(status::kMemorySize, 512);
    Operator({{"PresetRT", "0.05"}}, "OkButton", 0, 0);
    form->Click("Button10");
    EXPECT_EQ(Commands(), (Strings{"$M4;", "$P0;", "$D0;"}));
    EXPECT_EQ(Text("Edit12"), "0");
    EXPECT_EQ(Text("Edit1"), "$P0;");
    // The next opening turns the zero preset into 10.0 s.
    std::string shown;
    host.modalActions.push_back([&](Form& dialog) { shown = dialog["PresetRT"].Text; });
    form->Click("Button10");
    EXPECT_EQ(shown, "       10.0");
}

TEST_F(PhaSetupTest, RefusedMemorySizeLeavesTheMemorySize) {
    Open();
    t.ackFor = [](const std::string& command) { return std::string(command.rfind("$M", 0) == 0 ? "?" : "!"); };
    t.mangle = [](const std::string& command, std::string& reply) {
        if (command == "$R0;") reply.clear();  // and no status to take it from
    };
    Operator({}, "OkButton", 2);
    form->Click("Button10");
    EXPECT_EQ(Pha().MemorySize, 2048);
    EXPECT_EQ(form->State.Memory.MemorySize, 1024);
    EXPECT_EQ(Text("Edit9"), "1024");
}

TEST_F(PhaSetupTest, WithoutAnInstrumentTheSetUpGoesIntoTheLiveHeader) {
    Operator({{"PresetRT", "60"}, {"PresetSC", "777"}, {"SpcLabel1", "bg"}}, "OkButton", 2);
    form->Click("Button10");
    EXPECT_TRUE(t.traffic.empty());
    const SpectrumHeader& live = form->State.Memory.LiveHeader;
    EXPECT_EQ(form->State.Memory.MemorySize, 2048);
    EXPECT_EQ(live.MemorySize, 2048);
    EXPECT_EQ(live.PresetTime, 600);
    EXPECT_EQ(HeaderComment(live), "bg");
    EXPECT_EQ(form->State.Acq.DeadTimeShown, 12);  // the dead time per event, 1.2
    EXPECT_EQ(form->State.Acq.PresetTimeShown, 600);
    EXPECT_EQ(form->State.Acq.PresetCountsShown, 777);
    // The next start carries it (the button is disabled without an instrument; the handler is not).
    form->McaStartClick();
    EXPECT_EQ(form->State.Memory.CurrentHeader.PresetTime, 600);
}

TEST_F(PhaSetupTest, CancelStoresButSendsNothing) {
    Open();
    Operator({{"DeadTime", "2.5"}}, "CancelButton", 0);
    form->Click("Button10");
    EXPECT_TRUE(t.traffic.empty());
    EXPECT_FLOAT_EQ(Pha().DeadTimePerEvent, 2.5f);
    EXPECT_EQ(Pha().MemorySize, 512);
    EXPECT_EQ(form->State.Memory.MemorySize, 1024);
}

TEST_F(PhaSetupTest, LongCommentsAreCutToTheirFieldsAtACharacterBoundary) {
    SetHeaderComment(form->State.Memory.CurrentHeader, std::string(200, 'h'));
    std::string shown;
    host.modalActions.push_back([&](Form& dialog) {
        shown = dialog["SpcLabel1"].Text;
        dialog.EnterText("SpcLabel1", std::string(62, 'x') + "\xC3\xA4" + "more");
        dialog.Click("OkButton");
    });
    form->Click("Button10");
    EXPECT_EQ(shown, std::string(63, 'h'));
    EXPECT_EQ(CommentText(Pha()), std::string(62, 'x'));
    EXPECT_EQ(CutAtCharacter("ab\xC3\xA4", 4), "ab\xC3\xA4");
    EXPECT_EQ(CutAtCharacter("ab\xE2\x82\xAC", 4), "ab");
}

TEST_F(PhaSetupTest, StartUpCreatesBothDialogsOnceWithoutShowingThem) {
    Pha().MemorySize = 8192;
    Pha().PresetTime = -5;
    form->State.Mcs.DwellMultiplier = 0;
    form->State.Mcs.SweepCount = 0;
    form->CreateStartupForms();
    EXPECT_TRUE(host.modalForms.empty());
    EXPECT_EQ(Pha().MemorySize, 4096);
    EXPECT_EQ(Pha().PresetTime, 100);
    EXPECT_EQ(form->State.Mcs.DwellMultiplier, 1);
    EXPECT_EQ(form->State.Mcs.SweepCount, 1000);
}

}  // namespace
}  // namespace ztmca
