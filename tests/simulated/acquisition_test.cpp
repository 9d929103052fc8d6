// The acquisition as a detector would fill it: presets, dead time, MCS sweeps, status fields.
#include <gtest/gtest.h>

#include <cmath>

#include "simulated/sim_fixture.h"

namespace ztmca::testing {
namespace {

using std::chrono::milliseconds;
using std::chrono::seconds;

std::uint64_t MemorySum(const SimulatedInstrument& instrument) {
    std::uint64_t sum = 0;
    for (int c = 0; c < instrument.MemorySize(); ++c) sum += instrument.Count(c);
    return sum;
}

TEST(SimulatedAcquisition, StatusBlockCarriesSetUpViewAndProgress) {
    SimFixture sim;
    ASSERT_TRUE(sim.Accepted("$M16;"));
    DeviceStatus s = sim.Status();
    EXPECT_EQ(s.I16(status::kMemorySize), 2048);
    EXPECT_EQ(s.I16(status::kMemorySize2), 0);
    EXPECT_EQ(s.I16(status::kDispStart), 0);
    EXPECT_EQ(s.I16(status::kDispEnd), 2047);
    EXPECT_EQ(s.I16(status::kCursor), 1024);
    EXPECT_EQ(s.I16(status::kLogScale), 1);
    EXPECT_EQ(s.I16(status::kVfsIndex), 1);
    EXPECT_EQ(s.I16(status::kMode), 0);
    EXPECT_EQ(s.I16(status::kRunning), 0);
    EXPECT_EQ(s.I32(status::kRealTime), 0);

    sim.Send("$G;");
    sim.Wait(milliseconds(1234));
    s = sim.Status();
    EXPECT_EQ(s.I16(status::kRunning), 1);
    EXPECT_EQ(s.I32(status::kRealTime), 123);  // hundredths, truncated
    const double rate = static_cast<double>(sim.instrument->RecordedEvents()) / 1.234;
    EXPECT_NEAR(s.I16(status::kCountRate), rate / 10.0, 1.0);

    sim.Send("$S;");
    ASSERT_TRUE(sim.Accepted("$D3;"));
    s = sim.Status();
    EXPECT_EQ(s.I16(status::kMode), 3);
    EXPECT_EQ(s.I16(status::kMemorySize2), 2048);
}

TEST(SimulatedAcquisition, PresetTimeEndsTheRunAtThePresetRealTime) {
    SimFixture sim;
    sim.Send("$P100;");  // 10.0 s
    sim.Send("$D0;");
    sim.Send("$G;");
    sim.Wait(milliseconds(9990));
    DeviceStatus s = sim.Status();
    EXPECT_EQ(s.I16(status::kRunning), 1);
    EXPECT_EQ(s.I32(status::kRealTime), 999);
    sim.Wait(seconds(5));
    s = sim.Status();
    EXPECT_EQ(s.I16(status::kRunning), 0);
    EXPECT_EQ(s.I32(status::kRealTime), 1000);
    EXPECT_EQ(sim.instrument->RealTimeNs(), 10'000'000'000);
    const std::uint64_t events = sim.instrument->RecordedEvents();
    EXPECT_EQ(MemorySum(*sim.instrument), events);
    // Nothing more is counted, and starting again without a clear ends at once.
    sim.Wait(seconds(5));
    EXPECT_EQ(sim.Send("$G;"), "!");
    sim.Wait(seconds(1));
    EXPECT_EQ(sim.Status().I16(status::kRunning), 0);
    EXPECT_EQ(sim.instrument->RecordedEvents(), events);
    // A clear starts the next run afresh.
    sim.Send("$C;");
    EXPECT_EQ(MemorySum(*sim.instrument), 0u);
    sim.Send("$G;");
    sim.Wait(seconds(1));
    EXPECT_EQ(sim.Status().I32(status::kRealTime), 100);
}

TEST(SimulatedAcquisition, PresetCountStopsAtExactlyTheCount) {
    for (const std::int64_t preset : {7, 5000, 300000}) {
        SimulationOptions options;
        options.InputRate = 100000;
        SimFixture sim(options);
        sim.Send("$p" + std::to_string(preset) + ";");
        sim.Send("$D1;");
        sim.Send("$G;");
        sim.Wait(seconds(30));
        EXPECT_EQ(sim.Status().I16(status::kRunning), 0);
        EXPECT_EQ(sim.instrument->RecordedEvents(), static_cast<std::uint64_t>(preset));
        EXPECT_EQ(MemorySum(*sim.instrument), static_cast<std::uint64_t>(preset));
        // It took about preset / recorded rate, not the 30 s the clock moved.
        const double expected = static_cast<double>(preset) / sim.instrument->RecordedRate();
        EXPECT_NEAR(sim.instrument->RealTimeNs() * 1e-9, expected, 0.05 * expected + 1e-3) << preset;
    }
}

TEST(SimulatedAcquisition, DeadTimeMakesLiveTimeShortOfRealTimeAsTheRateSays) {
    SimulationOptions options;
    options.InputRate = 200000;
    options.DeadTimeUs = 1.2;
    SimFixture sim(options);
    sim.Send("$P0;");  // no time limit
    sim.Send("$G;");
    for (int i = 0; i < 100; ++i) {
        sim.Wait(milliseconds(100));
        sim.Status();
    }
    const double real = sim.instrument->RealTimeNs() * 1e-9;
    const double live = sim.instrument->LiveTimeNs() * 1e-9;
    ASSERT_DOUBLE_EQ(real, 10.0);
    // Non-paralysable: recorded rate n / (1 + n tau), live fraction 1 / (1 + n tau).
    const double recorded = 200000.0 / (1.0 + 200000.0 * 1.2e-6);
    EXPECT_NEAR(static_cast<double>(sim.instrument->RecordedEvents()), recorded * 10.0, 5.0 * std::sqrt(recorded * 10.0));
    EXPECT_NEAR(live, 10.0 / 1.24, 0.01);
    EXPECT_NEAR(sim.Status().I16(status::kCountRate), recorded / 10.0, 0.01 * recorded / 10.0);
}

TEST(SimulatedAcquisition, CountRateFieldSaturatesInsteadOfWrapping) {
    SimulationOptions options;
    options.InputRate = 5'000'000;
    options.DeadTimeUs = 0.1;  // 3.3 million recorded per second: beyond 16 bits of 10 cps
    SimFixture sim(options);
    sim.Send("$G;");
    sim.Wait(seconds(1));
    EXPECT_EQ(sim.Status().I16(status::kCountRate), 32767);
}

TEST(SimulatedAcquisition, McsSweepsStepThroughTheChannelsAtTheDwellTime) {
    SimFixture sim;
    for (const char* c : {"$M4;", "$N3;", "$d0;", "$N1;", "$d1;", "$N3;", "$d2;", "$D2;", "$G;"}) ASSERT_TRUE(sim.Accepted(c)) << c;
    // 512 channels of 1 ms: a sweep takes 0.512 s.
    sim.Wait(milliseconds(300));
    sim.Status();
    EXPECT_GT(sim.instrument->Count(0) + sim.instrument->Count(1) + sim.instrument->Count(2), 0u);
    for (int c = 300; c < 512; ++c) ASSERT_EQ(sim.instrument->Count(c), 0u) << c;
    sim.Wait(milliseconds(700));
    DeviceStatus s = sim.Status();
    EXPECT_EQ(s.I32(status::kSweeps), 1);
    EXPECT_EQ(s.I16(status::kRunning), 1);
    sim.Wait(seconds(10));
    s = sim.Status();
    EXPECT_EQ(s.I32(status::kSweeps), 3);
    EXPECT_EQ(s.I16(status::kRunning), 0);
    EXPECT_EQ(s.I32(status::kRealTime), 153);  // 1.536 s
    const double expected = 512 * 3 * 1e-3 * sim.instrument->RecordedRate();
    EXPECT_NEAR(static_cast<double>(MemorySum(*sim.instrument)), expected, 5.0 * std::sqrt(expected));
}

TEST(SimulatedAcquisition, LoweringTheSweepCountBelowTheSweepsDoneEndsTheRunWhereItStands) {
    SimFixture sim;
    for (const char* c : {"$M4;", "$N5;", "$d0;", "$N1;", "$d1;", "$N3;", "$d2;", "$D2;", "$G;"}) ASSERT_TRUE(sim.Accepted(c)) << c;
    sim.Wait(milliseconds(1100));  // two sweeps and a bit, 0.3 ms into a dwell
    sim.Wait(std::chrono::microseconds(300));
    EXPECT_EQ(sim.Status().I32(status::kSweeps), 2);
    const std::int64_t before = sim.instrument->RealTimeNs();
    ASSERT_TRUE(sim.Accepted("$N1;"));
    ASSERT_TRUE(sim.Accepted("$d0;"));
    sim.Wait(milliseconds(5));
    const DeviceStatus s = sim.Status();
    EXPECT_EQ(s.I16(status::kRunning), 0);
    EXPECT_EQ(sim.instrument->RealTimeNs(), before);
    EXPECT_EQ(s.I32(status::kSweeps), 2);
}

TEST(SimulatedAcquisition, RoiMcsCountsOnlyPulsesInsideRoiOne) {
    SimulationOptions options;
    options.InputRate = 100000;
    SimFixture sim(options);
    // Gamma at 1 keV per channel: the photopeak region against a region above everything.
    for (const char* c : {"$N1;", "$d0;", "$N1;", "$d1;", "$N4;", "$d2;", "$@R1,0620,0700;", "$D5;", "$G;"})
        ASSERT_TRUE(sim.Accepted(c)) << c;
    sim.Wait(seconds(11));
    sim.Status();
    const std::uint64_t inRoi = MemorySum(*sim.instrument);
    const double total = 1024 * 1e-2 * sim.instrument->RecordedRate();
    EXPECT_GT(inRoi, 0.1 * total);
    EXPECT_LT(inRoi, 0.4 * total);

    sim.Send("$C;");
    ASSERT_TRUE(sim.Accepted("$@R1,0900,1000;"));
    sim.Send("$G;");
    sim.Wait(seconds(11));
    sim.Status();
    EXPECT_LT(MemorySum(*sim.instrument), 0.001 * total);
}

TEST(SimulatedAcquisition, SameSeedSameSpectrum) {
    SimFixture a;
    SimFixture b;
    for (SimFixture* sim : {&a, &b}) {
        sim->Send("$G;");
        for (int i = 0; i < 20; ++i) {
            sim->Wait(milliseconds(50));
            sim->Status();
        }
    }
    for (int c = 0; c < 1024; ++c) ASSERT_EQ(a.instrument->Count(c), b.instrument->Count(c)) << c;
}

}  // namespace
}  // namespace ztmca::testing
