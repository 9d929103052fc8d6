// The simulated instrument at 1 000 000 input counts per second: processor time per simulated
// second of acquisition (target well under 100 ms, 10 % of a core) and allocations per poll.
#include <benchmark/benchmark.h>

#include <array>
#include <cstdio>

#include "alloc_counter.h"
#include "link/simulated/simulated_transport.h"

namespace ztmca {
namespace {

class BenchClock final : public LinkClock {
public:
    std::chrono::steady_clock::time_point Now() override { return now; }
    void Pause(std::chrono::microseconds d) override { now += d; }
    std::chrono::steady_clock::time_point now{};
};

struct Rig {
    explicit Rig(int blocks) : transport(clock) {
        SimulationOptions options;
        options.InputRate = 1'000'000;
        transport.AddInstrument("B", options);
        transport.Open("B", handle);
        char command[16];
        std::snprintf(command, sizeof command, "$M%d;", blocks);
        Exchange(command);
        Exchange("$P0;");
        Exchange("$G;");
    }
    std::size_t Exchange(const char* command) {
        transport.Write(handle, reinterpret_cast<const unsigned char*>(command), std::char_traits<char>::length(command));
        std::size_t waiting = 0, received = 0;
        transport.QueueStatus(handle, waiting);
        transport.Read(handle, reply.data(), reply.size(), received);
        return received;
    }
    // What the program does every 100 ms: the status, then every channel block.
    void Poll(int blocks) {
        Exchange("$R0;");
        static constexpr const char* kBlocks[] = {
            "$R1;",  "$R2;",  "$R3;",  "$R4;",  "$R5;",  "$R6;",  "$R7;",  "$R8;",  "$R9;",  "$R10;", "$R11;",
            "$R12;", "$R13;", "$R14;", "$R15;", "$R16;", "$R17;", "$R18;", "$R19;", "$R20;", "$R21;", "$R22;",
            "$R23;", "$R24;", "$R25;", "$R26;", "$R27;", "$R28;", "$R29;", "$R30;", "$R31;", "$R32;", "$R33;",
            "$R34;", "$R35;", "$R36;", "$R37;", "$R38;", "$R39;", "$R40;", "$R41;", "$R42;", "$R43;", "$R44;",
            "$R45;", "$R46;", "$R47;", "$R48;", "$R49;", "$R50;", "$R51;", "$R52;", "$R53;", "$R54;", "$R55;",
            "$R56;", "$R57;", "$R58;", "$R59;", "$R60;", "$R61;", "$R62;", "$R63;", "$R64;"};
        for (int k = 0; k < blocks; ++k) Exchange(kBlocks[k]);
    }
    BenchClock clock;
    SimulatedTransport transport;
    DeviceHandle handle = 0;
    std::array<unsigned char, 1024> reply{};
};

// One simulated second polled as the program polls it: ten polls of the status and all 64
// blocks of 8192 channels, 100 ms of simulated time apart.
void BM_SimulatedSecondPolledAt8192(benchmark::State& state) {
    Rig rig(64);
    std::size_t allocations = 0, polls = 0;
    for (auto _ : state) {
        for (int i = 0; i < 10; ++i) {
            rig.clock.now += std::chrono::milliseconds(100);
            const std::size_t before = bench::AllocationCount();
            rig.Poll(64);
            allocations += bench::AllocationCount() - before;
            ++polls;
        }
    }
    state.counters["allocs_per_poll"] = static_cast<double>(allocations) / static_cast<double>(polls);
    state.counters["events_per_s"] = rig.transport.Instrument("B")->RecordedRate();
}
BENCHMARK(BM_SimulatedSecondPolledAt8192)->Unit(benchmark::kMillisecond);

// The acquisition alone: one simulated second reached through ten status reads.
void BM_SimulatedSecondStatusOnly(benchmark::State& state) {
    Rig rig(static_cast<int>(state.range(0)) / 128);
    for (auto _ : state) {
        for (int i = 0; i < 10; ++i) {
            rig.clock.now += std::chrono::milliseconds(100);
            rig.Exchange("$R0;");
        }
    }
}
BENCHMARK(BM_SimulatedSecondStatusOnly)->Arg(1024)->Arg(8192)->Unit(benchmark::kMillisecond);

// Commands a few microseconds apart, as in a real poll: each advance adds a handful of events.
void BM_CommandsMicrosecondsApart(benchmark::State& state) {
    Rig rig(64);
    for (auto _ : state) {
        rig.clock.now += std::chrono::microseconds(2);
        rig.Exchange("$R0;");
    }
}
BENCHMARK(BM_CommandsMicrosecondsApart);

// Left alone for an hour, then asked: the catch-up costs about as much as one poll.
void BM_CatchUpAfterAnHour(benchmark::State& state) {
    Rig rig(64);
    for (auto _ : state) {
        rig.clock.now += std::chrono::hours(1);
        rig.Exchange("$R0;");
    }
}
BENCHMARK(BM_CatchUpAfterAnHour)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace ztmca
