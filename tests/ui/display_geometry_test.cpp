#include "ui/display_geometry.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace {

struct BarCase {
    const char* name;
    int levelDb;
    int width;
    int length;
};

class MeterBarLengthTest : public testing::TestWithParam<BarCase> {};

TEST_P(MeterBarLengthTest, ScalesNinetyDecibelsToTheWidth) {
    const BarCase& c = GetParam();
    EXPECT_EQ(MeterBarLength(c.levelDb, c.width), c.length);
}

INSTANTIATE_TEST_SUITE_P(
    Levels, MeterBarLengthTest,
    testing::Values(BarCase{"ZeroIsEmpty", 0, 180, 0}, BarCase{"NegativeIsEmpty", -5, 180, 0},
                    BarCase{"FortyFiveIsHalf", 45, 180, 90}, BarCase{"NinetyIsFull", 90, 180, 180},
                    BarCase{"NinetySixIsFull", 96, 180, 180},
                    BarCase{"TruncatesTowardZero", 1, 89, 0},
                    BarCase{"HugeLevelDoesNotOverflow", INT_MAX, 1000, 1000},
                    BarCase{"HugeNegativeIsEmpty", INT_MIN, 1000, 0}, BarCase{"NoWidth", 45, 0, 0}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(MeterBarRects, BarsShareOnePixelRow) {
    const MeterBars bars = MeterBarRects(90, 45, 200, 20);
    EXPECT_EQ(bars.current.left, 0);
    EXPECT_EQ(bars.current.top, 0);
    EXPECT_EQ(bars.current.right, 200);
    EXPECT_EQ(bars.current.bottom, 10);
    EXPECT_EQ(bars.average.left, 0);
    EXPECT_EQ(bars.average.top, 9);
    EXPECT_EQ(bars.average.right, 100);
    EXPECT_EQ(bars.average.bottom, 20);
}

TEST(MeterBarRects, OddHeightSplitsAtTheTruncatedHalf) {
    const MeterBars bars = MeterBarRects(0, 0, 100, 21);
    EXPECT_EQ(bars.current.bottom, 10);
    EXPECT_EQ(bars.average.top, 9);
    EXPECT_EQ(bars.current.right, 0);
    EXPECT_EQ(bars.average.right, 0);
}

TEST(Readout, FontIsThreeFifthsAndTextCentredVertically) {
    EXPECT_EQ(ReadoutFontHeight(50), 30);
    EXPECT_EQ(ReadoutTextTop(50), 10);
    // 3*33/5 = 19 (truncated); (33 - 19) / 2 = 7.
    EXPECT_EQ(ReadoutFontHeight(33), 19);
    EXPECT_EQ(ReadoutTextTop(33), 7);
}

TEST(SquelchLampColour, WhiteOffGreenOpenRedOtherwise) {
    EXPECT_EQ(SquelchLampColour(-1), (RgbColour{255, 255, 255}));
    EXPECT_EQ(SquelchLampColour(0), (RgbColour{0, 255, 0}));
    EXPECT_EQ(SquelchLampColour(1), (RgbColour{255, 0, 0}));
    EXPECT_EQ(SquelchLampColour(7), (RgbColour{255, 0, 0}));
    EXPECT_EQ(SquelchLampColour(-2), (RgbColour{255, 0, 0}));
}

}  // namespace
