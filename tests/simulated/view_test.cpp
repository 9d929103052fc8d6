// The instrument's own display view: window around the cursor, cursor, scale.
#include <gtest/gtest.h>

#include "simulated/sim_fixture.h"

namespace ztmca::testing {
namespace {

struct Window {
    int Start, End;
    bool operator==(const Window&) const = default;
};

Window ViewOf(SimFixture& sim) {
    const DeviceStatus s = sim.Status();
    return {s.I16(status::kDispStart), s.I16(status::kDispEnd)};
}

TEST(SimulatedView, ExpandHalvesAndCompressDoublesTheWindowAroundTheCursor) {
    SimFixture sim;  // 1024 channels, cursor 512
    for (const Window w : {Window{256, 767}, Window{384, 639}, Window{448, 575}, Window{480, 543}}) {
        ASSERT_TRUE(sim.Accepted("$E;"));
        EXPECT_EQ(ViewOf(sim), w);
    }
    ASSERT_TRUE(sim.Accepted("$e;"));
    EXPECT_EQ(ViewOf(sim), (Window{448, 575}));
    for (int i = 0; i < 5; ++i) sim.Send("$e;");
    EXPECT_EQ(ViewOf(sim), (Window{0, 1023}));  // never wider than the memory
    for (int i = 0; i < 20; ++i) sim.Send("$E;");
    EXPECT_EQ(ViewOf(sim), (Window{504, 519}));  // never narrower than 16 channels
}

TEST(SimulatedView, WindowStaysInsideTheMemoryNearItsEdges) {
    SimFixture sim;
    ASSERT_TRUE(sim.Accepted("$@C0010;"));
    sim.Send("$E;");
    EXPECT_EQ(ViewOf(sim), (Window{0, 511}));
    ASSERT_TRUE(sim.Accepted("$@C1023;"));
    sim.Send("$E;");
    EXPECT_EQ(ViewOf(sim), (Window{768, 1023}));
    sim.Send("$e;");
    EXPECT_EQ(ViewOf(sim), (Window{512, 1023}));
    EXPECT_EQ(sim.Status().I16(status::kCursor), 1023);
    // A new memory size shows the whole memory with the cursor in the middle.
    ASSERT_TRUE(sim.Accepted("$M4;"));
    EXPECT_EQ(ViewOf(sim), (Window{0, 511}));
    EXPECT_EQ(sim.Status().I16(status::kCursor), 256);
    EXPECT_NE(sim.Send("$@C0512;"), "!");
}

TEST(SimulatedView, FullScaleIndexStepsWithinOneToTwentyAndLeavesTheLogScale) {
    SimFixture sim;
    const auto index = [&] { return sim.Status().I16(status::kVfsIndex); };
    const auto log = [&] { return sim.Status().I16(status::kLogScale); };
    EXPECT_EQ(log(), 1);
    ASSERT_TRUE(sim.Accepted("$V;"));
    EXPECT_EQ(index(), 1);
    EXPECT_EQ(log(), 0);
    for (int i = 0; i < 25; ++i) ASSERT_TRUE(sim.Accepted("$v;"));
    EXPECT_EQ(index(), 20);
    ASSERT_TRUE(sim.Accepted("$V;"));
    EXPECT_EQ(index(), 19);
    ASSERT_TRUE(sim.Accepted("$V;;"));  // index 11 travels as ';'
    EXPECT_EQ(index(), 11);
    ASSERT_TRUE(sim.Accepted("$O;"));
    EXPECT_EQ(log(), 1);
    EXPECT_EQ(index(), 11);
    ASSERT_TRUE(sim.Accepted("$VD;"));
    EXPECT_EQ(index(), 20);
    EXPECT_EQ(log(), 0);
}

}  // namespace
}  // namespace ztmca::testing
