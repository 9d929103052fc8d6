#include "link/device_link.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "support/fault_transport.h"

namespace ztmca {
namespace {

using namespace std::chrono_literals;
using testing::FakeLinkClock;
using testing::FaultTransport;

class DeviceLinkTest : public ::testing::Test {
protected:
    DeviceLinkTest() { EXPECT_TRUE(t.Open("ZT000001", link.HandleSlots[0])); }

    FakeLinkClock clock;
    FaultTransport t{clock};
    DeviceLink link{t, clock};
};

TEST_F(DeviceLinkTest, SilentInstrumentFailsAtTheBoundAndNoLater) {
    t.silent = true;
    EXPECT_FALSE(link.SendCommand("$G;"));
    EXPECT_GE(clock.Elapsed(), kLinkTimeout);
    EXPECT_LE(clock.Elapsed(), kLinkTimeout + 1ms);
}

TEST_F(DeviceLinkTest, FailedWriteAndFailedQueueEndTheExchangeAtOnce) {
    t.queueFailsAfter = [](const std::string&) { return true; };
    EXPECT_FALSE(link.SendCommand("$G;"));
    t.queueFailsAfter = nullptr;
    t.writesBeforeUnplug = t.traffic.size();
    EXPECT_FALSE(link.SendCommand("$G;"));
    EXPECT_EQ(clock.Elapsed(), 0ms);
}

TEST_F(DeviceLinkTest, OnlyAFirstByteOfExclamationMarkAccepts) {
    const std::pair<const char*, bool> cases[] = {{"!", true}, {"!?", true}, {"?!", false}, {"E", false}};
    for (const auto& [reply, accepted] : cases) {
        t.ackFor = [reply = std::string(reply)](const std::string&) { return reply; };
        EXPECT_EQ(link.SendCommand("$S;"), accepted) << reply;
    }
}

TEST_F(DeviceLinkTest, ReplyLongerThanTheBufferStopsAtItsEndAndDoesNotPoisonTheNextOne) {
    // Each command is answered by its own text repeated, far beyond any buffer.
    t.ackFor = [](const std::string& command) {
        std::string reply;
        while (reply.size() < 1500) reply += command;
        return reply;
    };
    unsigned char buffer[8];
    std::fill(std::begin(buffer), std::end(buffer), 0xAA);
    std::size_t received = 0;
    const unsigned char first[] = {'$', 'A', ';'};
    ASSERT_TRUE(link.ExchangeBytes(first, 3, 4, buffer, 4, received));
    EXPECT_EQ(received, 4u);
    EXPECT_EQ(std::string(buffer, buffer + 4), "$A;$");
    EXPECT_TRUE(std::all_of(buffer + 4, buffer + 8, [](unsigned char b) { return b == 0xAA; }));

    const unsigned char second[] = {'$', 'B', ';'};
    ASSERT_TRUE(link.ExchangeBytes(second, 3, 3, buffer, 4, received));
    EXPECT_EQ(std::string(buffer, buffer + 3), "$B;");
    EXPECT_TRUE(t.pending.empty());
    for (const std::size_t asked : t.readSizes) EXPECT_LE(asked, kAckBufferBytes);
}

TEST_F(DeviceLinkTest, ReplyArrivingAfterItsTimeOutIsNotTakenForTheNextReply) {
    t.delayed = [](const std::string& command) { return command == "$G;"; };
    t.ackFor = [](const std::string& command) { return std::string(command == "$G;" ? "!" : "?"); };
    EXPECT_FALSE(link.SendCommand("$G;"));
    clock.now += 2s;  // the late "!" is waiting now
    EXPECT_FALSE(link.SendCommand("$S;"));
    EXPECT_FALSE(link.SendCommand("$C;"));
}

}  // namespace
}  // namespace ztmca
