#include "setup/mcs_setup_form.h"

#include <cstdio>

#include "app/text_convert.h"

namespace ztmca {
namespace {

struct SizeButton {
    const char* Name;
    const char* Caption;
    std::int32_t Size;
};
// The Dual buttons store the same sizes as the single ones; reopening selects the single one.
constexpr SizeButton kSizeButtons[] = {
    {"MemSize512", " 512ch", 512},    {"MemSize1024", "1024ch", 1024},   {"MemSize2048", "2048ch", 2048},
    {"MemSize4096", "4096ch", 4096},  {"MemSize8192", "8192ch", 8192},   {"Dual512ch", "Dual512ch", 512},
    {"Dual1024ch", "Dual1024ch", 1024}, {"Dual2048ch", "Dual2048ch", 2048},
};
constexpr int kSingleSizeButtons = 5;

struct ModeButton {
    const char* Name;
    const char* Label;
    const char* Description;
    std::int32_t Code;
    bool DwellControls;
};
constexpr ModeButton kModeButtons[] = {
    {"McsMode1", "Label1", "MCSR SoftControl", 2, true},
    {"McsMode2", "Label2", "Start[EXT]", 3, true},
    {"McsMode3", "Label3", "Start[EXT], ChAdv[EXT]", 4, false},
    {"McsMode4", "Label4", "ROIMCS ROI[ROI#1]", 5, true},
    {"McsMode5", "Label5", "ROIMCS Mossbauer", 6, false},
};

constexpr const char* kUnitButtons[] = {"DwUnit1us", "DwUnit10us", "DwUnit100us",
                                        "DwUnit1ms", "DwUnit10ms", "DwUnit100ms"};

}  // namespace

McsSetupForm::McsSetupForm(FormHost& host, McsSetup& setup)
    : Form(host, "SXFMSetUp", "TSXFMSetUp", "MCS SetUp", 417, 417), setup_(setup) {
    BoldFont = true;
    BuildDesign();
    BindRadioButtons();
    On("OkButton", Event::Click, [this] { OkButtonClick(); });
    On("CancelButton", Event::Click, [this] { CancelButtonClick(); });
    On(Name(), Event::Close, [this] { Store(); });
    // The sweep count is read when the dialog closes; editing it has no effect before.
    On("Nsweep", Event::Change, [] {});
    FormCreate();
}

void McsSetupForm::BuildDesign() {
    using K = ControlKind;
    Add(K::GroupBox, "GroupBox1", "", "MCS Mem Size", 8, 8, 401, 84);
    for (int i = 0; i < 8; ++i) {
        const SizeButton& b = kSizeButtons[i];
        const bool single = i < kSingleSizeButtons;
        const int left = single ? 8 + i * 78 : 8 + (i - kSingleSizeButtons) * 100;
        Add(K::RadioButton, b.Name, "GroupBox1", b.Caption, left, single ? 22 : 52, single ? 72 : 94, 17);
    }
    (*this)["MemSize1024"].Checked = true;

    Add(K::GroupBox, "McsMode", "", "McsMode", 8, 98, 401, 140);
    for (int i = 0; i < 5; ++i) {
        const ModeButton& b = kModeButtons[i];
        Add(K::RadioButton, b.Name, "McsMode", b.Name, 8, 20 + i * 23, 84, 17);
        Add(K::Label, b.Label, "McsMode", b.Description, 98, 22 + i * 23, 290, 13);
    }
    (*this)["McsMode4"].Checked = true;

    Add(K::GroupBox, "DwTimeUnit", "", "DwTimeUnit", 8, 244, 401, 70);
    for (int i = 0; i < 6; ++i)
        Add(K::RadioButton, kUnitButtons[i], "DwTimeUnit", kUnitButtons[i], 8 + (i % 3) * 130, 20 + (i / 3) * 24,
            120, 17);
    (*this)["DwUnit10us"].Checked = true;

    Add(K::Label, "Label6", "", "DwTime(N x DwUnits) ", 8, 326, 150, 13);
    Add(K::Edit, "DwTset", "", "10", 160, 322, 110, 21);
    Add(K::Label, "Label7", "", "SweepCounts [32bit]", 8, 354, 150, 13);
    Add(K::Edit, "Nsweep", "", "10000000", 160, 350, 110, 21);
    Add(K::Button, "OkButton", "", "OK", 240, 384, 75, 25).Default = true;
    Add(K::Button, "CancelButton", "", "Cancel", 326, 384, 75, 25);
}

void McsSetupForm::BindRadioButtons() {
    for (const SizeButton& b : kSizeButtons) On(b.Name, Event::Click, [this, size = b.Size] { setup_.MemorySize = size; });
    for (const ModeButton& b : kModeButtons)
        On(b.Name, Event::Click, [this, code = b.Code, dwell = b.DwellControls] {
            setup_.ModeCode = code;
            EnableDwellControls(dwell);
        });
    for (int unit = 0; unit < 6; ++unit)
        On(kUnitButtons[unit], Event::Click, [this, unit] { setup_.DwellUnit = unit; });
}

void McsSetupForm::EnableDwellControls(bool enabled) {
    (*this)["DwTimeUnit"].Enabled = enabled;
    (*this)["DwTset"].Enabled = enabled;
}

void McsSetupForm::FormCreate() {
    McsSetup& m = setup_;
    for (int i = 0; i < kSingleSizeButtons; ++i)
        if (kSizeButtons[i].Size == m.MemorySize) SetChecked(kSizeButtons[i].Name, true);
    for (const ModeButton& b : kModeButtons) {
        if (b.Code != m.ModeCode) continue;
        SetChecked(b.Name, true);
        EnableDwellControls(b.DwellControls);
    }
    if (m.DwellMultiplier == 0) m.DwellMultiplier = 1;
    char text[32];
    std::snprintf(text, sizeof text, "%10d", m.DwellMultiplier);
    SetText("DwTset", text);
    if (m.SweepCount == 0) m.SweepCount = 1000;
    std::snprintf(text, sizeof text, "%12d", m.SweepCount);
    SetText("Nsweep", text);
    if (m.DwellUnit >= 0 && m.DwellUnit < 6) SetChecked(kUnitButtons[m.DwellUnit], true);
}

void McsSetupForm::Store() {
    McsSetup& m = setup_;
    for (const SizeButton& b : kSizeButtons)
        if ((*this)[b.Name].Checked) m.MemorySize = b.Size;
    for (const ModeButton& b : kModeButtons)
        if ((*this)[b.Name].Checked) m.ModeCode = b.Code;
    for (int unit = 0; unit < 6; ++unit)
        if ((*this)[kUnitButtons[unit]].Checked) m.DwellUnit = unit;
    TryStrToInt((*this)["DwTset"].Text, m.DwellMultiplier);
    TryStrToInt((*this)["Nsweep"].Text, m.SweepCount);
}

void McsSetupForm::OkButtonClick() {
    Store();
    Result = ModalResult::Ok;
}

void McsSetupForm::CancelButtonClick() { Result = ModalResult::Cancel; }

}  // namespace ztmca
