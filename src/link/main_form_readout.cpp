// Status and spectrum read-out: the instrument's status block and channel memory into the state.
#include <algorithm>
#include <cstdio>

#include "app/byte_order.h"
#include "app/main_form.h"

namespace ztmca {

bool MainForm::ReadStatus() {
    static constexpr unsigned char kCommand[] = {'$', 'R', '0', ';'};
    std::size_t received = 0;
    if (!Link.ExchangeBytes(kCommand, sizeof kCommand, kStatusBytes, State.Status.Bytes.data(),
                            State.Status.Bytes.size(), received))
        return false;
    SetNumber("Edit13", static_cast<std::int32_t>(received));
    return true;
}

void MainForm::ApplyStatusView() {
    const DeviceStatus& s = State.Status;
    Display.DispStartCh = s.I16(status::kDispStart);
    SetNumber("Label1", Display.DispStartCh, "ch");
    Display.DispEndCh = s.I16(status::kDispEnd);
    SetNumber("Label2", Display.DispEndCh, "ch");
    Display.CursorCh = s.I16(status::kCursor);
    SetNumber("Label3", Display.CursorCh);
    if (s.I16(status::kLogScale) != 0) {
        Display.LogScale = 1;
    } else {
        Display.LogScale = 0;
        const std::int16_t index = s.I16(status::kVfsIndex);
        Display.VfsIndex = index == 0 ? 1 : index;
    }
}

bool MainForm::ReadSpectrum() {
    SpectrumMemory& m = State.Memory;
    // Whatever the memory size claims, the clamp keeps every block inside the 8192 channels.
    const int blocks = ChannelsInUse(m.MemorySize) / kReadoutBlockChannels;
    unsigned char block[kReadoutBlockChannels * 4];
    for (int k = 0; k < blocks; ++k) {
        char command[16];
        const int length = std::snprintf(command, sizeof command, "$R%d;", k + 1);
        std::size_t received = 0;
        const ExchangeResult result =
            Link.Exchange(Link.HandleSlots[0], reinterpret_cast<const unsigned char*>(command),
                          static_cast<std::size_t>(length), sizeof block, block, sizeof block, received);
        // A failed queue call skips the block: its channels keep their old values. A silent
        // instrument ends the read-out, so that it costs one time-out and not one per block.
        if (result == ExchangeResult::QueueFailed) continue;
        if (result != ExchangeResult::Ok) return false;
        const std::span<const std::uint8_t> bytes(block, received);
        const int channels = static_cast<int>(received / 4);
        for (int i = 0; i < channels; ++i) m.MainCounts[k * kReadoutBlockChannels + i] = ReadI32(bytes, 4 * i);
    }
    std::int32_t peak = 0;
    std::uint32_t total = 0;
    const int n = ChannelsInUse(m.MemorySize);
    for (int ch = 10; ch < n; ++ch) {
        peak = std::max(peak, m.MainCounts[ch]);
        total += static_cast<std::uint32_t>(m.MainCounts[ch]);  // wraps modulo 2^32 by design
    }
    m.PeakCount = peak;
    m.TotalCounts = static_cast<float>(total);
    return true;
}

}  // namespace ztmca
