#include "schedule/schedule_row.h"

#include <gtest/gtest.h>

#include <string>

#include "support/row_name.h"

namespace {

TEST(ScheduleRow, ReadsEveryColumn) {
    ScheduleEntry entry;
    ASSERT_EQ(ParseScheduleRow("9420;1900-2000;Mo-Fr;F;Voix de l'\xC9glise;F;Eu;Issoudun;1;"
                               "3003;2510(?);",
                               entry),
              RowProblem::None);
    EXPECT_EQ(entry.frequencyHz, 9420000);
    EXPECT_EQ(entry.startMinute, 19 * 60);
    EXPECT_EQ(entry.stopMinute, 20 * 60);
    EXPECT_EQ(entry.days.Text(), "Mo-Fr");
    EXPECT_EQ(entry.itu, "F");
    EXPECT_EQ(entry.station, "Voix de l'\xC3\x89glise");
    EXPECT_EQ(entry.language, "F");
    EXPECT_EQ(entry.target, "Eu");
    EXPECT_EQ(entry.remarks, "Issoudun");
    EXPECT_EQ(entry.season, "1");
    EXPECT_EQ(entry.startDate, 3003);
    EXPECT_EQ(entry.stopDate, 2510);
    EXPECT_EQ(entry.stopNote, "(?)");
    EXPECT_FALSE(entry.cw || entry.timeSignal);
}

TEST(ScheduleRow, ShortRowLeavesTheMissingColumnsEmpty) {
    ScheduleEntry entry;
    entry.station = "left over";
    ASSERT_EQ(ParseScheduleRow("16.4;0000-2400", entry), RowProblem::None);
    EXPECT_EQ(entry.frequencyHz, 16400);
    EXPECT_EQ(entry.startMinute, 0);
    EXPECT_EQ(entry.stopMinute, 1440);
    EXPECT_EQ(entry.days.GetKind(), DayRule::Kind::Daily);
    EXPECT_EQ(entry.station, "");
    EXPECT_EQ(entry.startDate, 0);
    EXPECT_EQ(entry.stopDate, 0);
}

TEST(ScheduleRow, MarksMorseAndTimeSignals) {
    ScheduleEntry morse, time;
    ParseScheduleRow("4310;0000-2400;;RUS;Beacon;-CW", morse);
    ParseScheduleRow("77.5;0000-0000;;D;DCF77;-TS", time);
    EXPECT_TRUE(morse.cw && !morse.timeSignal && time.timeSignal && !time.cw);
}

struct BadRow {
    std::string name;
    std::string line;
    RowProblem problem;
};

class ScheduleRowProblem : public testing::TestWithParam<BadRow> {};

TEST_P(ScheduleRowProblem, IsNamed) {
    ScheduleEntry entry;
    EXPECT_EQ(ParseScheduleRow(GetParam().line, entry), GetParam().problem);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ScheduleRowProblem,
    testing::Values(BadRow{"FrequencyOnly", "6000", RowProblem::Time},
                    BadRow{"NoFrequency", ";0000-2400", RowProblem::Frequency},
                    BadRow{"ZeroFrequency", "0.0;0000-2400", RowProblem::Frequency},
                    BadRow{"FinerThanOneHertz", "6000.0001;0000-2400", RowProblem::Frequency},
                    BadRow{"OneGigahertz", "1000000;0000-2400", RowProblem::Frequency},
                    BadRow{"CommaDecimal", "16,4;0000-2400", RowProblem::Frequency},
                    BadRow{"MinuteSixty", "6000;1260-1300", RowProblem::Time},
                    BadRow{"PastMidnight", "6000;2401-0100", RowProblem::Time},
                    BadRow{"NoDash", "6000;1200 1300", RowProblem::Time},
                    BadRow{"BadStart", "6000;1200-1300;;;;;;;;3102", RowProblem::StartDate},
                    BadRow{"BadStop", "6000;1200-1300;;;;;;;;;2510x", RowProblem::StopDate}),
    RowName());

}  // namespace
