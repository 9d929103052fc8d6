// FtdiTransport's own logic over a scripted bridge: handles, whole writes, the receive buffer
// that stands in for a queue-status call, and failures passed up.
#include <gtest/gtest.h>

#include <deque>
#include <set>

#include "ftdi/ftdi_transport.h"

namespace ztmca {
namespace {

struct FakeBridge {
    std::vector<std::string> serials{"FT1", "FT2"};
    std::deque<unsigned char> chip;  // bytes the instrument has sent
    std::string sent;                // bytes that reached the instrument
    std::size_t writeLimit = 1 << 20;  // most bytes one write call takes
    std::set<std::string> failing;   // names of calls that fail
    std::set<int> open;
    int purges = 0;
};

class FakeCalls final : public FtdiCalls {
public:
    explicit FakeCalls(FakeBridge& b) : b_(b) {}
    bool ListSerials(std::vector<std::string>& serials) override {
        serials = b_.serials;
        return !Fails("list");
    }
    bool Open(const std::string& serial, int& port) override {
        if (Fails("open")) return false;
        for (std::size_t i = 0; i < b_.serials.size(); ++i)
            if (b_.serials[i] == serial && !b_.open.contains(static_cast<int>(i) + 100)) {
                port = static_cast<int>(i) + 100;
                b_.open.insert(port);
                return true;
            }
        return false;
    }
    bool Reset(int) override { return !Fails("reset"); }
    bool SetLatencyTimer(int, unsigned char) override { return !Fails("latency"); }
    bool SetTimeouts(int, unsigned, unsigned) override { return !Fails("timeouts"); }
    bool Purge(int) override {
        ++b_.purges;
        b_.chip.clear();
        return !Fails("purge");
    }
    bool Write(int, const unsigned char* bytes, std::size_t count, std::size_t& written) override {
        if (Fails("write")) return false;
        written = std::min(count, b_.writeLimit);
        b_.sent.append(reinterpret_cast<const char*>(bytes), written);
        return true;
    }
    bool Read(int, unsigned char* buffer, std::size_t capacity, std::size_t& received) override {
        if (Fails("read")) return false;
        received = std::min(capacity, b_.chip.size());
        std::copy_n(b_.chip.begin(), received, buffer);
        b_.chip.erase(b_.chip.begin(), b_.chip.begin() + static_cast<std::ptrdiff_t>(received));
        return true;
    }
    bool Close(int port) override {
        b_.open.erase(port);
        return !Fails("close");
    }

private:
    bool Fails(const char* call) const { return b_.failing.contains(call); }
    FakeBridge& b_;
};

struct Fixture {
    Fixture() : transport(std::make_unique<FakeCalls>(bridge)) { EXPECT_TRUE(transport.Open("FT1", handle)); }
    void Answer(std::size_t n, unsigned char first = 0) {
        for (std::size_t i = 0; i < n; ++i) bridge.chip.push_back(static_cast<unsigned char>(first + i));
    }
    std::size_t Waiting() {
        std::size_t waiting = 0;
        EXPECT_TRUE(transport.QueueStatus(handle, waiting));
        return waiting;
    }
    FakeBridge bridge;
    FtdiTransport transport;
    DeviceHandle handle = 0;
};

TEST(FtdiTransport, ListsOpensAndClosesBySerialNumber) {
    Fixture f;
    std::vector<std::string> serials;
    ASSERT_TRUE(f.transport.ListDevices(serials));
    EXPECT_EQ(serials, f.bridge.serials);
    DeviceHandle second = 0, again = 0;
    ASSERT_TRUE(f.transport.Open("FT2", second));
    EXPECT_NE(second, f.handle);
    EXPECT_FALSE(f.transport.Open("FT1", again));  // already ours
    EXPECT_FALSE(f.transport.Open("none", again));
    EXPECT_TRUE(f.transport.Reset(second));
    EXPECT_TRUE(f.transport.SetLatencyTimer(second, 6));
    EXPECT_TRUE(f.transport.SetTimeouts(second, 3000, 3000));
    ASSERT_TRUE(f.transport.Close(second));
    EXPECT_FALSE(f.transport.Close(second));
    EXPECT_FALSE(f.transport.Reset(second));
    EXPECT_FALSE(f.transport.Reset(0));
    EXPECT_FALSE(f.transport.Purge(kMaxFtdiDevices + 1));
    EXPECT_EQ(f.bridge.open, (std::set<int>{100}));

    f.bridge.failing = {"list"};
    EXPECT_FALSE(f.transport.ListDevices(serials));
}

TEST(FtdiTransport, HandlesRunOutRatherThanOverflow) {
    FakeBridge bridge;
    for (int i = 0; i <= kMaxFtdiDevices; ++i) bridge.serials.push_back("S" + std::to_string(i));
    FtdiTransport t(std::make_unique<FakeCalls>(bridge));
    DeviceHandle h = 0;
    for (int i = 0; i < kMaxFtdiDevices; ++i) ASSERT_TRUE(t.Open("S" + std::to_string(i), h));
    EXPECT_FALSE(t.Open("S" + std::to_string(kMaxFtdiDevices), h));
    ASSERT_TRUE(t.Close(3));
    EXPECT_TRUE(t.Open("S" + std::to_string(kMaxFtdiDevices), h));
    EXPECT_EQ(h, 3);
}

TEST(FtdiTransport, WriteSendsEveryByteThroughPartialWritesAndFailsOnAStall) {
    Fixture f;
    f.bridge.writeLimit = 3;
    const std::string command = "$@R1,0010,0200;";
    ASSERT_TRUE(f.transport.Write(f.handle, reinterpret_cast<const unsigned char*>(command.data()), command.size()));
    EXPECT_EQ(f.bridge.sent, command);
    f.bridge.writeLimit = 0;
    EXPECT_FALSE(f.transport.Write(f.handle, reinterpret_cast<const unsigned char*>("$G;"), 3));
    f.bridge.writeLimit = 100;
    f.bridge.failing = {"write"};
    EXPECT_FALSE(f.transport.Write(f.handle, reinterpret_cast<const unsigned char*>("$G;"), 3));
}

TEST(FtdiTransport, QueueStatusReportsWhatTheChipHandedOverAndReadTakesItInOrder) {
    Fixture f;
    EXPECT_EQ(f.Waiting(), 0u);
    f.Answer(300, 0);
    EXPECT_EQ(f.Waiting(), 300u);
    f.Answer(4, 44);
    EXPECT_EQ(f.Waiting(), 304u);
    unsigned char out[512];
    std::size_t received = 0;
    ASSERT_TRUE(f.transport.Read(f.handle, out, 299, received));
    EXPECT_EQ(received, 299u);
    EXPECT_EQ(out[298], 298 % 256);
    ASSERT_TRUE(f.transport.Read(f.handle, out, sizeof out, received));
    ASSERT_EQ(received, 5u);
    EXPECT_EQ(out[0], 299 % 256);
    EXPECT_EQ(out[1], 44);
    EXPECT_EQ(f.Waiting(), 0u);
}

TEST(FtdiTransport, BufferNeverTakesMoreThanItHolds) {
    Fixture f;
    f.Answer(kFtdiBufferBytes + 1000, 0);
    EXPECT_EQ(f.Waiting(), kFtdiBufferBytes);
    EXPECT_EQ(f.bridge.chip.size(), 1000u);  // the rest stays in the chip
    static unsigned char out[kFtdiBufferBytes];
    std::size_t received = 0;
    ASSERT_TRUE(f.transport.Read(f.handle, out, 512, received));
    EXPECT_EQ(f.Waiting(), kFtdiBufferBytes);  // the freed room is refilled from the chip
    EXPECT_EQ(f.bridge.chip.size(), 488u);
    ASSERT_TRUE(f.transport.Read(f.handle, out, sizeof out, received));
    EXPECT_EQ(received, kFtdiBufferBytes);
    EXPECT_EQ(out[0], 512 % 256);
    EXPECT_EQ(f.Waiting(), 488u);
}

TEST(FtdiTransport, PurgeAndResetDropBufferedBytes) {
    Fixture f;
    f.Answer(10);
    EXPECT_EQ(f.Waiting(), 10u);
    ASSERT_TRUE(f.transport.Purge(f.handle));
    EXPECT_EQ(f.bridge.purges, 1);
    EXPECT_EQ(f.Waiting(), 0u);
    f.Answer(10);
    EXPECT_EQ(f.Waiting(), 10u);
    ASSERT_TRUE(f.transport.Reset(f.handle));
    f.bridge.chip.clear();
    EXPECT_EQ(f.Waiting(), 0u);
}

TEST(FtdiTransport, LibraryFailuresComeBackAsFalse) {
    Fixture f;
    f.Answer(10);
    f.bridge.failing = {"read", "reset", "latency", "purge"};
    std::size_t waiting = 0;
    EXPECT_FALSE(f.transport.QueueStatus(f.handle, waiting));
    unsigned char out[4];
    std::size_t received = 0;
    EXPECT_FALSE(f.transport.Read(f.handle, out, sizeof out, received));
    EXPECT_EQ(received, 0u);
    EXPECT_FALSE(f.transport.Reset(f.handle));
    EXPECT_FALSE(f.transport.SetLatencyTimer(f.handle, 6));
    EXPECT_FALSE(f.transport.Purge(f.handle));
    f.bridge.failing = {"open"};
    DeviceHandle h = 0;
    EXPECT_FALSE(f.transport.Open("FT2", h));
}

TEST(FtdiTransport, ClosesWhatIsStillOpenWhenDestroyed) {
    FakeBridge bridge;
    {
        FtdiTransport t(std::make_unique<FakeCalls>(bridge));
        DeviceHandle h = 0;
        ASSERT_TRUE(t.Open("FT1", h));
        ASSERT_TRUE(t.Open("FT2", h));
        EXPECT_EQ(bridge.open.size(), 2u);
    }
    EXPECT_TRUE(bridge.open.empty());
}

}  // namespace
}  // namespace ztmca
