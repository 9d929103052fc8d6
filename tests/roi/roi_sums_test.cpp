#include <gtest/gtest.h>

#include <climits>
#include <utility>
#include <vector>

#include "roi/roi_columns.h"
#include "roi/roi_command.h"
#include "roi/roi_integration.h"

namespace ztmca {
namespace {

// Exactly the memory in use, so that any read past either end trips the sanitizer.
std::vector<std::int32_t> Flat(int channels, std::int32_t count) { return std::vector<std::int32_t>(channels, count); }

TEST(RoiIntegration, FlatBackgroundAndPeak) {
    auto counts = Flat(1024, 10);
    RoiSums flat = IntegrateWindow(counts, 100, 110);
    EXPECT_FLOAT_EQ(flat.Gross, 100.0f);
    EXPECT_FLOAT_EQ(flat.Net, 0.0f);

    counts[105] = 1000;
    RoiSums peak = IntegrateWindow(counts, 100, 110);
    EXPECT_FLOAT_EQ(peak.Gross, 1090.0f);
    EXPECT_FLOAT_EQ(peak.Net, 990.0f);

    counts[110] = 5000;  // channel R itself is background, not gross
    EXPECT_FLOAT_EQ(IntegrateWindow(counts, 100, 110).Gross, 1090.0f);
}

TEST(RoiIntegration, SumsAreSinglePrecisionPartials) {
    // 2^24 + 1 + 1: each partial sum rounds back to 2^24 in single precision.
    std::vector<std::int32_t> counts{16777216, 1, 1, 0, 0, 0};
    EXPECT_EQ(IntegrateWindow(counts, 0, 3).Gross, 16777216.0f);
}

TEST(RoiIntegration, BackgroundBesideTheMemoryEndsUsesTheNearestChannelInside) {
    // With every channel at 10, any other stand-in for the missing neighbours would leave a net.
    const auto counts = Flat(16, 10);
    struct Case {
        std::int32_t low, high;
        float gross;
    } cases[] = {
        {0, 10, 100.0f},  // L - 1 and L - 2 lie before channel 0
        {1, 11, 100.0f},
        {6, 15, 90.0f},   // R + 1 and R + 2 lie past the last channel
        {8, 16, 80.0f},   // R itself is past the end
        {10, 20, 60.0f},  // the window runs past the end: only channels 10..15 count
        {-5, 3, 30.0f},   // and before the start
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.low << ".." << c.high);
        const RoiSums s = IntegrateWindow(counts, c.low, c.high);
        EXPECT_FLOAT_EQ(s.Gross, c.gross);
        EXPECT_FLOAT_EQ(s.Net, c.gross - 10.0f * static_cast<float>(c.high - c.low));
    }
}

TEST(RoiIntegration, WindowsOutsideTheMemoryOrReversed) {
    const auto counts = Flat(16, 10);
    const std::pair<std::int32_t, std::int32_t> outside[] = {{16, 30}, {-30, -1}, {INT_MIN, INT_MIN}, {INT_MAX, INT_MAX}};
    for (auto [low, high] : outside) {
        const RoiSums s = IntegrateWindow(counts, low, high);
        EXPECT_EQ(s.Gross, 0.0f);
        EXPECT_EQ(s.Net, 0.0f);
    }
    // L above R: no gross, and the background width turns negative.
    const RoiSums reversed = IntegrateWindow(counts, 12, 2);
    EXPECT_EQ(reversed.Gross, 0.0f);
    EXPECT_FLOAT_EQ(reversed.Net, 100.0f);

    const RoiSums empty = IntegrateWindow({}, -3, 10);
    EXPECT_EQ(empty.Gross, 0.0f);
    EXPECT_EQ(empty.Net, 0.0f);
}

TEST(RoiIntegration, GrossSumTruncatesAndHoldsAtTheLimits) {
    EXPECT_EQ(TruncatedSum(1090.9f), 1090);
    EXPECT_EQ(TruncatedSum(-3.7f), -3);
    EXPECT_EQ(TruncatedSum(1.0e13f), INT32_MAX);
    EXPECT_EQ(TruncatedSum(-1.0e13f), INT32_MIN);
}

TEST(RoiColumns, WindowToShadedColumns) {
    struct Case {
        std::int32_t low, high, start;
        int step, ppc;
        bool drawn;
        int first, end;
    } cases[] = {
        {100, 110, 0, 2, 0, true, 50, 55},      // two channels per column
        {10, 12, 0, -4, 4, true, 40, 52},       // four columns per channel
        {-20, 10, 0, 2, 0, true, 0, 5},         // starts left of the display: from column 0
        {1000, 1030, 0, 2, 0, false, 0, 0},     // runs off the right edge (x1 >= W)
        {1000, 1022, 0, 2, 0, true, 500, 511},  // ends on the last column
        {-30, -3, 0, 2, 0, false, 0, 0},        // ends left of column 0
        {110, 100, 0, 2, 0, false, 0, 0},       // L above R: no column
        {100, 110, 0, 0, 0, false, 0, 0},       // no usable geometry
        {INT_MIN, INT_MAX, 0, -4, 4, false, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.low << ".." << c.high << " step " << c.step);
        ColumnSpan span;
        ASSERT_EQ(RoiColumns(c.low, c.high, c.start, c.step, c.ppc, 512, span), c.drawn);
        if (!c.drawn) continue;
        EXPECT_EQ(span.First, c.first);
        EXPECT_EQ(span.End, c.end);
    }
}

TEST(RoiCommand, FourDigitsOrNothing) {
    char command[kRoiCommandBytes];
    ASSERT_TRUE(RoiWindowCommand(100, 200, command));
    EXPECT_STREQ(command, "$@R1,0100,0200;");
    ASSERT_TRUE(RoiWindowCommand(0, 9999, command));
    EXPECT_STREQ(command, "$@R1,0000,9999;");
    EXPECT_FALSE(RoiWindowCommand(100, 10000, command));
    EXPECT_FALSE(RoiWindowCommand(-1, 200, command));
    EXPECT_FALSE(RoiWindowCommand(INT_MIN, INT_MAX, command));
}

}  // namespace
}  // namespace ztmca
