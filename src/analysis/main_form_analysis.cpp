// Energy calibration, peak snap and FWHM on the main window.
#include <cstdio>
#include <span>

#include "analysis/energy_calibration.h"
#include "analysis/fwhm.h"
#include "analysis/peak_snap.h"
#include "app/main_form.h"
#include "app/spectrum_header.h"
#include "app/text_convert.h"

namespace ztmca {
namespace {

constexpr const char* kNoPeak = "Error ! No Peak";

std::span<const std::int32_t> CountsInUse(const SpectrumMemory& memory) {
    return {memory.MainCounts.data(), static_cast<std::size_t>(ChannelsInUse(memory.MemorySize))};
}

// The calibration boxes work as push buttons: after filling the edit the box is unchecked, which
// runs its click handler again; that second run finds the box unchecked and does nothing.
void TakeCursorChannel(MainForm& form, std::string_view box, std::string_view edit) {
    if (!form[box].Checked) return;
    const float peak = form.SnappedPeak;
    const std::int32_t cursor = form.Display.CursorCh;
    // The snapped centroid is taken as long as the cursor still stands on it.
    form.SetText(edit, ChannelOf(peak) == cursor ? Format("%8.2f", static_cast<double>(peak)) : Format("%d", cursor));
    form.SetChecked(box, false);
}

void CheckChannelText(MainForm& form, std::string_view edit, const char* message) {
    float value = 0.0f;
    if (!TryStrToSingle(form[edit].Text, value)) form.SetText("Edit1", message);
}

}  // namespace

void MainForm::LengChClick() { TakeCursorChannel(*this, "LengCh", "LowCh"); }

void MainForm::HengChClick() { TakeCursorChannel(*this, "HengCh", "HiCh"); }

void MainForm::LowChChange() { CheckChannelText(*this, "LowCh", "Error ! EngCalib LowCh"); }

void MainForm::HiChChange() { CheckChannelText(*this, "HiCh", "Error ! EngCalib HiCh"); }

void MainForm::EngCalibClick() {
    struct Input {
        const char* Edit;
        const char* Message;
        float Value;
    };
    Input inputs[] = {
        {"LowCh", "Error ! Energy Calib LowCh", 0.0f},
        {"HiCh", "Error ! Energy Calib HighCh", 0.0f},
        {"LoEng", "Error ! Energy Calib LowEng", 0.0f},
        {"HiEng", "Error ! Energy Calib HighEng", 0.0f},
    };
    for (Input& input : inputs) {
        if (!TryStrToSingle((*this)[input.Edit].Text, input.Value)) {
            SetText("Edit1", input.Message);
            return;
        }
    }
    float gain = 0.0f, offset = 0.0f;
    switch (ComputeCalibration(inputs[0].Value, inputs[1].Value, inputs[2].Value, inputs[3].Value, gain, offset)) {
        case CalibrationOutcome::EqualChannels:
            SetText("Edit1", "Error ! Energy Calib Channels");
            return;
        case CalibrationOutcome::OutOfRange:
            SetText("Edit1", "Error ! Energy Calib Range");
            return;
        case CalibrationOutcome::Done:
            break;
    }
    SetFieldText(Calibration.Unit, (*this)["ChKev"].Text);
    Calibration.Gain = gain;
    Calibration.Offset = offset;
    Calibration.Valid = 1;
}

void MainForm::SnapPeakClick() {
    SnapResult snap;
    if (!SnapPeak(CountsInUse(State.Memory), Display.CursorCh, snap)) {
        SetText("Edit1", kNoPeak);
        return;
    }
    SnappedPeak = snap.Position;
    SetText("Edit1", Format("%8.2f", static_cast<double>(snap.Position)));
    SetText("Label3", Format("%d", snap.Channel));
    Display.CursorCh = snap.Channel;
    if (State.Acq.DeviceCount != 0) {
        // The centroid never leaves the memory, so the channel always fits four digits.
        char command[16];
        std::snprintf(command, sizeof command, "$@C%04d;", static_cast<int>(snap.Channel));
        Link.SendCommand(command);
    }
    PaintBox1Paint();
}

void MainForm::FWHMClick() {
    FwhmResult fwhm;
    if (!MeasureFwhm(CountsInUse(State.Memory), Display.CursorCh, Display.DispStartCh, Display.DispEndCh, fwhm)) {
        SetText("Edit1", kNoPeak);
        return;
    }
    SetText("Edit1", Format("Peak %8.2f Ch.", static_cast<double>(fwhm.Centroid)));
    SetText("FwhmVal", Format("%8.2f ch", static_cast<double>(fwhm.Width)));
}

}  // namespace ztmca
