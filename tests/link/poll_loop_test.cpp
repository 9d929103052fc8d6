// The poll loop: status, read-out, derived figures and the end of an acquisition.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "link/acquisition_figures.h"
#include "support/main_form_fixture.h"

namespace ztmca {
namespace {

using namespace std::chrono_literals;
using testing::BlockReads;
using Strings = std::vector<std::string>;

class PollLoopTest : public testing::MainFormTest {
protected:
    // An instrument running a PHA acquisition of 1024 channels.
    void Start(std::int16_t mode = 0) {
        Status(status::kMode, mode);
        Status(status::kRunning, 1);
        Status(status::kMemorySize, 1024);
        Open();
        form->Click(mode > 1 ? "SxfmStart" : "McaStart");
        t.traffic.clear();
    }
    void Status(std::size_t offset, std::int16_t value) { t.status.SetI16(offset, value); }
    void Tick() { form->TimerTick("Timer1"); }
    std::vector<std::string> All() const { return AllTo(1); }
    AcquisitionState& Acq() { return form->State.Acq; }
};

TEST_F(PollLoopTest, TickReadsStatusAndWholeMemoryAndDerivesTheFigures) {
    Start();
    t.status.SetI32(status::kRealTime, 10009);
    Status(status::kCountRate, 500);
    Status(status::kDispStart, 100);
    Status(status::kDispEnd, 611);
    Status(status::kCursor, 300);
    t.channels[5] = 999;  // channels 0 to 9 never count
    t.channels[100] = 600000;
    t.channels[1023] = 400000;
    Tick();
    Strings expected{"$R0;"};
    const Strings blocks = BlockReads(1, 8);
    expected.insert(expected.end(), blocks.begin(), blocks.end());
    EXPECT_EQ(All(), expected);
    EXPECT_EQ(Acq().RealTime, 1000);
    EXPECT_FLOAT_EQ(form->State.Memory.TotalCounts, 1000000.0f);
    EXPECT_EQ(form->State.Memory.PeakCount, 600000);
    EXPECT_EQ(Acq().LiveTime, 987);
    EXPECT_FLOAT_EQ(form->State.Memory.CountRate, 5000.0f);
    EXPECT_EQ(Acq().DeadTimeShown, 6);
    EXPECT_EQ(form->Display.DispStartCh, 100);
    EXPECT_EQ(form->Display.CursorCh, 300);
    EXPECT_EQ(Text("Label1"), "100ch");
    EXPECT_EQ(Text("Edit9"), "1024");
    EXPECT_EQ(Text("Edit13"), "304");
    EXPECT_TRUE(TimerOn());
    EXPECT_EQ(Acq().Acquiring, 1);
}

TEST_F(PollLoopTest, StatusMemorySizeGovernsTheBlocksAndIsHeldToTheChannelMemory) {
    struct Case {
        std::int16_t size;
        int blocks;
        std::int32_t memorySize;
    };
    const Case cases[] = {{512, 4, 512}, {8192, 64, 8192}, {30000, 64, 8192}, {1000, 7, 1000}, {-128, 0, 0}};
    Start();
    for (const Case& c : cases) {
        Status(status::kMemorySize, c.size);
        t.traffic.clear();
        Tick();
        Strings expected{"$R0;"};
        const Strings blocks = BlockReads(1, c.blocks);
        expected.insert(expected.end(), blocks.begin(), blocks.end());
        EXPECT_EQ(All(), expected) << c.size;
        EXPECT_EQ(form->State.Memory.MemorySize, c.memorySize);
    }
}

TEST_F(PollLoopTest, ReadOutOfAnOversizedMemoryStopsAtTheLastChannel) {
    Open();
    form->State.Memory.MemorySize = 20000;
    t.channels[8191] = 5;
    EXPECT_TRUE(form->ReadSpectrum());
    EXPECT_EQ(All(), BlockReads(1, 64));
    EXPECT_EQ(form->State.Memory.MainCounts[8191], 5);
}

TEST_F(PollLoopTest, McsTickShowsTheSweepsAndSizesTheReadOutFromTheFirstSizeField) {
    Start(5);
    Status(status::kMemorySize, 512);
    Status(status::kMemorySize2, 4096);
    t.status.SetI32(status::kSweeps, 42);
    Tick();
    EXPECT_EQ(Text("Edit4"), "42");
    EXPECT_EQ(All().back(), "$R4;");
}

TEST_F(PollLoopTest, EndAtThePresetTimeShowsThePresetTime) {
    Start(0);
    form->State.Pha.PresetTime = 1000;
    t.status.SetI32(status::kRealTime, 10009);
    Status(status::kRunning, 0);
    t.channels[100] = 1000000;
    Tick();
    Strings expected{"$R0;"};
    for (int pass = 0; pass < 2; ++pass) {
        const Strings blocks = BlockReads(1, 8);
        expected.insert(expected.end(), blocks.begin(), blocks.end());
    }
    expected.push_back("$S;");
    EXPECT_EQ(All(), expected);
    EXPECT_FALSE(TimerOn());
    EXPECT_EQ(Acq().Acquiring, 0);
    EXPECT_EQ(Acq().RealTime, 1000);
    EXPECT_EQ(Acq().LiveTime, 987);
    t.traffic.clear();
    Tick();  // polling has ended
    EXPECT_TRUE(t.traffic.empty());
}

TEST_F(PollLoopTest, EndAtThePresetCountKeepsTheMeasuredRealTime) {
    // The count stop shows in the instrument's mode, or only in the set-up when the instrument
    // reports the mode 0 that the start sent.
    struct Case {
        std::int16_t statusMode;
        std::int32_t stopCondition;
    };
    for (const Case c : {Case{1, 0}, Case{0, 1}}) {
        Start(c.statusMode);
        form->State.Pha.StopCondition = c.stopCondition;
        form->State.Pha.PresetTime = 10000;
        t.status.SetI32(status::kRealTime, 12345);
        Status(status::kRunning, 0);
        Tick();
        EXPECT_EQ(Acq().RealTime, 1234) << c.statusMode;
        EXPECT_EQ(Acq().Acquiring, 0);
        EXPECT_FALSE(TimerOn());
    }
}

TEST_F(PollLoopTest, EndOfMcsShowsTheSweepsAndKeepsTheMeasuredTime) {
    Start(6);
    t.status.SetI32(status::kRealTime, 5000);
    t.status.SetI32(status::kSweeps, 17);
    Status(status::kRunning, 0);
    Tick();
    EXPECT_EQ(Text("Edit4"), "17");
    EXPECT_EQ(Acq().RealTime, 500);
    EXPECT_FALSE(TimerOn());
    EXPECT_EQ(All().back(), "$S;");
}

TEST_F(PollLoopTest, RefusedStopAtTheEndStillEndsPolling) {
    Start();
    Status(status::kRunning, 0);
    t.ackFor = [](const std::string&) { return std::string("?"); };
    Tick();
    EXPECT_FALSE(TimerOn());
    EXPECT_EQ(Acq().Acquiring, 0);
}

TEST_F(PollLoopTest, SilentInstrumentFailsEachPollWithinOneBound) {
    Start();
    t.status.SetI32(status::kRealTime, 500);
    Tick();
    ASSERT_EQ(Acq().RealTime, 50);
    t.silent = true;
    t.status.SetI32(status::kRealTime, 900);
    for (int i = 0; i < 3; ++i) {
        const auto before = clock.Elapsed();
        Tick();
        EXPECT_LE(clock.Elapsed() - before, kLinkTimeout + 1ms);
    }
    EXPECT_EQ(Acq().RealTime, 50);
    EXPECT_TRUE(TimerOn());
    t.silent = false;  // it speaks again: the next poll works
    Tick();
    EXPECT_EQ(Acq().RealTime, 90);
}

TEST_F(PollLoopTest, InstrumentFallingSilentInTheReadOutCostsOneBoundNotOnePerBlock) {
    Start();
    Status(status::kMemorySize, 8192);
    t.channels[300] = 5;
    form->State.Memory.MainCounts[300] = 1;
    t.delayed = [](const std::string& command) { return command != "$R0;" && command != "$R1;" && command != "$R2;"; };
    t.delay = 1h;
    t.channels[200] = 9;
    Tick();
    EXPECT_LE(clock.Elapsed(), kLinkTimeout + 1ms);
    EXPECT_EQ(form->State.Memory.MainCounts[200], 9);  // block 2 arrived
    EXPECT_EQ(form->State.Memory.MainCounts[300], 1);  // block 3 did not
    EXPECT_TRUE(TimerOn());
}

TEST_F(PollLoopTest, UnpluggedInstrumentMakesEveryPollFailAtOnce) {
    Start();
    t.writesBeforeUnplug = 4;  // the cable goes in the middle of the read-out
    for (int i = 0; i < 3; ++i) Tick();
    EXPECT_EQ(clock.Elapsed(), 0ms);
    EXPECT_TRUE(TimerOn());
    form->Click("McaStop");
    EXPECT_TRUE(TimerOn());  // a stop that cannot be sent is not a stop
}

TEST_F(PollLoopTest, FailedQueueSkipsOneBlockAndTheSumsCoverItsOldValues) {
    Start();
    form->State.Memory.MainCounts[130] = 40;  // block 2, kept
    t.channels[130] = 1000;
    t.channels[20] = 2;
    t.channels[300] = 3;
    t.queueFailsAfter = [](const std::string& command) { return command == "$R2;"; };
    Tick();
    EXPECT_EQ(form->State.Memory.MainCounts[130], 40);
    EXPECT_EQ(form->State.Memory.MainCounts[300], 3);
    EXPECT_EQ(All().back(), "$R8;");
    EXPECT_EQ(form->State.Memory.PeakCount, 255);  // the start-up ramp kept in block 2
}

TEST_F(PollLoopTest, GarbledRepliesNeverOverrunAndNeverPoisonTheNextReply) {
    Start();
    t.channels[0] = 11;
    t.channels[128] = 22;
    // Every reply comes with 300 bytes too many.
    t.mangle = [](const std::string&, std::string& reply) { reply.append(300, '\x7f'); };
    Tick();
    EXPECT_EQ(Text("Edit13"), "304");
    EXPECT_EQ(form->State.Status.I16(status::kMemorySize), 1024);
    EXPECT_EQ(form->State.Memory.MainCounts[0], 11);
    EXPECT_EQ(form->State.Memory.MainCounts[128], 22);
    for (const std::size_t asked : t.readSizes) EXPECT_LE(asked, kAckBufferBytes);

    // A status block cut short never arrives whole: the poll fails within the bound.
    t.mangle = [](const std::string& command, std::string& reply) {
        if (command == "$R0;") reply.resize(100);
    };
    t.status.SetI32(status::kRealTime, 7770);
    const auto before = clock.Elapsed();
    Tick();
    EXPECT_LE(clock.Elapsed() - before, kLinkTimeout + 1ms);
    EXPECT_NE(Acq().RealTime, 777);
}

TEST(AcquisitionFigures, ConversionsTruncateAndSaturate) {
    EXPECT_EQ(RealTimeFromStatus(10009), 1000);
    EXPECT_EQ(RealTimeFromStatus(-19), -1);
    EXPECT_EQ(LiveTimeOf(1000, 1000000.0f, 1.2f), 987);
    EXPECT_EQ(DeadTimeShownOf(5000.0f, 1.2f), 6);
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(TruncateToInt32(-2.9), -2);
    EXPECT_EQ(TruncateToInt32(1e20), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(TruncateToInt32(-inf), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(TruncateToInt32(std::nan("")), 0);
    EXPECT_EQ(LiveTimeOf(1000, 4.0e9f, std::numeric_limits<float>::infinity()),
              std::numeric_limits<std::int32_t>::min());
}

}  // namespace
}  // namespace ztmca
