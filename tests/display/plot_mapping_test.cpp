#include "display/plot_mapping.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace ztmca {
namespace {

CountScale LogScale(int height = 300) {
    CountScale s;
    s.Log = true;
    s.Height = height;
    s.Decade = height / 6;
    return s;
}

CountScale LinearScale(std::int32_t fullScale, int height = 300) {
    CountScale s;
    s.Log = false;
    s.Height = height;
    s.FullScale = fullScale;
    return s;
}

int Row(std::int32_t count, const CountScale& s) { return RowOf(HeightOf(ReducedCount(count, s), s), s.Height); }

TEST(CountHeights, LogScaleRows) {
    const CountScale s = LogScale();
    const std::pair<std::int32_t, int> cases[] = {{0, 299},   {-5, 299},  {1, 292},      {9, 252},
                                                  {10, 249},  {100, 200}, {999999, 1},   {1000000, 0},
                                                  {2000000000, 0}};
    for (const auto& [count, row] : cases) EXPECT_EQ(Row(count, s), row) << count;
}

TEST(CountHeights, LinearScaleRows) {
    const CountScale k1 = LinearScale(1000);
    EXPECT_EQ(Row(0, k1), 299);
    EXPECT_EQ(Row(500, k1), 150);
    EXPECT_EQ(Row(2000, k1), 0);
    CountScale offset = k1;
    offset.Reduce = true;
    offset.Subtract = 400;
    EXPECT_EQ(Row(500, offset), 270);
    EXPECT_EQ(Row(300, offset), 299);  // below the offset: 0
    // The product needs 64 bits.
    EXPECT_EQ(Row(200000000, LinearScale(250000000)), 60);
    EXPECT_EQ(Row(2147483647, LinearScale(100)), 0);
}

TEST(CountHeights, LargeLayoutDecadesAre100Pixels) {
    EXPECT_EQ(Row(1000, LogScale(600)), 300);  // three decades of 100 pixels: half way up
    EXPECT_EQ(Row(100, LogScale(600)), 400);
    EXPECT_EQ(Row(1000, LinearScale(1000, 600)), 0);
}

TEST(ColumnMapping, StepsAndColumnsPerChannel) {
    struct Case {
        int start, end, width;
        bool valid;
        int step, ppc;
    };
    const Case cases[] = {
        {0, 1023, 512, true, 2, 0},    {0, 8191, 512, true, 16, 0}, {0, 127, 512, true, -4, 4},
        {100, 100, 512, true, -512, 512}, {0, 299, 512, true, -1, 1},  {0, 1000, 512, true, 1, 0},
        {200, 100, 512, false, 0, 0},  {0, -1, 512, false, 0, 0},
    };
    for (const Case& c : cases) {
        const ColumnMapping m = MapColumns(c.start, c.end, c.width);
        EXPECT_EQ(m.Valid, c.valid) << c.start << ".." << c.end;
        if (!c.valid) continue;
        EXPECT_EQ(m.Step, c.step) << c.start << ".." << c.end;
        EXPECT_EQ(m.Ppc, c.ppc) << c.start << ".." << c.end;
    }
}

struct Columns : ::testing::Test {
    std::vector<std::int32_t> counts = std::vector<std::int32_t>(1024, 0);
    std::unique_ptr<PlotArrays> plot = std::make_unique<PlotArrays>();
};

TEST_F(Columns, CompressedColumnsCarryTheExtremesOfTheirChannels) {
    for (int ch = 0; ch < 1024; ++ch) counts[ch] = (ch % 2 == 0) ? 500 : 100;
    counts[7] = 900;
    const CountScale s = LinearScale(1000);
    FillColumns(counts, 0, 512, MapColumns(0, 1023, 512), s, false, *plot);
    EXPECT_EQ(plot->ColumnTop[0], 150);
    EXPECT_EQ(plot->ColumnBottom[0], 270);
    EXPECT_EQ(plot->ColumnTop[3], 30);  // channels 6 and 7
    EXPECT_EQ(plot->ColumnBottom[3], 150);
    EXPECT_EQ(plot->ColumnTop[511], 150);
}

TEST_F(Columns, ColumnMinimumStartsAt16Million) {
    counts[0] = 20000000;
    counts[1] = 30000000;
    const CountScale s = LinearScale(50000000);
    FillColumns(counts, 0, 512, MapColumns(0, 1023, 512), s, false, *plot);
    EXPECT_EQ(plot->ColumnTop[0], 120);
    EXPECT_EQ(plot->ColumnBottom[0], 204);  // from 16 000 000, not from 20 000 000
}

TEST_F(Columns, ExpandedColumnsRepeatEachChannelAndPastTheMemoryShowZero) {
    for (int ch = 0; ch < 1024; ++ch) counts[ch] = 1000;
    const CountScale s = LinearScale(1000);
    // 100 channels from 1000 on 512 columns: 5 columns each; channels 1024.. lie past the memory.
    FillColumns(counts, 1000, 512, MapColumns(1000, 1099, 512), s, false, *plot);
    EXPECT_EQ(plot->ColumnTop[0], 0);
    EXPECT_EQ(plot->ColumnTop[119], 0);    // channel 1023
    EXPECT_EQ(plot->ColumnTop[120], 299);  // channel 1024
    EXPECT_EQ(plot->ColumnTop[511], 299);
    // A negative start reads nothing below channel 0 either.
    FillColumns(counts, -10, 512, MapColumns(-10, 117, 512), s, false, *plot);
    EXPECT_EQ(plot->ColumnTop[0], 299);
    EXPECT_EQ(plot->ColumnTop[40], 0);
}

TEST_F(Columns, DotRowsCoverAll8192Channels) {
    counts.assign(8192, 0);
    counts[8191] = 100;
    counts[0] = 10;
    FillColumns(counts, 0, 512, MapColumns(0, 8191, 512), LogScale(), true, *plot);
    EXPECT_EQ(plot->ChannelYLog[8191], 200);
    EXPECT_EQ(plot->ChannelYLog[0], 249);
    FillColumns(counts, 0, 512, MapColumns(0, 8191, 512), LinearScale(100), true, *plot);
    EXPECT_EQ(plot->ChannelYLin[8191], 0);
    EXPECT_EQ(plot->ChannelYLin[0], 270);
}

}  // namespace
}  // namespace ztmca
