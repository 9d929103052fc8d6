// The redraw's ROI step with all ten shown ROIs on: sums, texts, shading and labels.
#include <benchmark/benchmark.h>

#include <memory>

#include "alloc_counter.h"
#include "support/null_host.h"
#include "app/main_form.h"

namespace ztmca {
namespace {

void RoiStepTenWindows(benchmark::State& state) {
    testing::NullHost host;
    testing::NoInstrument transport;
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
