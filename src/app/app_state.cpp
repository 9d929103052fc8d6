#include "app/app_state.h"

#include <algorithm>

#include "app/byte_order.h"

namespace ztmca {

std::int16_t DeviceStatus::I16(std::size_t offset) const { return ReadI16(Bytes, offset); }
std::int32_t DeviceStatus::I32(std::size_t offset) const { return ReadI32(Bytes, offset); }
void DeviceStatus::SetI16(std::size_t offset, std::int16_t value) { WriteI16(Bytes, offset, value); }
void DeviceStatus::SetI32(std::size_t offset, std::int32_t value) { WriteI32(Bytes, offset, value); }

void ResetToDefaults(AppState& state) {
    SpectrumMemory& m = state.Memory;
    m.MainCounts.fill(0);
    for (auto& work : m.WorkCounts) work.fill(0);
    // The start-up ramp: channel i holds i, and the upper half of the MCA memory repeats it.
    for (int i = 0; i < 4096; ++i) {
        m.MainCounts[i] = i;
        m.MainCounts[4096 + i] = i;
        for (auto& work : m.WorkCounts) work[i] = i;
    }
    m.MemorySize = 1024;
    m.CurrentHeader = SpectrumHeader{};
    m.LiveHeader = SpectrumHeader{};
    for (auto& h : m.WorkHeaders) h = SpectrumHeader{};
    m.CurrentName.clear();
    for (auto& n : m.WorkNames) n.clear();
    m.PeakCount = 0;
    m.TotalCounts = 0.0f;
    m.CountRate = 0.0f;
    state.Pha = PhaSetup{};
    state.Mcs = McsSetup{};
    state.Status = DeviceStatus{};
    state.Acq = AcquisitionState{};
}

int ChannelsInUse(std::int32_t memorySize) { return std::clamp(memorySize, 0, kMaxChannels); }

void ClearMainCounts(SpectrumMemory& memory) {
    std::fill_n(memory.MainCounts.begin(), ChannelsInUse(memory.MemorySize), 0);
}

void SetName(std::string& target, std::string_view text) {
    target.assign(text.substr(0, std::min(text.size(), kMaxNameLength)));
}

std::string CommentText(const PhaSetup& setup) { return FieldText(setup.CommentText); }

void SetCommentText(PhaSetup& setup, std::string_view text) { SetFieldText(setup.CommentText, text); }

}  // namespace ztmca
