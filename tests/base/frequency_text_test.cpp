#include "base/frequency_text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct FrequencyCase {
    const char* name;
    int frequencyHz;
    int displayMHz;
    const char* text;
};

class FrequencyTextTest : public testing::TestWithParam<FrequencyCase> {};

TEST_P(FrequencyTextTest, ShowsEveryHertzAtLeastNineWide) {
    const FrequencyCase& c = GetParam();
    EXPECT_EQ(FrequencyText(c.frequencyHz, c.displayMHz), c.text);
}

TEST_P(FrequencyTextTest, ReadoutPadsWithOneBlankEachSide) {
    const FrequencyCase& c = GetParam();
    EXPECT_EQ(FrequencyDisplayText(c.frequencyHz, c.displayMHz), std::string(" ") + c.text + " ");
}

INSTANTIATE_TEST_SUITE_P(
    Formats, FrequencyTextTest,
    testing::Values(FrequencyCase{"Khz6075000", 6075000, 0, " 6075.000"},
                    FrequencyCase{"Mhz6075000", 6075000, 1, " 6.075000"},
                    FrequencyCase{"KhzTopLimitMinusOne", 29999999, 0, "29999.999"},
                    FrequencyCase{"MhzTopLimitMinusOne", 29999999, 1, "29.999999"},
                    FrequencyCase{"Khz100000", 100000, 0, "  100.000"},
                    FrequencyCase{"Mhz100000", 100000, 1, " 0.100000"},
                    FrequencyCase{"KhzOneHertz", 10001, 0, "   10.001"},
                    FrequencyCase{"MhzOneHertz", 7100001, 1, " 7.100001"},
                    // Any unit value other than 1 means kHz.
                    FrequencyCase{"UnitTwoIsKhz", 7100000, 2, " 7100.000"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(FrequencyDisplayText, IsElevenCharactersUpToThirtyMegahertz) {
    for (const int unit : {0, 1}) {
        for (const int hz :
             {10000, 100000, 999999, 1000000, 9999999, 10000000, 29999999, 30000000}) {
            EXPECT_EQ(FrequencyDisplayText(hz, unit).size(), 11u) << hz << " Hz, unit " << unit;
        }
    }
}

}  // namespace
