#include "schedule/season_dates.h"

#include <gtest/gtest.h>

#include <string>

#include "schedule_test_time.h"
#include "support/row_name.h"

namespace {

struct SeasonRow {
    std::string name;
    int start;
    int stop;
    int day;
    int month;
    bool inSeason;
};

class Season : public testing::TestWithParam<SeasonRow> {};

TEST_P(Season, HoldsTheDaysBetweenStartAndStop) {
    const SeasonRow& row = GetParam();
    EXPECT_EQ(InSeason(row.start, row.stop, Day(row.day, row.month, 0)), row.inSeason);
}

INSTANTIATE_TEST_SUITE_P(Dates, Season,
                         testing::Values(SeasonRow{"NoDates", 0, 0, 1, 7, true},
                                         SeasonRow{"SummerLastDay", 3003, 2510, 25, 10, true},
                                         SeasonRow{"SummerDayAfter", 3003, 2510, 26, 10, false},
                                         SeasonRow{"WinterOverNewYear", 2610, 2903, 1, 1, true},
                                         SeasonRow{"WinterLastDay", 2610, 2903, 29, 3, true},
                                         SeasonRow{"WinterNotInJuly", 2610, 2903, 1, 7, false},
                                         SeasonRow{"StartOnlyNotBefore", 1506, 0, 1, 6, false},
                                         SeasonRow{"StartOnlyOverNewYear", 501, 0, 1, 3, true},
                                         SeasonRow{"StartOnlyNotInTheMonthsBefore", 501, 0, 1, 11,
                                                   false},
                                         SeasonRow{"StopOnlyBefore", 0, 3103, 1, 1, true},
                                         SeasonRow{"StopOnlyNotAfter", 0, 3103, 1, 4, false}),
                         RowName());

TEST(SeasonDates, ReadsDdmmWithAnOptionalBracketedNoteOnStop) {
    int ddmm = -1;
    std::string note;
    EXPECT_TRUE(ParseStartDate(" ", ddmm));
    EXPECT_EQ(ddmm, 0);
    EXPECT_TRUE(ParseStopDate("2903(?)", ddmm, note));
    EXPECT_EQ(ddmm, 2903);
    EXPECT_EQ(note, "(?)");
    EXPECT_TRUE(ParseStopDate("2902 [leap]", ddmm, note));
    EXPECT_EQ(note, "[leap]");
    for (const char* bad : {"3002", "0013", "251", "25100", "25-10", "x510"}) {
        EXPECT_FALSE(ParseStartDate(bad, ddmm)) << bad;
    }
    EXPECT_FALSE(ParseStopDate("2903?", ddmm, note));
}

}  // namespace
