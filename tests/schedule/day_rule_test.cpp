#include "schedule/day_rule.h"

#include <gtest/gtest.h>

#include <string>

#include "schedule_test_time.h"
#include "support/row_name.h"

namespace {

constexpr int kMonday = 0, kTuesday = 1, kWednesday = 2, kThursday = 3, kFriday = 4, kSaturday = 5,
              kSunday = 6;

struct DayRow {
    std::string name;
    std::string field;
    BroadcastDay day;
    bool matches;
};

class DayRuleMatch : public testing::TestWithParam<DayRow> {};

TEST_P(DayRuleMatch, MatchesTheDaysItNames) {
    EXPECT_EQ(DayRule::Parse(GetParam().field).Matches(GetParam().day), GetParam().matches);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, DayRuleMatch,
    testing::Values(DayRow{"EmptyIsDaily", "", Day(1, 1, kSunday), true},
                    DayRow{"WorkdaysOnFriday", "Mo-Fr", Day(7, 3, kFriday), true},
                    DayRow{"WorkdaysNotOnSaturday", "Mo-Fr", Day(8, 3, kSaturday), false},
                    DayRow{"WrappingRangeOnSunday", "Sa-Mo", Day(9, 3, kSunday), true},
                    DayRow{"WrappingRangeOnMonday", "Sa-Mo", Day(10, 3, kMonday), true},
                    DayRow{"WrappingRangeNotOnTuesday", "Sa-Mo", Day(11, 3, kTuesday), false},
                    DayRow{"NamesInARow", "MoWeFr", Day(5, 3, kWednesday), true},
                    DayRow{"NamesWithCommaNotBetween", "Tu,Th", Day(5, 3, kWednesday), false},
                    DayRow{"DigitListOnThursday", "1245", Day(6, 3, kThursday), true},
                    DayRow{"DigitListNotOnWednesday", "1245", Day(5, 3, kWednesday), false},
                    DayRow{"DigitSevenIsSunday", "7", Day(9, 3, kSunday), true},
                    DayRow{"DateOnItsDay", "24Dec", Day(24, 12, kWednesday), true},
                    DayRow{"DateNotOnTheNextDay", "24Dec", Day(25, 12, kThursday), false},
                    DayRow{"DateListSecondDate", "24Dec,25Dec", Day(25, 12, kThursday), true},
                    DayRow{"IrregularOnAnyDay", "irr", Day(2, 7, kWednesday), true}),
    RowName());

struct KindRow {
    std::string name;
    std::string field;
    DayRule::Kind kind;
};

class DayRuleKind : public testing::TestWithParam<KindRow> {};

TEST_P(DayRuleKind, IsReadAs) {
    EXPECT_EQ(DayRule::Parse(GetParam().field).GetKind(), GetParam().kind);
}

INSTANTIATE_TEST_SUITE_P(Fields, DayRuleKind,
                         testing::Values(KindRow{"Blank", "  ", DayRule::Kind::Daily},
                                         KindRow{"DigitRange", "1-5", DayRule::Kind::Weekdays},
                                         KindRow{"Alternating", "alt", DayRule::Kind::Irregular},
                                         KindRow{"Ramadan", "Ram", DayRule::Kind::Irregular},
                                         KindRow{"DigitOutOfWeek", "1280",
                                                 DayRule::Kind::Irregular},
                                         KindRow{"NoSuchDate", "30Feb", DayRule::Kind::Irregular},
                                         KindRow{"OpenRange", "Mo-", DayRule::Kind::Irregular}),
                         RowName());

TEST(DayRule, KeepsItsTextInUtf8) {
    EXPECT_EQ(DayRule::Parse(" f\xEAte ").Text(), "f\xC3\xAAte");
}

}  // namespace
