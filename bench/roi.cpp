// The redraw's ROI step with all ten shown ROIs on: sums, texts, shading and labels.
#include <benchmark/benchmark.h>

#include <memory>

#include "alloc_counter.h"
#include "app/main_form.h"

namespace ztmca {
namespace {

// A desktop that draws text as nothing, so the figure is the step's own work.
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

class NoInstrument : public UsbTransport {
public:
    bool ListDevices(std::vector<std::string>&) override { return false; }
    bool Open(const std::string&, DeviceHandle&) override { return false; }
    bool Reset(DeviceHandle) override { return false; }
    bool SetLatencyTimer(DeviceHandle, unsigned char) override { return false; }
    bool SetTimeouts(DeviceHandle, unsigned, unsigned) override { return false; }
    bool Purge(DeviceHandle) override { return false; }
    bool Write(DeviceHandle, const unsigned char*, std::size_t) override { return false; }
    bool QueueStatus(DeviceHandle, std::size_t&) override { return false; }
    bool Read(DeviceHandle, unsigned char*, std::size_t, std::size_t&) override { return false; }
    bool Close(DeviceHandle) override { return false; }
};

void RoiStepTenWindows(benchmark::State& state) {
    QuietHost host;
    NoInstrument transport;
    auto form = std::make_unique<MainForm>(host, transport);
    form->State.Memory.MemorySize = 8192;
    for (int ch = 0; ch < kMaxChannels; ++ch) form->State.Memory.MainCounts[ch] = 1000 + ch % 97;
    form->Geometry = {512, 300, 16, 0};
    form->Display.DispStartCh = 0;
    form->Plot.ColumnTop.fill(120);
    for (int i = 0; i < kRoiShown; ++i) {
        RoiEntry& roi = form->Rois.Entries[i];
        roi.On = 1;
        roi.RoiLch = 100 + i * 800;
        roi.RoiHch = roi.RoiLch + 700;  // 700 channels, about 44 columns each
        roi.Color = 0x00FF00;
    }
    const std::size_t before = bench::AllocationCount();
    for (auto _ : state) {
        form->RoiStep();
        benchmark::DoNotOptimize(form->Bitmaps.PlotBitmap.Data());
    }
    state.counters["allocs/op"] = benchmark::Counter(static_cast<double>(bench::AllocationCount() - before),
                                                     benchmark::Counter::kAvgIterations);
}
BENCHMARK(RoiStepTenWindows)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace ztmca
