// The set-up buttons of the main window: run a dialog, then send its record to the instrument.
#include <cstdio>

#include "app/about_form.h"
#include "app/main_form.h"
#include "link/acquisition_figures.h"
#include "setup/mcs_setup_form.h"
#include "setup/pha_setup_form.h"

namespace ztmca {

void MainForm::CreateStartupForms() {
    // The hidden forms of the start-up, in their order, created once and discarded: the set-up
    // dialogs' creation normalises the records; the others hold nothing the run needs.
    { PhaSetupForm pha(Host(), State.Pha); }
    { SystemUtilityForm utility(Host()); }
    { AboutForm about(Host()); }
    { McsSetupForm mcs(Host(), State.Mcs); }
}

void MainForm::Button10Click() {
    PhaSetup& p = State.Pha;
    SpectrumMemory& m = State.Memory;
    AcquisitionState& acq = State.Acq;
    const std::string headerComment = HeaderComment(m.CurrentHeader);
    SetCommentText(p, headerComment);
    {
        PhaSetupForm dialog(Host(), p);
        if (!Host().RunModal(dialog)) return;
    }
    char command[32];
    if (acq.DeviceOpened == 1) {
        SendMemorySize(p.MemorySize);
        std::snprintf(command, sizeof command, "$P%d;", p.PresetTime);
        SetText("Edit1", command);
        Link.SendCommand(command);
        acq.PresetTimeShown = p.PresetTime;
        if (p.StopCondition == 1) {
            std::snprintf(command, sizeof command, "$p%d;", p.PresetCounts);
            SetText("Edit1", command);
            Link.SendCommand(command);
            acq.PresetCountsShown = p.PresetCounts;
            SendMode(1);
            SetNumber("Edit12", acq.PresetCountsShown);
        } else {
            SendMode(0);
            SetNumber("Edit12", acq.PresetTimeShown);
        }
        SetHeaderComment(m.CurrentHeader, CommentText(p));
        SetNumber("Edit9", m.MemorySize);
        SetText("Edit11", "0.1sec");
        SetText("Edit14", HeaderComment(m.CurrentHeader));
        if (ReadStatus()) {
            ApplyStatusView();
            m.MemorySize = ChannelsInUse(State.Status.I16(status::kMemorySize));
            SetNumber("Edit9", m.MemorySize);
        }
    } else {
        m.MemorySize = p.MemorySize;
        m.LiveHeader.MemorySize = static_cast<std::int16_t>(m.MemorySize);
        m.LiveHeader.PresetTime = p.PresetTime;
        // Without an instrument the dead-time read-out shows the dead time per event.
        acq.DeadTimeShown = TruncateToInt32(static_cast<double>(p.DeadTimePerEvent) * 10.0);
        acq.PresetTimeShown = p.PresetTime;
        acq.PresetCountsShown = p.PresetCounts;
        SetHeaderComment(m.LiveHeader, CommentText(p));
    }
    SetText("Edit8", "MCA");
    SetChecked("MCA1Spec", true);
    RequestRedraw(true);
}

void MainForm::Button7Click() {
    McsSetup& s = State.Mcs;
    {
        McsSetupForm dialog(Host(), s);
        if (!Host().RunModal(dialog)) return;
    }
    if (State.Acq.DeviceOpened == 1) {
        SendMemorySize(s.MemorySize);
        char command[32];
        // Each number is loaded with "$N" and then stored by "$d" into its slot.
        const std::int32_t values[] = {s.SweepCount, s.DwellMultiplier, s.DwellUnit};
        for (int slot = 0; slot < 3; ++slot) {
            std::snprintf(command, sizeof command, "$N%d;", values[slot]);
            SetText("Edit1", command);
            Link.SendCommand(command);
            std::snprintf(command, sizeof command, "$d%d;", slot);
            Link.SendCommand(command);
        }
        SendMode(s.ModeCode);
    }
    SetText("Edit8", "MCS");
    SetNumber("Edit9", State.Memory.MemorySize);
    SetNumber("Edit12", s.SweepCount);
    RequestRedraw(false);
}

}  // namespace ztmca
