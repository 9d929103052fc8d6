// One poll tick of the main form (status, all channel blocks, derived values, redraw) at 8192
// channels against the simulated instrument: time per tick (target < 0.5 ms without latency),
// allocations per tick (target 0), and the tick with a modelled USB latency per exchange.
#include <benchmark/benchmark.h>

#include <cstdio>

#include "alloc_counter.h"
#include "support/null_host.h"
#include "app/main_form.h"
#include "link/simulated/simulated_transport.h"

namespace ztmca {
namespace {

// The form with its instrument open and an acquisition without preset running at `channels`.
struct TickRig {
    TickRig(int channels, std::chrono::microseconds latency) : form(host, transport) {
        SimulationOptions options;
        options.InputRate = 100000;
        transport.AddInstrument("ZTSIM001", options);
        form.McaOpenClick();
        if (form.State.Acq.DeviceOpened == 0) {
            transport.Open("ZTSIM001", form.Link.HandleSlots[0]);
            form.State.Acq.DeviceOpened = 1;
        }
        char command[16];
        std::snprintf(command, sizeof command, "$M%d;", channels / 128);
        form.Link.SendCommand(command);
        form.Link.SendCommand("$P0;");
        form.Link.SendCommand("$D0;");
        form.Link.SendCommand("$G;");
        form.State.Memory.MemorySize = channels;
        form.State.Acq.Acquiring = 1;
        form["Timer1"].Enabled = true;
        transport.SetLatency(latency);
        form.Timer1Timer();  // the first tick sizes everything
    }
    testing::NullHost host;
    SimulatedTransport transport;
    MainForm form;
};

void Tick(benchmark::State& state, int channels, std::chrono::microseconds latency) {
    TickRig rig(channels, latency);
    const std::size_t before = bench::AllocationCount();
    for (auto _ : state) rig.form.Timer1Timer();
    state.counters["allocs_per_tick"] =
        static_cast<double>(bench::AllocationCount() - before) / static_cast<double>(state.iterations());
}

void BM_PollTick8192(benchmark::State& state) { Tick(state, 8192, std::chrono::microseconds(0)); }
BENCHMARK(BM_PollTick8192)->Unit(benchmark::kMicrosecond);

void BM_PollTickWithUsbLatency(benchmark::State& state) {
    Tick(state, static_cast<int>(state.range(0)), std::chrono::microseconds(state.range(1)));
}
BENCHMARK(BM_PollTickWithUsbLatency)
    ->ArgsProduct({{512, 1024, 2048, 4096, 8192}, {125}})
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

// The tick's read-out part on its own: status, view, every block, peak and total.
void Readout(benchmark::State& state, int channels, std::chrono::microseconds latency) {
    TickRig rig(channels, latency);
    const std::size_t before = bench::AllocationCount();
    for (auto _ : state) {
        rig.form.ReadStatus();
        rig.form.ApplyStatusView();
        rig.form.ReadSpectrum();
    }
    state.counters["allocs_per_readout"] =
        static_cast<double>(bench::AllocationCount() - before) / static_cast<double>(state.iterations());
}

void BM_ReadoutAt8192(benchmark::State& state) { Readout(state, 8192, std::chrono::microseconds(0)); }
BENCHMARK(BM_ReadoutAt8192)->Unit(benchmark::kMicrosecond);

void BM_ReadoutWithUsbLatency(benchmark::State& state) {
    Readout(state, static_cast<int>(state.range(0)), std::chrono::microseconds(state.range(1)));
}
BENCHMARK(BM_ReadoutWithUsbLatency)
    ->ArgsProduct({{512, 1024, 2048, 4096, 8192}, {125}})
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ztmca
