// Acquisition control: the start, stop, pause and clear buttons of both pages and the poll loop.
#include <cstdio>

#include "app/main_form.h"
#include "link/acquisition_figures.h"

namespace ztmca {

namespace {

void SetTimer(Form& form, bool on) { form["Timer1"].Enabled = on; }

}  // namespace

bool MainForm::SendMode(std::int32_t mode) {
    char command[24];
    std::snprintf(command, sizeof command, "$D%d;", mode);
    if (!Link.SendCommand(command)) return false;
    State.Acq.AcquisitionMode = mode;
    return true;
}

bool MainForm::SendStart() {
    if (!Link.SendCommand("$G;")) {
        State.Acq.Acquiring = 0;
        return false;
    }
    State.Acq.Acquiring = 1;
    SetText("Edit10", Host().FormatDateTime(Host().Now()));
    return true;
}

bool MainForm::SendStop() {
    if (!Link.SendCommand("$S;")) return false;
    SetTimer(*this, false);
    State.Acq.Acquiring = 0;
    return true;
}

bool MainForm::SendClear() {
    if (!Link.SendCommand("$C;")) return false;
    ClearMainCounts(State.Memory);
    return true;
}

bool MainForm::SendMemorySize(std::int32_t memorySize) {
    char command[24];
    std::snprintf(command, sizeof command, "$M%d;", memorySize / kReadoutBlockChannels);
    if (!Link.SendCommand(command)) return false;
    State.Memory.MemorySize = memorySize;
    return true;
}

void MainForm::McaStartClick() {
    SpectrumMemory& m = State.Memory;
    m.CurrentHeader = m.LiveHeader;
    if (State.Acq.DeviceOpened == 1) {
        SendMode(0);
        SendStart();
        SetTimer(*this, true);
    }
    const LocalDateTime now = Host().Now();
    SpectrumHeader& h = m.CurrentHeader;
    h.Year = static_cast<std::int16_t>(now.Year);
    h.Month = static_cast<std::int16_t>(now.Month);
    h.Day = static_cast<std::int16_t>(now.Day);
    h.Hour = static_cast<std::int16_t>(now.Hour);
    h.Minute = static_cast<std::int16_t>(now.Minute);
    h.Second = static_cast<std::int16_t>(now.Second);
    SetName(m.CurrentName, "MCA");
    DrawLogAxis(true);
    RequestRedraw(false);
}

void MainForm::McaStopClick() {
    SendMode(0);
    SendStop();
    RequestRedraw(false);
}

void MainForm::McaClearClick() {
    SendMode(0);
    SendClear();
    RequestRedraw(true);
}

void MainForm::SxfmStartClick() {
    SendMode(State.Mcs.ModeCode);
    SendStart();
    SetTimer(*this, true);
    SetText("Edit8", "MCS");
    DrawLogAxis(true);
    RequestRedraw(false);
}

void MainForm::SxfmStopClick() {
    SendMode(State.Mcs.ModeCode);
    if (State.Acq.Acquiring == 1) SendStop();
}

void MainForm::SxfmPauseClick() { SxfmStopClick(); }

void MainForm::SxfmClearClick() {
    SendMode(State.Mcs.ModeCode);
    SendClear();
    RequestRedraw(true);
}

void MainForm::Timer1Timer() {
    Display.RedrawNeeded = 1;
    if (!ReadStatus()) return;
    ApplyStatusView();
    const DeviceStatus& s = State.Status;
    const std::int16_t mode = s.I16(status::kMode);
    const bool mcs = mode > 1;
    if (mcs) SetNumber("Edit4", s.I32(status::kSweeps));
    // Offset 276 sizes every read-out, MCS ones included. A garbled size is held to the channel
    // memory here, so no later scan, copy or file write can be led past channel 8191.
    State.Memory.MemorySize = ChannelsInUse(s.I16(status::kMemorySize));
    SetNumber("Edit9", State.Memory.MemorySize);

    SetTimer(*this, false);
    ReadSpectrum();
    SetTimer(*this, true);

    AcquisitionState& acq = State.Acq;
    const float deadTimePerEvent = State.Pha.DeadTimePerEvent;
    State.Memory.CountRate = static_cast<float>(s.I16(status::kCountRate)) * 10.0f;
    acq.RealTime = RealTimeFromStatus(s.I32(status::kRealTime));
    acq.LiveTime = LiveTimeOf(acq.RealTime, State.Memory.TotalCounts, deadTimePerEvent);
    acq.DeadTimeShown = DeadTimeShownOf(State.Memory.CountRate, deadTimePerEvent);

    if (s.I16(status::kRunning) != 0) {
        RequestRedraw(true);
        return;
    }

    // The acquisition has ended: a last read-out, stop the instrument, stop polling.
    SetTimer(*this, false);
    ReadSpectrum();
    SendStop();
    acq.Acquiring = 0;
    if (mcs) {
        SetNumber("Edit4", s.I32(status::kSweeps));
    } else {
        acq.RealTime = RealTimeFromStatus(s.I32(status::kRealTime));
        acq.LiveTime = LiveTimeOf(acq.RealTime, State.Memory.TotalCounts, deadTimePerEvent);
        // A stop at the preset time shows the preset; a stop at the preset count keeps the time
        // that was really measured, which the preset time would misstate. The count stop is
        // known from the instrument's mode or, as the start sends "$D0;" over the set-up's
        // "$D1;", from the set-up that chose it.
        const bool countStop = mode == 1 || State.Pha.StopCondition == 1;
        if (!countStop) acq.RealTime = State.Pha.PresetTime;
    }
    RequestRedraw(true);
}

}  // namespace ztmca
