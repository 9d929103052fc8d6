// The instrument's replies, byte for byte, and its refusal of anything malformed.
#include <gtest/gtest.h>

#include <random>

#include "app/byte_order.h"
#include "simulated/sim_fixture.h"

namespace ztmca::testing {
namespace {

TEST(SimulatedProtocol, AnswersEveryCommandOfTheSetWithTheRightReply) {
    SimFixture sim;
    EXPECT_EQ(sim.Send("$?;"), "ZT-740");
    for (const char* command : {"$M16;", "$P100;", "$p5000;", "$N3;", "$d0;", "$N7;", "$d1;", "$N2;", "$d2;",
                                "$D0;", "$D1;", "$D6;", "$D0;", "$O;", "$V5;", "$V;", "$v;", "$V;;", "$E;", "$e;",
                                "$@C0100;", "$@R1,0010,0020;", "$G;", "$S;", "$C;"})
        EXPECT_EQ(sim.Send(command), "!") << command;
    EXPECT_EQ(sim.Send("$R0;").size(), 304u);
    EXPECT_EQ(sim.Send("$R1;").size(), 512u);
    EXPECT_EQ(sim.Send("$R16;").size(), 512u);
}

TEST(SimulatedProtocol, RefusesMalformedAndOutOfRangeCommandsWithOneNonAckByte) {
    SimFixture sim;  // 1024 channels: blocks 1..8
    for (const char* command :
         {"$R9;", "$R00;", "$R01;", "$R-1;", "$R99999999999;", "$M5;", "$M128;", "$M08;", "$P-1;", "$P;", "$P1x;",
          "$p2147483648;", "$D7;", "$D;", "$D00;", "$V0;", "$VE;", "$V12;", "$d3;", "$@C1024;", "$@C512;",
          "$@C00512;", "$@R1,0200,0100;", "$@R2,0001,0002;", "$@R1,001,0002;", "$X;", "$;", "$G", "G;", "$G;;",
          "$G;$S;", "$?", "$?;x", "!"})
        {
            const std::string reply = sim.Send(command);
            ASSERT_EQ(reply.size(), 1u) << command;
            EXPECT_NE(reply[0], '!') << command;
        }
    // A memory of 8192 channels has 64 blocks, no more.
    EXPECT_TRUE(sim.Accepted("$M64;"));
    EXPECT_EQ(sim.Send("$R64;").size(), 512u);
    EXPECT_EQ(sim.Send("$R65;").size(), 1u);
}

TEST(SimulatedProtocol, ChannelBlocksCarryTheMemoryLittleEndianLowestChannelFirst) {
    SimulationOptions options;
    options.InputRate = 50000;
    SimFixture sim(options);
    sim.Send("$P10;");
    sim.Send("$G;");
    sim.Wait(std::chrono::seconds(2));
    for (int block = 1; block <= 8; ++block) {
        const std::string reply = sim.Send("$R" + std::to_string(block) + ";");
        ASSERT_EQ(reply.size(), 512u);
        const std::span<const std::uint8_t> bytes(reinterpret_cast<const std::uint8_t*>(reply.data()), reply.size());
        for (int i = 0; i < 128; ++i)
            ASSERT_EQ(ReadU32(bytes, 4 * i), sim.instrument->Count((block - 1) * 128 + i)) << block << " " << i;
    }
}

TEST(SimulatedProtocol, SurvivesGarbageOfAnyLength) {
    SimFixture sim;
    std::mt19937 random(7);
    for (int length = 1; length < 3000; length += 7) {
        std::string garbage(static_cast<std::size_t>(length), '\0');
        for (char& c : garbage) c = static_cast<char>(random());
        if (length % 3 == 0) garbage.front() = '$';
        if (length % 2 == 0) garbage.back() = ';';
        const std::string reply = sim.Send(garbage);
        ASSERT_EQ(reply.size(), 1u);
        EXPECT_NE(reply[0], '!');
    }
    EXPECT_EQ(sim.Send("$?;"), "ZT-740");
}

TEST(SimulatedProtocol, RepeatingTheMemorySizeKeepsTheSpectrumAndANewSizeClearsIt) {
    SimFixture sim;
    sim.Send("$G;");
    sim.Wait(std::chrono::seconds(1));
    sim.Send("$S;");
    const std::uint64_t events = sim.instrument->RecordedEvents();
    ASSERT_GT(events, 0u);
    EXPECT_TRUE(sim.Accepted("$M8;"));
    EXPECT_EQ(sim.instrument->RecordedEvents(), events);
    EXPECT_TRUE(sim.Accepted("$M4;"));
    EXPECT_EQ(sim.instrument->RecordedEvents(), 0u);
    EXPECT_EQ(sim.instrument->MemorySize(), 512);
}

TEST(SimulatedProtocol, ARunningAcquisitionKeepsItsMemorySizeAndMode) {
    SimFixture sim;
    sim.Send("$G;");
    EXPECT_NE(sim.Send("$M16;"), "!");
    EXPECT_NE(sim.Send("$D2;"), "!");
    EXPECT_EQ(sim.Send("$D0;"), "!");  // the stop button's mode command while running
    EXPECT_EQ(sim.Send("$S;"), "!");
    EXPECT_EQ(sim.Send("$S;"), "!");  // stopping what is stopped is fine
    EXPECT_EQ(sim.Send("$M16;"), "!");
}

}  // namespace
}  // namespace ztmca::testing
