// A full redraw of an 8192-channel memory: time and heap allocations per redraw, in both
// layouts, line and dot traces, log and linear scales.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>

#include "alloc_counter.h"
#include "support/null_host.h"
#include "app/main_form.h"

namespace {

using namespace ztmca;

// A noisy spectrum with a few peaks, so columns carry real bars.
void FillSpectrum(ChannelArray& counts) {
    std::uint32_t seed = 12345;
    for (int ch = 0; ch < kMaxChannels; ++ch) {
        seed = seed * 1664525u + 1013904223u;
        std::int32_t v = 200 + static_cast<std::int32_t>(seed >> 24);
        for (int peak : {800, 2100, 4500, 7000}) {
            const int d = ch - peak;
            if (d > -40 && d < 40) v += 200000 / (1 + d * d);
        }
        counts[static_cast<std::size_t>(ch)] = v;
    }
}

// Arguments: large layout, dot trace, linear scale.
void BM_FullRedraw(benchmark::State& state) {
    testing::NullHost host;
    testing::NoInstrument transport;
    auto form = std::make_unique<MainForm>(host, transport);
    if (state.range(0) == 1) {
        form->Edit1Click(WindowState::Normal);  // the window opening
        form->Edit1Click(WindowState::Normal);  // maximized
    }
    FillSpectrum(form->State.Memory.MainCounts);
    form->State.Memory.MemorySize = 8192;
    form->Display.DispStartCh = 0;
    form->Display.DispEndCh = 8191;
    form->Display.CursorCh = 4096;
    form->Display.LineMode = state.range(1) == 1 ? 0 : 1;
    if (state.range(2) == 1) {
        form->Display.VfsIndex = 8;
        form->DrawLinearAxis(true);
    } else {
        form->DrawLogAxis(true);
    }
    form->RequestRedraw(true);
    const std::size_t before = ztmca::bench::AllocationCount();
    for (auto _ : state) {
        form->Display.RedrawNeeded = 1;
        form->PaintBox1Paint();
        benchmark::DoNotOptimize(form->Bitmaps.PaintBox.Data());
    }
    const double allocations = static_cast<double>(ztmca::bench::AllocationCount() - before);
    state.counters["allocs_per_redraw"] = allocations / static_cast<double>(state.iterations());
    state.SetLabel(std::string(state.range(0) ? "1024x600" : "512x300") + (state.range(1) ? " dot" : " line") +
                   (state.range(2) ? " linear" : " log"));
}

BENCHMARK(BM_FullRedraw)->ArgsProduct({{0, 1}, {0, 1}, {0, 1}})->Unit(benchmark::kMicrosecond);

}  // namespace
