// What the window layer builds the two set-up dialogs from.
#include <gtest/gtest.h>

#include "setup/mcs_setup_form.h"
#include "setup/pha_setup_form.h"
#include "support/fake_host.h"

namespace ztmca {
namespace {

void ExpectInsideClientArea(const Form& form) {
    for (const Control& c : form.Controls()) {
        int left = c.Left, top = c.Top;
        for (std::string p = c.Parent; !p.empty(); p = form[p].Parent) {
            left += form[p].Left;
            top += form[p].Top;
        }
        EXPECT_GE(left, 0) << c.Name;
        EXPECT_GE(top, 0) << c.Name;
        EXPECT_LE(left + c.Width, form.ClientWidth) << c.Name;
        EXPECT_LE(top + c.Height, form.ClientHeight) << c.Name;
    }
}

TEST(SetupDialogLayout, PhaDialogHasItsDesign) {
    testing::FakeHost host;
    PhaSetup setup;
    PhaSetupForm form(host, setup);
    EXPECT_EQ(form.ClassName(), "TXMCA1SetUp");
    EXPECT_EQ(form.Caption, "VOZE1 SetUp");
    EXPECT_EQ(form.ClientWidth, 477);
    EXPECT_EQ(form.ClientHeight, 178);
    EXPECT_EQ(form["McaMemory"].Items, (std::vector<std::string>{" 512 ch", "1024 ch", "2048 ch", "4096 ch", "8192 ch"}));
    EXPECT_EQ(form["AcqStop"].Items, (std::vector<std::string>{"Time", "Counts"}));
    EXPECT_EQ(form["OkButton"].Text, "Ok");
    EXPECT_EQ(form["CancelButton"].Text, "Cancel");
    std::vector<std::string> labels;
    for (const Control& c : form.Controls())
        if (c.Kind == ControlKind::Label) labels.push_back(c.Text);
    EXPECT_EQ(labels, (std::vector<std::string>{"Preset Time", "sec", "Preset Counts", "Dead Time per Event", "usec",
                                                "Comment"}));
    ExpectInsideClientArea(form);
}

TEST(SetupDialogLayout, McsDialogGroupsItsRadioButtonsByGroupBox) {
    testing::FakeHost host;
    McsSetup setup;
    McsSetupForm form(host, setup);
    EXPECT_EQ(form.ClassName(), "TSXFMSetUp");
    EXPECT_EQ(form.Caption, "MCS SetUp");
    EXPECT_EQ(form.ClientWidth, 417);
    EXPECT_EQ(form.ClientHeight, 417);
    const std::pair<const char*, std::vector<std::string>> groups[] = {
        {"MCS Mem Size", {"MemSize512", "MemSize1024", "MemSize2048", "MemSize4096", "MemSize8192", "Dual512ch",
                          "Dual1024ch", "Dual2048ch"}},
        {"McsMode", {"McsMode1", "McsMode2", "McsMode3", "McsMode4", "McsMode5"}},
        {"DwTimeUnit", {"DwUnit1us", "DwUnit10us", "DwUnit100us", "DwUnit1ms", "DwUnit10ms", "DwUnit100ms"}},
    };
    for (const auto& [caption, buttons] : groups) {
        const Control* group = nullptr;
        for (const Control& c : form.Controls())
            if (c.Kind == ControlKind::GroupBox && c.Text == caption) group = &c;
        ASSERT_NE(group, nullptr) << caption;
        std::vector<std::string> names;
        for (const Control* c : form.Children(group->Name))
            if (c->Kind == ControlKind::RadioButton) names.push_back(c->Name);
        EXPECT_EQ(names, buttons) << caption;
    }
    EXPECT_EQ(form["MemSize512"].Text, " 512ch");
    EXPECT_EQ(form["DwUnit100ms"].Text, "DwUnit100ms");
    EXPECT_EQ(form["Label4"].Text, "ROIMCS ROI[ROI#1]");
    EXPECT_EQ(form["OkButton"].Text, "OK");
    ExpectInsideClientArea(form);
}

}  // namespace
}  // namespace ztmca
