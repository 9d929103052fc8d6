#include "setup/pha_setup_form.h"

#include <cstdio>

#include "app/text_convert.h"
#include "link/acquisition_figures.h"

namespace ztmca {

std::int32_t PhaMemorySizeOfItem(int item) {
    switch (item) {
        case 0: return 512;
        case 1: return 1024;
        case 2: return 2048;
        default: return 4096;
    }
}

PhaSetupForm::PhaSetupForm(FormHost& host, PhaSetup& setup)
    : Form(host, "XMCA1SetUp", "TXMCA1SetUp", "VOZE1 SetUp", 477, 178), setup_(setup) {
    BuildDesign();
    On("OkButton", Event::Click, [this] { OkButtonClick(); });
    On("CancelButton", Event::Click, [this] { CancelButtonClick(); });
    On(Name(), Event::Close, [this] { Store(); });
    // Editing has no effect until the dialog closes: the change handlers only try the text.
    On("PresetRT", Event::Change, [] {});
    On("PresetSC", Event::Change, [] {});
    On("DeadTime", Event::Change, [] {});
    FormCreate();
}

void PhaSetupForm::BuildDesign() {
    using K = ControlKind;
    Control& memory = Add(K::RadioGroup, "McaMemory", "", "McaMemory", 8, 8, 105, 130);
    memory.Items = {" 512 ch", "1024 ch", "2048 ch", "4096 ch", "8192 ch"};
    memory.ItemIndex = 1;
    Add(K::Label, "Label1", "", "Preset Time", 124, 14, 110, 13);
    Add(K::Edit, "PresetRT", "", "1000.0", 240, 10, 80, 21);
    Add(K::Label, "Label2", "", "sec", 326, 14, 30, 13);
    Add(K::Label, "Label3", "", "Preset Counts", 124, 40, 110, 13);
    Add(K::Edit, "PresetSC", "", "10000", 240, 36, 80, 21);
    Add(K::Label, "Label4", "", "Dead Time per Event", 120, 66, 118, 13);
    Add(K::Edit, "DeadTime", "", "1.8", 240, 62, 80, 21);
    Add(K::Label, "Label5", "", "usec", 326, 66, 30, 13);
    Control& stop = Add(K::RadioGroup, "AcqStop", "", "AcqStop", 364, 8, 105, 62);
    stop.Items = {"Time", "Counts"};
    stop.ItemIndex = 0;
    Add(K::Label, "Label6", "", "Comment", 124, 100, 60, 13);
    Add(K::Edit, "SpcLabel1", "", "Comment", 190, 96, 279, 21);
    Add(K::Button, "OkButton", "", "Ok", 300, 143, 75, 25);
    Add(K::Button, "CancelButton", "", "Cancel", 394, 143, 75, 25);
}

void PhaSetupForm::FormCreate() {
    PhaSetup& p = setup_;
    if (p.MemorySize > 4096) p.MemorySize = 4096;
    if (p.PresetTime <= 0) p.PresetTime = 100;
    switch (p.MemorySize) {
        case 512: SetItemIndex("McaMemory", 0); break;
        case 1024: SetItemIndex("McaMemory", 1); break;
        case 2048: SetItemIndex("McaMemory", 2); break;
        case 4096: SetItemIndex("McaMemory", 3); break;
        default: break;
    }
    if (p.StopCondition == 0 || p.StopCondition == 1) SetItemIndex("AcqStop", p.StopCondition);
    char text[64];
    std::snprintf(text, sizeof text, "%11.1f", p.PresetTime * 0.1);
    SetText("PresetRT", text);
    std::snprintf(text, sizeof text, "%10d", p.PresetCounts);
    SetText("PresetSC", text);
    std::snprintf(text, sizeof text, "%4.1f", static_cast<double>(p.DeadTimePerEvent));
    SetText("DeadTime", text);
    SetText("SpcLabel1", CommentText(p));
}

void PhaSetupForm::Store() {
    PhaSetup& p = setup_;
    const int memoryItem = (*this)["McaMemory"].ItemIndex;
    if (memoryItem >= 0) p.MemorySize = PhaMemorySizeOfItem(memoryItem);
    // Single precision before the truncation: 1677721.7 s gives 16777218, not 16777217.
    const float tenths = static_cast<float>(StrToFloat((*this)["PresetRT"].Text) * 10.0 + 0.001);
    p.PresetTime = TruncateToInt32(tenths);
    p.PresetCounts = StrToInt((*this)["PresetSC"].Text);
    p.DeadTimePerEvent = static_cast<float>(StrToFloat((*this)["DeadTime"].Text));
    SetCommentText(p, (*this)["SpcLabel1"].Text);
    const int stopItem = (*this)["AcqStop"].ItemIndex;
    if (stopItem >= 0) p.StopCondition = stopItem;
}

void PhaSetupForm::OkButtonClick() {
    Store();
    Result = ModalResult::Ok;
}

void PhaSetupForm::CancelButtonClick() { Result = ModalResult::Cancel; }

}  // namespace ztmca
