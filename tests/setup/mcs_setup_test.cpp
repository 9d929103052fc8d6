// The MCS set-up dialog and its transfer by "SetUp" on the MCS page.
#include <gtest/gtest.h>

#include "setup/mcs_setup_form.h"
#include "support/main_form_fixture.h"

namespace ztmca {
namespace {

using Strings = std::vector<std::string>;

class McsSetupTest : public testing::MainFormTest {
protected:
    McsSetup& Mcs() { return form->State.Mcs; }
    void Operator(std::vector<const char*> clicks, std::vector<std::pair<const char*, std::string>> typing = {},
                  const char* button = "OkButton") {
        host.modalActions.push_back([=](Form& dialog) {
            for (const char* name : clicks) dialog.Click(name);
            for (const auto& [control, text] : typing) dialog.EnterText(control, text);
            dialog.Click(button);
        });
    }
    static bool DwellControlsEnabled(const Form& dialog) {
        EXPECT_EQ(dialog["DwTimeUnit"].Enabled, dialog["DwTset"].Enabled);
        return dialog["DwTset"].Enabled;
    }
};

TEST_F(McsSetupTest, LoadSelectsTheRecordsButtonsAndSwitchesTheDwellControls) {
    testing::FakeHost dialogHost;
    McsSetup m;  // mode 6, unit 2, multiplier 10, 100000000 sweeps
    McsSetupForm dialog(dialogHost, m);
    EXPECT_TRUE(dialog["McsMode5"].Checked);
    EXPECT_FALSE(dialog["McsMode4"].Checked);
    EXPECT_FALSE(DwellControlsEnabled(dialog));
    EXPECT_TRUE(dialog["DwUnit100us"].Checked);
    EXPECT_TRUE(dialog["MemSize1024"].Checked);
    EXPECT_EQ(dialog["DwTset"].Text, "        10");
    EXPECT_EQ(dialog["Nsweep"].Text, "   100000000");

    const std::pair<const char*, bool> modes[] = {
        {"McsMode1", true}, {"McsMode2", true}, {"McsMode3", false}, {"McsMode4", true}, {"McsMode5", false}};
    for (std::int32_t code = 2; const auto& [button, dwell] : modes) {
        dialog.Click(button);
        EXPECT_EQ(m.ModeCode, code++) << button;
        EXPECT_EQ(DwellControlsEnabled(dialog), dwell) << button;
    }
}

TEST_F(McsSetupTest, DualSizesStoreTheSingleSizeAndReopenAsTheSingleButton) {
    testing::FakeHost dialogHost;
    McsSetup m;
    {
        McsSetupForm dialog(dialogHost, m);
        dialog.Click("Dual2048ch");
        EXPECT_EQ(m.MemorySize, 2048);
        dialog.Click("MemSize8192");
        EXPECT_EQ(m.MemorySize, 8192);
        dialog.Click("Dual512ch");
    }
    McsSetupForm dialog(dialogHost, m);
    EXPECT_TRUE(dialog["MemSize512"].Checked);
    EXPECT_FALSE(dialog["Dual512ch"].Checked);
}

TEST_F(McsSetupTest, OkWithAnInstrumentSendsTheWholeSetUp) {
    Open();
    Operator({"Dual1024ch", "McsMode2", "DwUnit1ms"}, {{"DwTset", "25"}, {"Nsweep", "5000"}});
    form->Click("Button7");
    EXPECT_EQ(host.modalForms, Strings{"TSXFMSetUp"});
    EXPECT_EQ(Commands(), (Strings{"$M8;", "$N5000;", "$d0;", "$N25;", "$d1;", "$N3;", "$d2;", "$D3;"}));
    EXPECT_EQ(form->State.Memory.MemorySize, 1024);
    EXPECT_EQ(form->State.Acq.AcquisitionMode, 3);
    EXPECT_EQ(Text("Edit1"), "$N3;");
    EXPECT_EQ(Text("Edit8"), "MCS");
    EXPECT_EQ(Text("Edit9"), "1024");
    EXPECT_EQ(Text("Edit12"), "5000");
}

TEST_F(McsSetupTest, DisabledDwellControlsStillSendTheirStoredValues) {
    Open();
    Mcs().DwellMultiplier = 0;  // the load makes it 1
    Operator({"McsMode3"}, {{"Nsweep", "lots"}});
    form->Click("Button7");
    EXPECT_EQ(Commands(), (Strings{"$M8;", "$N100000000;", "$d0;", "$N1;", "$d1;", "$N2;", "$d2;", "$D4;"}));
}

TEST_F(McsSetupTest, ZeroMultiplierIsSentAndBecomesOneOnTheNextOpening) {
    Open();
    Operator({"McsMode1"}, {{"DwTset", "0"}});
    form->Click("Button7");
    const Strings commands = Commands();
    EXPECT_EQ(Strings(commands.begin() + 3, commands.begin() + 5), (Strings{"$N0;", "$d1;"}));
    EXPECT_EQ(Mcs().DwellMultiplier, 0);
    std::string shown;
    host.modalActions.push_back([&](Form& dialog) { shown = dialog["DwTset"].Text; });
    form->Click("Button7");
    EXPECT_EQ(shown, "         1");
}

TEST_F(McsSetupTest, CancelKeepsClickedValuesAndSendsNothing) {
    Open();
    Operator({"MemSize4096", "McsMode1", "DwUnit1us"}, {{"Nsweep", "12"}}, "CancelButton");
    form->Click("Button7");
    EXPECT_TRUE(t.traffic.empty());
    EXPECT_EQ(Mcs().MemorySize, 4096);
    EXPECT_EQ(Mcs().ModeCode, 2);
    EXPECT_EQ(Mcs().DwellUnit, 0);
    EXPECT_EQ(Mcs().SweepCount, 12);
    EXPECT_EQ(Text("Edit8"), "MCA");
}

TEST_F(McsSetupTest, WithoutAnInstrumentOkOnlyShowsTheSetUp) {
    Operator({"MemSize512"}, {{"Nsweep", "300"}});
    form->Click("Button7");
    EXPECT_TRUE(t.traffic.empty());
    EXPECT_EQ(Text("Edit8"), "MCS");
    EXPECT_EQ(Text("Edit9"), "1024");
    EXPECT_EQ(Text("Edit12"), "300");
}

TEST_F(McsSetupTest, RefusedMemorySizeLeavesTheMemorySize) {
    Open();
    t.ackFor = [](const std::string& command) { return std::string(command.rfind("$M", 0) == 0 ? "?" : "!"); };
    Operator({"MemSize8192"});
    form->Click("Button7");
    EXPECT_EQ(form->State.Memory.MemorySize, 1024);
    EXPECT_EQ(Commands().size(), 8u);
}

}  // namespace
}  // namespace ztmca
