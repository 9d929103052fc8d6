#include "display/view_range.h"

#include <gtest/gtest.h>

#include <vector>

namespace ztmca {
namespace {

TEST(Expand, HalvesAroundTheCursorDownToEightColumnsPerChannel) {
    ViewRange r{0, 1023, 512};
    const std::vector<std::pair<int, int>> expected = {{256, 767}, {384, 639}, {448, 575}, {480, 543}, {480, 543}};
    for (const auto& [start, end] : expected) {
        ExpandRange(r, 512, 1024);
        EXPECT_EQ(r.StartCh, start);
        EXPECT_EQ(r.EndCh, end);
        EXPECT_EQ(r.CursorCh, 512);
    }
}

TEST(Expand, SmallestRangeFollowsTheMemorySize) {
    ViewRange r{0, 511, 256};
    for (int i = 0; i < 5; ++i) ExpandRange(r, 512, 512);
    EXPECT_EQ(r.EndCh - r.StartCh + 1, 128);
    // The large layout with a memory smaller than the plot never expands.
    ViewRange big{0, 511, 256};
    ExpandRange(big, 1024, 512);
    EXPECT_EQ(big.StartCh, 0);
    EXPECT_EQ(big.EndCh, 511);
}

TEST(Expand, KeepsTheRangeInsideTheMemoryAndTheCursorInsideTheRange) {
    ViewRange low{0, 1023, 10};
    ExpandRange(low, 512, 1024);
    EXPECT_EQ(low.StartCh, 0);
    EXPECT_EQ(low.EndCh, 511);
    ViewRange high{0, 1023, 1020};
    ExpandRange(high, 512, 1024);
    EXPECT_EQ(high.StartCh, 512);
    EXPECT_EQ(high.EndCh, 1023);
    // Expanded view near channel 0: the start is cut at 0 and the end stays, so the cursor moves in.
    ViewRange edge{0, 255, 3};
    ExpandRange(edge, 512, 1024);
    EXPECT_EQ(edge.StartCh, 0);
    EXPECT_EQ(edge.EndCh, 66);
    EXPECT_EQ(edge.CursorCh, 3);
}

TEST(Compress, DoublesAroundTheCursorAndStopsAtTheFullMemory) {
    ViewRange r{480, 543, 512};
    const std::vector<std::pair<int, int>> expected = {{448, 575}, {384, 639}, {256, 767}, {0, 1023}, {0, 1023}};
    for (const auto& [start, end] : expected) {
        CompressRange(r, 512, 1024);
        EXPECT_EQ(r.StartCh, start);
        EXPECT_EQ(r.EndCh, end);
    }
    EXPECT_EQ(r.CursorCh, 512);
}

TEST(RangesWithoutAWholeDivision, AreLeftAsTheyAre) {
    struct Case {
        ViewRange range;
        bool expand;
    };
    // 300 channels on 512 columns is one column per channel; an empty or reversed range has none.
    const Case cases[] = {{{0, 299, 100}, false}, {{500, 400, 450}, false}, {{500, 400, 450}, true},
                          {{0, -1, 0}, true}};
    for (const Case& c : cases) {
        ViewRange r = c.range;
        if (c.expand)
            ExpandRange(r, 512, 1024);
        else
            CompressRange(r, 512, 1024);
        EXPECT_EQ(r.StartCh, c.range.StartCh);
        EXPECT_EQ(r.EndCh, c.range.EndCh);
    }
}

TEST(PointerChannel, ChannelUnderAColumn) {
    std::int64_t ch = 0;
    ASSERT_TRUE(ChannelAtColumn(0, 1023, 512, 100, ch));
    EXPECT_EQ(ch, 200);
    ASSERT_TRUE(ChannelAtColumn(480, 543, 512, 17, ch));  // 8 columns per channel
    EXPECT_EQ(ch, 482);
    ASSERT_TRUE(ChannelAtColumn(0, 1023, 512, -18, ch));  // left of the plot
    EXPECT_EQ(ch, -36);
    EXPECT_FALSE(ChannelAtColumn(100, 99, 512, 10, ch));
}

}  // namespace
}  // namespace ztmca
