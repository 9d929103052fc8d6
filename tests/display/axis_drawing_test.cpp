#include "display/axis_drawing.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/fake_host.h"

namespace ztmca {
namespace {

constexpr Colour kFace = colours::kButtonFace;

struct ChannelStripFixture {
    Bitmap blank{1024, 20, 512, 20};
    Bitmap strip{1024, 20, 512, 20};
    ChannelStripFixture() {
        blank.Fill(kFace);
        blank.FillRow(0, colours::kBlack);
        blank.FillRow(1, colours::kBlack);
    }
    // Columns whose tick reaches row `row` (rows 0 and 1 are the black band).
    std::vector<int> TickColumns(int row) const {
        std::vector<int> xs;
        for (int x = 0; x < strip.Width(); ++x)
            if (strip.Pixel(x, row) == colours::kBlack) xs.push_back(x);
        return xs;
    }
};

TEST(ChannelTicks, FullViewOf1024ChannelsHasTicksEvery100ChannelsAndMinorTicksEvery5Pixels) {
    ChannelStripFixture f;
    DrawChannelTicks(f.strip, f.blank, 0, 1023);
    std::vector<int> majors;
    for (int x = 0; x <= 500; x += 50) majors.push_back(x);
    EXPECT_EQ(f.TickColumns(17), majors);
    EXPECT_TRUE(f.TickColumns(18).empty());  // a line-to stops short of its end
    std::vector<int> all;
    for (int x = 0; x <= 545; x += 5)
        if (x < 512) all.push_back(x);
    EXPECT_EQ(f.TickColumns(9), all);
    EXPECT_EQ(f.TickColumns(10), majors);
}

TEST(ChannelTicks, MajorTicksStartFromTheRemainderOfTheStartChannel) {
    ChannelStripFixture f;
    // Span 499: 50-channel interval, r = 130 mod 50 = 30.
    DrawChannelTicks(f.strip, f.blank, 130, 629);
    std::vector<int> majors;
    for (int k = 0; k <= 9; ++k) majors.push_back((k * 50 + 30) * 512 / 499);
    EXPECT_EQ(f.TickColumns(17), majors);
    EXPECT_EQ(majors.front(), 30);
}

TEST(ChannelTicks, IntervalsByRangeWidth) {
    struct Case {
        int end;
        int majors;
        bool minors;
    };
    for (const Case c : {Case{255, 26, false}, Case{4095, 21, true}, Case{1023, 11, true}}) {
        ChannelStripFixture f;
        DrawChannelTicks(f.strip, f.blank, 0, c.end);
        EXPECT_EQ(static_cast<int>(f.TickColumns(17).size()), c.majors) << c.end;
        EXPECT_EQ(f.TickColumns(9).size() > f.TickColumns(17).size(), c.minors) << c.end;
    }
}

TEST(ChannelTicks, RangeWithoutSpanLeavesTheBlankStrip) {
    for (const auto& [start, end] : {std::pair{100, 100}, std::pair{200, 100}}) {
        ChannelStripFixture f;
        f.strip.Fill(colours::kRed);
        DrawChannelTicks(f.strip, f.blank, start, end);
        EXPECT_TRUE(f.TickColumns(17).empty());
        EXPECT_EQ(f.strip.Pixel(5, 17), kFace);
    }
}

TEST(ScaleStrips, LogStripLabelsTheSixDecadesInBlack) {
    testing::FakeHost host;
    Bitmap blank{26, 600, 15, 300}, strip{26, 600, 15, 300};
    blank.Fill(kFace);
    DrawLogScaleStrip(strip, blank, 300, host);
    ASSERT_EQ(host.texts.size(), 6u);
    const int ys[] = {287, 238, 188, 138, 88, 38};
    for (int d = 0; d < 6; ++d) {
        EXPECT_EQ(host.texts[d].Text, std::string("e") + char('0' + d));
        EXPECT_EQ(host.texts[d].X, 1);
        EXPECT_EQ(host.texts[d].Y, ys[d]);
        EXPECT_EQ(host.texts[d].Colour, colours::kBlack);
    }
    // Decade lines one pixel above the height of 10^d counts, across the strip.
    for (int y : {299, 249, 199, 149, 99, 49, 0}) EXPECT_EQ(strip.Pixel(0, y), colours::kBlack) << y;
    // Minor tick of 2 counts in the first decade: trunc(log10(2) * 50 + 0.5) + 1 = 16.
    EXPECT_EQ(strip.Pixel(4, 300 - 16), colours::kBlack);
    EXPECT_EQ(strip.Pixel(3, 300 - 16), kFace);
}

TEST(ScaleStrips, LinearStripHasTicksEverySixPixelsAndNoLabels) {
    Bitmap blank{26, 600, 15, 300}, strip{26, 600, 15, 300};
    blank.Fill(kFace);
    DrawLinearScaleStrip(strip, blank, 300);
    for (int y = 299; y >= 0; y -= 6) EXPECT_EQ(strip.Pixel(4, y), colours::kBlack) << y;
    EXPECT_EQ(strip.Pixel(4, 296), kFace);
    EXPECT_EQ(strip.Pixel(0, 293), kFace);  // minor tick, not a division line
    EXPECT_EQ(strip.Pixel(0, 239), colours::kBlack);
}

TEST(PlotBackground, UnitTextsOnlyInPhaModes) {
    struct Case {
        bool log, pha;
        std::vector<std::string> texts;
    };
    const Case cases[] = {
        {true, true, {"sec.PT", "sec.RT", "DT( % )", "sec.LT", "kcps", "kcts", "VFS", "Log"}},
        {false, true, {"sec.PT", "sec.RT", "DT( % )", "sec.LT", "kcps", "kcts", "VFS"}},
        {true, false, {"VFS", "Log"}},
        {false, false, {"VFS"}},
    };
    for (const Case& c : cases) {
        testing::FakeHost host;
        Bitmap blank{1024, 600, 512, 300}, background{1024, 600, 512, 300};
        blank.Fill(colours::kBlack);
        DrawPlotBackground(background, blank, {c.log, c.pha, colours::kWhite}, host);
        std::vector<std::string> texts;
        for (const auto& t : host.texts) texts.push_back(t.Text);
        EXPECT_EQ(texts, c.texts);
        // Grid: log decades of 50 pixels, linear divisions of 60.
        const int d = c.log ? 50 : 60;
        EXPECT_EQ(background.Pixel(300, 299 - d), kGridColour);
        EXPECT_EQ(background.Pixel(300, 298 - d), colours::kBlack);
    }
}

}  // namespace
}  // namespace ztmca
