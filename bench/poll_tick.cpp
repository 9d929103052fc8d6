// One poll tick at 8192 channels: the status, 64 channel blocks, the figures. The instrument
// answers at once from fixed buffers, so the figure is the link's own work.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <memory>

#include "alloc_counter.h"
#include "app/main_form.h"

namespace ztmca {
namespace {

class QuietHost : public FormHost {
public:
    void DrawText(Bitmap&, int, int, std::string_view text, Colour) override { benchmark::DoNotOptimize(text.data()); }
    int TextWidth(std::string_view text) override { return static_cast<int>(text.size()) * 6; }
    bool RunModal(Form&) override { return false; }
    bool AskOpenFile(const FileDialogSpec&, std::string&) override { return false; }
    bool AskSaveFile(const FileDialogSpec&, std::string&) override { return false; }
    void ShowError(std::string_view) override {}
    LocalDateTime Now() override { return {}; }
    std::string FormatDateTime(const LocalDateTime&) override { return {}; }
    void CloseMainWindow() override {}
};

// A running instrument of 8192 channels that keeps its reply in a fixed buffer.
class InstantInstrument : public UsbTransport {
public:
    InstantInstrument() {
        status_.SetI16(status::kRunning, 1);
        status_.SetI16(status::kMemorySize, 8192);
        status_.SetI16(status::kCountRate, 500);
        status_.SetI32(status::kRealTime, 10009);
        for (std::size_t i = 0; i < block_.size(); ++i) block_[i] = static_cast<unsigned char>(i * 7);
    }
    bool ListDevices(std::vector<std::string>&) override { return false; }
    bool Open(const std::string&, DeviceHandle&) override { return false; }
    bool Reset(DeviceHandle) override { return true; }
    bool SetLatencyTimer(DeviceHandle, unsigned char) override { return true; }
    bool SetTimeouts(DeviceHandle, unsigned, unsigned) override { return true; }
    bool Purge(DeviceHandle) override { return true; }
    bool Write(DeviceHandle, const unsigned char* bytes, std::size_t count) override {
        const bool status = count == 4 && bytes[2] == '0';
        reply_ = status ? status_.Bytes.data() : block_.data();
        waiting_ = status ? status_.Bytes.size() : block_.size();
        return true;
    }
    bool QueueStatus(DeviceHandle, std::size_t& waiting) override {
        waiting = waiting_;
        return true;
    }
    bool Read(DeviceHandle, unsigned char* buffer, std::size_t count, std::size_t& received) override {
        received = std::min(count, waiting_);
        std::copy_n(reply_, received, buffer);
        reply_ += received;
        waiting_ -= received;
        return true;
    }
    bool Close(DeviceHandle) override { return true; }

private:
    DeviceStatus status_;
    std::array<unsigned char, 512> block_{};
    const unsigned char* reply_ = nullptr;
    std::size_t waiting_ = 0;
};

void PollTick8192(benchmark::State& state) {
    QuietHost host;
    InstantInstrument instrument;
    auto form = std::make_unique<MainForm>(host, instrument);
    form->Timer1Timer();  // first tick outside the count: control texts find their size
    const std::size_t before = bench::AllocationCount();
    for (auto _ : state) {
        form->Timer1Timer();
        benchmark::DoNotOptimize(form->State.Memory.MainCounts.data());
    }
    state.counters["allocs/op"] = benchmark::Counter(static_cast<double>(bench::AllocationCount() - before),
                                                     benchmark::Counter::kAvgIterations);
}
BENCHMARK(PollTick8192)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace ztmca
