#include "schedule/schedule_filter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "schedule/schedule_columns.h"
#include "schedule_test_time.h"

namespace {

std::vector<std::string> Stations(const std::vector<const ScheduleEntry*>& entries) {
    std::vector<std::string> names;
    for (const ScheduleEntry* entry : entries) names.push_back(entry->station);
    return names;
}

using Names = std::vector<std::string>;

struct FilterCase {
    const char* name;
    const char* text;
    bool matches;
};

class FilterTextTest : public testing::TestWithParam<FilterCase> {};

TEST_P(FilterTextTest, MatchesNameWordStartsAndWholeCodes) {
    Schedule schedule;
    // Station "R.Romania Int.", language "F", target "WEu", country "ROU".
    schedule.LoadText("9610;0000-2400;;ROU;R.Romania Int.;F;WEu\n");
    ASSERT_EQ(schedule.Entries().size(), 1u);
    EXPECT_EQ(MatchesFilterText(schedule.Entries()[0], GetParam().text), GetParam().matches);
}

INSTANTIATE_TEST_SUITE_P(Words, FilterTextTest,
                         testing::Values(FilterCase{"Empty", "", true},
                                         FilterCase{"OnlyBlanks", "  \t ", true},
                                         FilterCase{"NameStart", "R", true},
                                         FilterCase{"WordAfterAPoint", "romania", true},
                                         FilterCase{"AnyCase", "ROMANIA int", true},
                                         FilterCase{"InsideAWordIsNoMatch", "mania", false},
                                         FilterCase{"LanguageWhole", "f", true},
                                         FilterCase{"TargetWhole", "weu", true},
                                         FilterCase{"CountryWhole", "rou", true},
                                         FilterCase{"PartOfACodeIsNoMatch", "We", false},
                                         FilterCase{"EveryWordMustMatch", "romania E", false},
                                         FilterCase{"WordsInAnyOrder", "weu  F romania", true}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(FilterOnAir, TextAndNearnessNarrowTheBroadcastsOnAirByFrequency) {
    Schedule schedule;
    schedule.LoadText(
        "9590;0000-2400;;;Radio Two;E\n"
        "9580;0000-2400;;;Radio One;E\n"
        "9584.5;0000-2400;;;Radio Near;F\n"
        "9580;1300-1400;;;Radio Later;E\n"
        "9575;0000-2400;;;Radio Edge;E\n");
    const UtcTime noon = Utc(2025, 3, 3, 12, 0);
    EXPECT_EQ(Stations(FilterOnAir(schedule, {}, 9580000, noon)),
              (Names{"Radio Edge", "Radio One", "Radio Near", "Radio Two"}));
    EXPECT_EQ(Stations(FilterOnAir(schedule, {"", true}, 9580000, noon)),
              (Names{"Radio Edge", "Radio One", "Radio Near"}));
    EXPECT_EQ(Stations(FilterOnAir(schedule, {"e", true}, 9580000, noon)),
              (Names{"Radio Edge", "Radio One"}));
    EXPECT_EQ(Stations(FilterOnAir(schedule, {"later", false}, 9580000, Utc(2025, 3, 3, 13, 0))),
              (Names{"Radio Later"}));
}

TEST(ScheduleCellText, KilohertzWithTheDecimalsItNeedsAndTheTimeAsWritten) {
    Schedule schedule;
    schedule.LoadText("16.4;2200-2400;Mo-Fr;;VLF\n5000.25;0000-0030;;;Fine\n");
    ASSERT_EQ(schedule.Entries().size(), 2u);
    const auto cell = [&](std::size_t entry, ScheduleColumn column) {
        return ScheduleCellText(schedule.Entries()[entry], static_cast<int>(column));
    };
    EXPECT_EQ(cell(0, ScheduleColumn::Frequency), "16.4");
    EXPECT_EQ(cell(0, ScheduleColumn::Time), "2200-2400");
    EXPECT_EQ(cell(1, ScheduleColumn::Frequency), "5000.25");
    EXPECT_EQ(cell(1, ScheduleColumn::Time), "0000-0030");
}

}  // namespace
