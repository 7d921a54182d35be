#include "schedule/on_air_line.h"

#include <gtest/gtest.h>

#include "base/radio_limits.h"
#include "schedule/schedule_station.h"
#include "schedule_test_time.h"

namespace {

TEST(OnAirLine, NamesEachStationOnTheTunedChannelOnceAndNeverTheNeighbours) {
    Schedule schedule;
    schedule.LoadText(
        "6075;0000-2400;;D;DW;G;Eu\n"
        "6075;0000-2400;;D;DW;G;Af\n"
        "6077;0000-2400;;ROU;R.Romania;F;WEu\n"
        "6073;0000-2400;;;Mystery\n"
        "6080;0000-2400;;;Neighbour;E\n"
        "6075;1300-1400;;;Later;E\n");
    const UtcTime noon = Utc(2025, 3, 3, 12, 0);
    EXPECT_EQ(OnAirLineText(schedule, 6075000, noon), "On air: Mystery, DW (G), R.Romania (F)");
    // Tuned beside a carrier, the station is still named; 2 kHz away is the last hertz.
    EXPECT_EQ(OnAirLineText(schedule, 6075500, noon), "On air: DW (G), R.Romania (F)");
    EXPECT_EQ(OnAirLineText(schedule, 6082000, noon), "On air: Neighbour (E)");
    EXPECT_EQ(OnAirLineText(schedule, 6082001, noon), "On air: nothing scheduled");
    EXPECT_EQ(OnAirLineText(schedule, 6075000, Utc(2025, 3, 3, 13, 0)),
              "On air: Mystery, DW (G), Later (E), R.Romania (F)");
    EXPECT_EQ(OnAirLineText(Schedule(), 6075000, noon), "");
}

TEST(ScheduleStation, MorseIsTunedInCwAndTheNameKeepsAudiencesApart) {
    Schedule schedule;
    schedule.LoadText(
        "8473;0000-2400;;;Coast|Radio;-CW;Atl\n"
        "9610;0000-2400;;;R.Romania;F\n"
        "9620;0000-2400;;;;;NAm\n");
    ASSERT_EQ(schedule.Entries().size(), 3u);
    EXPECT_EQ(ScheduleEntryMode(schedule.Entries()[0]), kModeCw);
    EXPECT_EQ(ScheduleEntryMode(schedule.Entries()[1]), kModeAm);
    EXPECT_EQ(ScheduleStationName(schedule.Entries()[0]), "Coast/Radio (-CW, Atl)");
    EXPECT_EQ(ScheduleStationName(schedule.Entries()[1]), "R.Romania (F)");
    EXPECT_EQ(ScheduleStationName(schedule.Entries()[2]), "(NAm)");
}

}  // namespace
