// Which memory the plot shows: a work memory, the MCA memory, and captured overlay traces.
#include <algorithm>

#include "app/main_form.h"
#include "display/view_helpers.h"
#include "link/acquisition_figures.h"

namespace ztmca {
void MainForm::TakeHeaderView(const SpectrumHeader& header) {
    State.Acq.LiveTime = header.LiveTime;
    State.Acq.RealTime = header.RealTime;
    State.Acq.PresetTimeShown = header.PresetTime;
    TakeHeaderCalibration(Calibration, header);
    for (std::size_t i = 0; i < Rois.Entries.size(); ++i) {
        RoiEntry& roi = Rois.Entries[i];
        roi.RoiLch = header.RoiLch[i];
        roi.RoiHch = header.RoiHch[i];
        roi.Color = header.RoiColor[i];
    }
}

void MainForm::ShowWorkMemory(int k) {
    if (k < 1 || k > kWorkMemories) return;
    SpectrumMemory& m = State.Memory;
    const std::size_t index = static_cast<std::size_t>(k - 1);
    m.CurrentName = m.WorkNames[index];
    m.CurrentHeader = m.WorkHeaders[index];
    const int channels = ChannelsInUse(m.CurrentHeader.MemorySize);
    std::copy_n(m.WorkCounts[index].begin(), channels, m.MainCounts.begin());
    TakeHeaderView(m.CurrentHeader);
    // The new memory shows at the next full redraw; the cursor read-out at once.
    RequestRedraw(false);
}

void MainForm::ShowMcaMemory() {
    SpectrumMemory& m = State.Memory;
    m.CurrentHeader = m.LiveHeader;
    m.CurrentName = "MCA";
    TakeHeaderView(m.CurrentHeader);
    if (InstrumentOpen(*this)) {
        ReadSpectrum();
        if (ReadStatus()) {
            ApplyStatusView();
            AcquisitionState& acq = State.Acq;
            acq.RealTime = RealTimeFromStatus(State.Status.I32(status::kRealTime));
            // Live time as the poll loop derives it: real time less the dead time of the counted events.
            acq.LiveTime = LiveTimeOf(acq.RealTime, m.TotalCounts, State.Pha.DeadTimePerEvent);
            acq.RealTime = State.Pha.PresetTime;
        }
    }
    RequestRedraw(false);
}

void MainForm::OverLapONClick() {
    static constexpr const char* kButtons[kWorkMemories] = {"Mem1Spec", "Mem2Spec", "Mem3Spec"};
    DisplayState& d = Display;
    for (std::size_t k = 0; k < kWorkMemories; ++k) {
        if (!(*this)[kButtons[k]].Checked) continue;
        if (d.OverlapOn[k] == 1) {
            d.OverlapOn[k] = 0;
            continue;
        }
        d.OverlapOn[k] = 1;
        State.Memory.CurrentName = State.Memory.WorkNames[k];
        d.OverlayTop[k] = Plot.ColumnTop;
        d.OverlayBottom[k] = Plot.ColumnBottom;
        d.OverlayColumns[k] = Geometry.W;
    }
    // The captured traces are drawn over the plot, so they show (or go) with a full redraw.
    RequestRedraw(true);
}

}  // namespace ztmca
