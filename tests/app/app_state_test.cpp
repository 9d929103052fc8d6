#include "app/app_state.h"

#include <gtest/gtest.h>

#include "app/text_convert.h"

namespace ztmca {
namespace {

TEST(AppState, DefaultsHoldTheRampAndTheSetUpRecords) {
    static AppState s;
    ResetToDefaults(s);
    EXPECT_EQ(s.Memory.MainCounts[100], 100);
    EXPECT_EQ(s.Memory.MainCounts[5000], 904);
    EXPECT_EQ(s.Memory.WorkCounts[1][4095], 4095);
    EXPECT_EQ(s.Memory.WorkCounts[1][4096], 0);
    EXPECT_EQ(s.Memory.MemorySize, 1024);
    EXPECT_EQ(s.Pha.PresetTime, 10000);
    EXPECT_FLOAT_EQ(s.Pha.DeadTimePerEvent, 1.2f);
    EXPECT_EQ(s.Mcs.ModeCode, 6);
    EXPECT_EQ(s.Mcs.SweepCount, 100000000);
    EXPECT_EQ(s.Acq.PresetTimeShown, 10000);
}

TEST(AppState, ClearCoversOnlyTheMemoryInUseAndNeverPassesTheLastChannel) {
    static AppState s;
    ResetToDefaults(s);
    s.Memory.MemorySize = 512;
    ClearMainCounts(s.Memory);
    EXPECT_EQ(s.Memory.MainCounts[511], 0);
    EXPECT_EQ(s.Memory.MainCounts[512], 512);
    s.Memory.MemorySize = 100000;  // a size no instrument sends: clamped
    ClearMainCounts(s.Memory);
    EXPECT_EQ(s.Memory.MainCounts[8191], 0);
}

TEST(AppState, TextsLongerThanTheirFieldsAreCut) {
    PhaSetup p;
    SetCommentText(p, std::string(100, 'c'));
    EXPECT_EQ(CommentText(p), std::string(63, 'c'));
    std::string name;
    SetName(name, std::string(300, 'n'));
    EXPECT_EQ(name.size(), 255u);
}

TEST(TextConvert, FloatsFollowTheEditBoxRules) {
    struct Case {
        const char* text;
        bool ok;
        double value;
    };
    const Case cases[] = {{"1.5", true, 1.5},     {"  512.34", true, 512.34}, {"-2e3 ", true, -2000},
                          {"+.5", true, 0.5},     {"5.", true, 5},            {"1E+2", true, 100},
                          {"Low Ch", false, 0},   {"", false, 0},             {"1.2.3", false, 0},
                          {"1e", false, 0},       {".", false, 0},            {"1,5", false, 0}};
    for (const Case& c : cases) {
        double v = 0;
        EXPECT_EQ(TryStrToFloat(c.text, v), c.ok) << c.text;
        if (c.ok) {
            EXPECT_DOUBLE_EQ(v, c.value) << c.text;
        }
    }
    // Where the system writes a decimal comma ("%11.1f" gives "     1000,0"), the comma is read.
    double v = 0;
    EXPECT_TRUE(TryStrToFloat("     1000,5", v, ','));
    EXPECT_DOUBLE_EQ(v, 1000.5);
    EXPECT_FALSE(TryStrToFloat("1000.5", v, ','));
}

TEST(TextConvert, IntegersAllowLeadingBlanksAndFitThirtyTwoBits) {
    std::int32_t v = 0;
    EXPECT_TRUE(TryStrToInt("     10000", v));
    EXPECT_EQ(v, 10000);
    EXPECT_TRUE(TryStrToInt("-2147483648", v));
    EXPECT_EQ(v, INT32_MIN);
    EXPECT_FALSE(TryStrToInt("2147483648", v));
    EXPECT_FALSE(TryStrToInt("RoiLch", v));
    EXPECT_FALSE(TryStrToInt("12 ", v));
    EXPECT_FALSE(TryStrToInt("", v));
    EXPECT_THROW(StrToInt("x"), ConversionError);
}

}  // namespace
}  // namespace ztmca
