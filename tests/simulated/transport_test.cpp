// The transport around the simulated instruments: listing, opening, latency, purging, and the
// program's own read-outs running against it.
#include <gtest/gtest.h>

#include "app/main_form.h"
#include "simulated/sim_fixture.h"
#include "support/null_host.h"

namespace ztmca::testing {
namespace {

using std::chrono::microseconds;

bool WriteText(UsbTransport& t, DeviceHandle h, std::string_view text) {
    return t.Write(h, reinterpret_cast<const unsigned char*>(text.data()), text.size());
}

std::size_t Waiting(UsbTransport& t, DeviceHandle h) {
    std::size_t waiting = 0;
    EXPECT_TRUE(t.QueueStatus(h, waiting));
    return waiting;
}

TEST(SimulatedTransport, ListsOpensAndClosesInstrumentsBySerialNumber) {
    ManualClock clock;
    SimulatedTransport t(clock);
    SimulationOptions other;
    other.Identity = "ZT-520";
    t.AddInstrument("A1");
    t.AddInstrument("B2", other);
    std::vector<std::string> serials{"stale"};
    ASSERT_TRUE(t.ListDevices(serials));
    EXPECT_EQ(serials, (std::vector<std::string>{"A1", "B2"}));

    DeviceHandle a = 0, b = 0, again = 0;
    ASSERT_TRUE(t.Open("A1", a));
    ASSERT_TRUE(t.Open("B2", b));
    EXPECT_NE(a, b);
    EXPECT_FALSE(t.Open("A1", again));  // one owner at a time
    EXPECT_FALSE(t.Open("C3", again));
    EXPECT_TRUE(t.Reset(a));
    EXPECT_TRUE(t.SetLatencyTimer(a, 6));
    EXPECT_FALSE(t.SetLatencyTimer(a, 0));
    EXPECT_TRUE(t.SetTimeouts(a, 3000, 3000));

    ASSERT_TRUE(WriteText(t, b, "$?;"));
    EXPECT_EQ(Waiting(t, a), 0u);  // replies stay with their instrument
    unsigned char reply[16];
    std::size_t received = 0;
    ASSERT_TRUE(t.Read(b, reply, 4, received));  // never more than asked for
    EXPECT_EQ(std::string(reinterpret_cast<char*>(reply), received), "ZT-5");
    ASSERT_TRUE(t.Read(b, reply, sizeof reply, received));
    EXPECT_EQ(std::string(reinterpret_cast<char*>(reply), received), "20");

    ASSERT_TRUE(t.Close(a));
    EXPECT_FALSE(t.Close(a));
    EXPECT_FALSE(WriteText(t, a, "$?;"));
    std::size_t waiting = 0;
    EXPECT_FALSE(t.QueueStatus(a, waiting));
    EXPECT_FALSE(t.Read(a, reply, 1, received));
    EXPECT_FALSE(t.Reset(0));
    EXPECT_FALSE(t.Purge(99));
    EXPECT_TRUE(t.Open("A1", again));
}

TEST(SimulatedTransport, ReplyAppearsOnlyAfterTheModelledLatency) {
    SimFixture sim;
    sim.transport.SetLatency(microseconds(125));
    ASSERT_TRUE(WriteText(sim.transport, sim.handle, "$R0;"));
    EXPECT_EQ(Waiting(sim.transport, sim.handle), 0u);
    sim.Wait(microseconds(124));
    EXPECT_EQ(Waiting(sim.transport, sim.handle), 0u);
    sim.Wait(microseconds(1));
    EXPECT_EQ(Waiting(sim.transport, sim.handle), 304u);
}

TEST(SimulatedTransport, UnreadRepliesQueueUpUntilPurged) {
    SimFixture sim;
    WriteText(sim.transport, sim.handle, "$G;");
    WriteText(sim.transport, sim.handle, "$X;");
    WriteText(sim.transport, sim.handle, "$R1;");
    EXPECT_EQ(Waiting(sim.transport, sim.handle), 514u);
    unsigned char two[2];
    std::size_t received = 0;
    sim.transport.Read(sim.handle, two, 2, received);
    EXPECT_EQ(two[0], '!');
    EXPECT_NE(two[1], '!');
    ASSERT_TRUE(sim.transport.Purge(sim.handle));
    EXPECT_EQ(Waiting(sim.transport, sim.handle), 0u);
    // An empty write sends nothing and gets nothing back.
    EXPECT_TRUE(sim.transport.Write(sim.handle, nullptr, 0));
    EXPECT_EQ(Waiting(sim.transport, sim.handle), 0u);
}

TEST(SimulatedTransport, MadeForEachNamedSourceAndNoOther) {
    ASSERT_EQ(SimulatedSourceNames().front(), "gamma");
    for (std::string_view name : SimulatedSourceNames()) {
        auto t = MakeSimulatedTransport(name);
        ASSERT_NE(t, nullptr) << name;
        std::vector<std::string> serials;
        ASSERT_TRUE(t->ListDevices(serials));
        ASSERT_EQ(serials.size(), 1u);
        DeviceHandle h = 0;
        ASSERT_TRUE(t->Open(serials[0], h));
        ASSERT_TRUE(WriteText(*t, h, "$?;"));
        EXPECT_EQ(Waiting(*t, h), 6u);
    }
    EXPECT_EQ(MakeSimulatedTransport("co60"), nullptr);
    EXPECT_EQ(MakeSimulatedTransport(""), nullptr);
}

TEST(SimulatedTransport, ProgramReadOutsTakeTheInstrumentsMemoryAndStatus) {
    SimFixture sim;
    NullHost host;
    MainForm form(host, sim.transport, sim.clock);
    form.Link.HandleSlots[0] = sim.handle;
    sim.transport.SetLatency(microseconds(125));  // the link's waits move the manual clock on
    ASSERT_TRUE(form.Link.SendCommand("$M64;"));
    ASSERT_TRUE(form.Link.SendCommand("$G;"));
    sim.Wait(std::chrono::seconds(3));
    ASSERT_TRUE(form.Link.SendCommand("$S;"));
    ASSERT_TRUE(form.ReadStatus());
    EXPECT_EQ(form.State.Status.I16(status::kMemorySize), 8192);
    form.State.Memory.MemorySize = 8192;
    ASSERT_TRUE(form.ReadSpectrum());
    std::uint64_t sum = 0;
    for (int c = 0; c < 8192; ++c) {
        ASSERT_EQ(form.State.Memory.MainCounts[c], static_cast<std::int32_t>(sim.instrument->Count(c))) << c;
        if (c >= 10) sum += sim.instrument->Count(c);
    }
    EXPECT_EQ(form.State.Memory.TotalCounts, static_cast<float>(sum));
}

}  // namespace
}  // namespace ztmca::testing
