#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <vector>

#include "analysis/fwhm.h"
#include "analysis/peak_snap.h"

namespace ztmca {
namespace {

// Exactly the memory in use, so that any read past either end trips the sanitizer.
std::vector<std::int32_t> Memory(int channels, std::initializer_list<std::pair<int, std::int32_t>> peaks) {
    std::vector<std::int32_t> counts(static_cast<std::size_t>(channels), 0);
    for (auto [ch, v] : peaks) counts[static_cast<std::size_t>(ch)] = v;
    return counts;
}

const auto kTriangle = Memory(1024, {{99, 10}, {100, 20}, {101, 10}});

TEST(PeakSnap, TriangleSnapsOntoItsCentre) {
    SnapResult snap;
    ASSERT_TRUE(SnapPeak(kTriangle, 95, snap));
    EXPECT_EQ(snap.Position, 100.0f);
    EXPECT_EQ(snap.Channel, 100);
}

TEST(PeakSnap, CentroidRoundsToTheNearestChannel) {
    SnapResult snap;
    ASSERT_TRUE(SnapPeak(Memory(1024, {{511, 10}, {512, 10}}), 511, snap));
    EXPECT_EQ(snap.Position, 511.5f);
    EXPECT_EQ(snap.Channel, 512);
    ASSERT_TRUE(SnapPeak(Memory(1024, {{511, 51}, {512, 49}}), 511, snap));
    EXPECT_FLOAT_EQ(snap.Position, 511.49f);
    EXPECT_EQ(snap.Channel, 511);
    // Just below one half: the rounding must not be done in single precision.
    EXPECT_EQ(ChannelOf(0.49999997f), 0);
}

TEST(PeakSnap, HighestChannelTiesAndReach) {
    PeakChannel peak;
    ASSERT_TRUE(HighestChannel(Memory(1024, {{98, 50}, {102, 50}}), 100, 10, peak));
    EXPECT_EQ(peak.Channel, 98);  // equal maxima: the lower channel

    const auto higherAbove = Memory(1024, {{100, 20}, {108, 500}});
    SnapResult snap;
    ASSERT_TRUE(SnapPeak(higherAbove, 100, snap));
    EXPECT_EQ(snap.Channel, 108);
    ASSERT_TRUE(HighestChannel(higherAbove, 100, 5, peak));
    EXPECT_EQ(peak.Channel, 100);
}

TEST(PeakSnap, NoPeakWithoutACountAboveZero) {
    SnapResult snap;
    EXPECT_FALSE(SnapPeak(Memory(1024, {{80, 100}, {120, -5}}), 100, snap));
    EXPECT_FALSE(SnapPeak({}, 0, snap));
    // Counts that add up to nothing around the peak give no centroid (never an infinity).
    EXPECT_FALSE(SnapPeak(Memory(1024, {{100, 5}, {101, -5}}), 100, snap));
}

TEST(PeakSnap, WindowsAreCutAtTheEndsOfTheMemory) {
    SnapResult snap;
    ASSERT_TRUE(SnapPeak(Memory(16, {{0, 30}, {1, 10}}), 2, snap));
    EXPECT_EQ(snap.Position, 0.25f);
    ASSERT_TRUE(SnapPeak(Memory(16, {{15, 10}}), 12, snap));
    EXPECT_EQ(snap.Channel, 15);
    EXPECT_FALSE(SnapPeak(Memory(16, {{15, 10}}), 40, snap));  // cursor far past the memory
    EXPECT_FALSE(SnapPeak(Memory(16, {{0, 10}}), INT32_MIN, snap));
    EXPECT_FALSE(SnapPeak(Memory(16, {{15, 10}}), INT32_MAX, snap));
}

TEST(PeakSnap, CentroidStaysInsideItsWindowWithNegativeCounts) {
    float centroid = 0.0f;
    ASSERT_TRUE(Centroid(Memory(1024, {{100, 10}, {105, -9}}), 100, 5, centroid));
    EXPECT_EQ(centroid, 95.0f);  // the plain mean would be 55
}

TEST(Fwhm, TriangleHasWidthTwo) {
    FwhmResult r;
    ASSERT_TRUE(MeasureFwhm(kTriangle, 100, 0, 1023, r));
    EXPECT_EQ(r.Centroid, 100.0f);
    EXPECT_EQ(r.Width, 2.0f);
}

TEST(Fwhm, InterpolatesBetweenTheChannelsAroundHalfMaximum) {
    // Peak 100 at channel 50, h = 50: left crossing between 47 (20) and 48 (80), right between
    // 52 (60) and 53 (0).
    FwhmResult r;
    ASSERT_TRUE(MeasureFwhm(Memory(1024, {{47, 20}, {48, 80}, {49, 90}, {50, 100}, {51, 90}, {52, 60}}), 50, 0,
                            1023, r));
    // L = 48, R = 52, fL = 30/60, fR = 10/60.
    EXPECT_FLOAT_EQ(r.Width, 4.0f + 0.5f + static_cast<float>(10.0f / 60.0f));
}

TEST(Fwhm, ReachOfFiveChannels) {
    FwhmResult r;
    ASSERT_TRUE(MeasureFwhm(Memory(1024, {{100, 20}, {108, 500}}), 100, 0, 1023, r));
    EXPECT_EQ(r.Centroid, 100.0f);
    EXPECT_FALSE(MeasureFwhm(Memory(1024, {{108, 500}}), 100, 0, 1023, r));
}

TEST(Fwhm, EdgeSearchRunningToTheViewStart) {
    // Above half maximum from the peak all the way down to the view start at 96: L = 96 + 2.
    auto counts = Memory(1024, {{96, 15}, {97, 15}, {98, 15}, {99, 18}, {100, 20}, {101, 10}});
    FwhmResult r;
    ASSERT_TRUE(MeasureFwhm(counts, 100, 96, 1023, r));
    // L = 98 with a flat step to 97 (fraction 0); R = 100, fR = (20 - 10) / (20 - 10).
    EXPECT_EQ(r.Width, (100.0f - 98.0f) + 0.0f + 1.0f);
    EXPECT_TRUE(std::isfinite(r.Width));
}

TEST(Fwhm, PeaksAtTheEndsOfTheMemoryOrOutsideTheView) {
    struct Case {
        std::vector<std::int32_t> counts;
        std::int32_t cursor, start, end;
    };
    const Case cases[] = {
        {Memory(16, {{0, 20}, {1, 10}}), 0, 0, 15},               // peak on channel 0
        {Memory(16, {{14, 10}, {15, 20}}), 15, 0, 15},            // peak on the last channel
        {Memory(16, {{0, 20}, {1, 20}, {2, 20}}), 1, 0, 15},      // flat top at the start
        {Memory(3, {{0, 20}, {1, 20}, {2, 20}}), 1, 0, 2},        // a memory smaller than the edges
        {Memory(1024, {{99, 10}, {100, 20}, {101, 10}}), 100, 200, 300},  // peak left of the view
        {Memory(1024, {{99, 10}, {100, 20}, {101, 10}}), 100, 0, 50},     // peak right of the view
        {Memory(1024, {{99, 10}, {100, 20}, {101, 10}}), 100, -50, 5000}, // view past the memory
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "cursor " << c.cursor << " view " << c.start << ".." << c.end);
        FwhmResult r;
        ASSERT_TRUE(MeasureFwhm(c.counts, c.cursor, c.start, c.end, r));
        EXPECT_TRUE(std::isfinite(r.Width));
        EXPECT_TRUE(std::isfinite(r.Centroid));
    }
    // Outside the view the edges are searched towards the memory's ends: the triangle still
    // measures 2.
    FwhmResult r;
    ASSERT_TRUE(MeasureFwhm(cases[4].counts, 100, 200, 300, r));
    EXPECT_EQ(r.Width, 2.0f);
    ASSERT_TRUE(MeasureFwhm(cases[5].counts, 100, 0, 50, r));
    EXPECT_EQ(r.Width, 2.0f);
}

}  // namespace
}  // namespace ztmca
