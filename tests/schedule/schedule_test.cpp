#include "schedule/schedule.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "schedule/schedule_texts.h"
#include "schedule_test_time.h"
#include "support/temp_dir.h"

namespace {

const std::string kHeader =
    "kHz:75;Time(UTC):93;Days:59;ITU:49;Station:201;Lng:49;Target:62;Remarks:135;P:35;Start:60;"
    "Stop:60;";

std::vector<std::string> Stations(const std::vector<const ScheduleEntry*>& entries) {
    std::vector<std::string> names;
    for (const ScheduleEntry* entry : entries) names.push_back(entry->station);
    return names;
}

using Names = std::vector<std::string>;

TEST(ScheduleOnAir, WindowWrapsPastMidnightOnTheDayItBegan) {
    Schedule schedule;
    schedule.LoadText("6000;2200-0500;Mo;;Night\n6000;0000-2400;;;AllDay\n6000;1200-1300;;;Noon\n");
    EXPECT_EQ(Stations(schedule.OnAirAt(Utc(2025, 3, 3, 21, 59))), (Names{"AllDay"}));
    EXPECT_EQ(Stations(schedule.OnAirAt(Utc(2025, 3, 3, 22, 0))), (Names{"Night", "AllDay"}));
    EXPECT_EQ(Stations(schedule.OnAirAt(Utc(2025, 3, 4, 4, 59))), (Names{"Night", "AllDay"}));
    EXPECT_EQ(Stations(schedule.OnAirAt(Utc(2025, 3, 4, 5, 0))), (Names{"AllDay"}));
    // Monday morning belongs to Sunday's broadcast, which the rule does not name.
    EXPECT_EQ(Stations(schedule.OnAirAt(Utc(2025, 3, 3, 3, 0))), (Names{"AllDay"}));
    EXPECT_EQ(Stations(schedule.OnAirAt(Utc(2025, 3, 3, 12, 59))), (Names{"AllDay", "Noon"}));
}

TEST(ScheduleOnAir, DatesAndDaysAreTheDayTheBroadcastBegan) {
    Schedule schedule;
    schedule.LoadText("6000;2300-0100;31Dec;;NewYear\n6000;2300-0100;;;Season;;;;;;3112\n");
    EXPECT_EQ(Stations(schedule.OnAirAt(Utc(2025, 1, 1, 0, 30))), (Names{"NewYear", "Season"}));
    EXPECT_EQ(Stations(schedule.OnAirAt(Utc(2025, 1, 1, 23, 30))), Names{});
}

TEST(ScheduleOnAir, NearAFrequencyWithinTheToleranceByFrequency) {
    Schedule schedule;
    schedule.LoadText(
        "6010;0000-2400;;;Above\n5995;0000-2400;;;Below\n6000;0000-2400;;;On\n"
        "6000;1000-1100;;;Later\n6005.5;0000-2400;;;Half\n");
    const UtcTime time = Utc(2025, 3, 3, 12, 0);
    EXPECT_EQ(Stations(schedule.OnAirNear(6000000, 5500, time)), (Names{"Below", "On", "Half"}));
    EXPECT_EQ(Stations(schedule.OnAirNear(6000000, 0, time)), (Names{"On"}));
    EXPECT_EQ(Stations(schedule.OnAirNear(6000000, -5, time)), (Names{"On"}));
    EXPECT_EQ(Stations(schedule.OnAirNear(6005500, 0, time)), (Names{"Half"}));
    EXPECT_EQ(Stations(schedule.OnAirNear(6000000, 2147483647, Utc(2025, 2, 30, 0, 0))), Names{});
}

TEST(ScheduleLoad, KeepsGoodRowsCountsBadOnesWithLineNumbersAndIrregulars) {
    Schedule schedule;
    const std::string text = kHeader + "\r\n6000;1200-1300;;;Good\r\n\r\nbad;row\r\n" +
                             "7000;9999-0000\r\n7100;0000-2400;irr;;Sometimes\r\n" +
                             "9420;0000-2400;;;Espa\xF1ol \x80";
    ASSERT_EQ(schedule.LoadText(text), ScheduleLoadStatus::Loaded);
    ASSERT_EQ(schedule.Entries().size(), 3u);
    EXPECT_EQ(schedule.Entries()[0].line, 2);
    EXPECT_EQ(schedule.Entries()[1].line, 6);
    EXPECT_EQ(schedule.Entries()[2].station, "Espa\xC3\xB1ol \xE2\x82\xAC");
    EXPECT_EQ(schedule.SkippedRows(),
              (std::vector<SkippedRow>{{4, RowProblem::Frequency}, {5, RowProblem::Time}}));
    EXPECT_EQ(schedule.IrregularCount(), 1u);
    EXPECT_EQ(SkippedRowsText(schedule.SkippedRows(), 1),
              "2 rows of the schedule file were skipped: line 4 (the frequency is not a number "
              "of kHz) and 1 more.");
}

TEST(ScheduleLoad, LineEndsAndPiecesDoNotChangeTheResult) {
    const std::string rows =
        "6000;1200-1300;;;A\n" + std::string(9000, 'x') + "\nx\n7000;0000-2400";
    Schedule lf;
    lf.LoadText(rows);
    ASSERT_EQ(lf.Entries().size(), 2u);
    EXPECT_EQ(lf.SkippedRows(),
              (std::vector<SkippedRow>{{2, RowProblem::TooLong}, {3, RowProblem::Frequency}}));
    for (const std::string& end : {std::string("\r\n"), std::string("\r")}) {
        std::string other = rows;
        for (std::size_t at = other.find('\n'); at != std::string::npos;
             at = other.find('\n', at + end.size())) {
            other.replace(at, 1, end);
        }
        Schedule whole;
        whole.LoadText(other);
        EXPECT_EQ(whole.Entries(), lf.Entries());
        std::vector<ScheduleEntry> entries;
        std::vector<SkippedRow> skipped;
        ScheduleReader byteByByte(entries, skipped);
        for (const char c : other) byteByByte.Feed(std::string_view(&c, 1));
        byteByByte.Finish();
        EXPECT_EQ(entries, lf.Entries());
        EXPECT_EQ(skipped, lf.SkippedRows());
    }
}

TEST(ScheduleLoad, ReadsAFileAndFailsCleanlyOnAMissingFileOrAFolder) {
    TempDir dir;
    ASSERT_TRUE(WriteWholeFile(dir.File("sked-b25.csv"), kHeader + "\r\n6000;1200-1300\r\n"));
    Schedule schedule;
    ASSERT_EQ(schedule.Load(dir.File("sked-b25.csv")), ScheduleLoadStatus::Loaded);
    EXPECT_EQ(schedule.Entries().size(), 1u);

    EXPECT_EQ(schedule.Load(dir.File("missing.csv")), ScheduleLoadStatus::CannotOpen);
    EXPECT_TRUE(schedule.Entries().empty());
    schedule.Load(dir.File("sked-b25.csv"));
    // A folder opens as a stream on Linux and fails at the first read; Windows refuses to open it.
#ifdef _WIN32
    EXPECT_EQ(schedule.Load(dir.Path()), ScheduleLoadStatus::CannotOpen);
#else
    EXPECT_EQ(schedule.Load(dir.Path()), ScheduleLoadStatus::ReadError);
#endif
    EXPECT_TRUE(schedule.Entries().empty());

    EXPECT_EQ(ScheduleLoadProblemText(ScheduleLoadStatus::CannotOpen, "/x/sked.csv"),
              "The schedule file \"/x/sked.csv\" cannot be opened: it may have been moved, "
              "renamed or deleted, or you may not have permission to read it. The schedule "
              "stays empty until a schedule file is chosen.");
    EXPECT_EQ(ScheduleLoadProblemText(ScheduleLoadStatus::Loaded, "/x/sked.csv"), "");
}

}  // namespace
