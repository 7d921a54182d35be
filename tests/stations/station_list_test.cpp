#include "stations/station_list.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "support/row_name.h"
#include "support/station_walk.h"

namespace {

using Lines = std::vector<std::string>;

StationRecord Station(const std::string& name, int frequencyHz = 6075000) {
    return StationRecord(name, frequencyHz, 0, 2, 28, 0);
}

// A list holding C (front), B, A, with the nodes kept.
struct ThreeStations {
    ThreeStations() {
        list.Add(Station("A", 1000000), a);
        list.Add(Station("B", 2000000), b);
        list.Add(Station("C", 3000000), c);
    }
    CStationList list;
    StationNode a = kNoStation, b = kNoStation, c = kNoStation;
};

TEST(StationList, NewListIsEmptyAndUnmodified) {
    CStationList list;
    EXPECT_EQ(list.IsModified(), 0);
    StationNode cursor = kNoStation, node = kNoStation;
    StationRecord record;
    EXPECT_EQ(list.GetNext(cursor, node, record), 1);
    EXPECT_TRUE(StationLines(list).empty());
}

TEST(StationList, AddPutsTheNewestInFrontAndMarksTheListModified) {
    ThreeStations s;
    EXPECT_EQ(s.list.IsModified(), 1);
    EXPECT_EQ(StationLines(s.list),
              (Lines{"C|3000000|0|2|28|0", "B|2000000|0|2|28|0", "A|1000000|0|2|28|0"}));
    EXPECT_NE(s.a, s.b);
    EXPECT_NE(s.b, s.c);
}

TEST(StationList, AddCopiesTheValues) {
    CStationList list;
    StationRecord stranger = Station("Stranger");
    StationNode node = kNoStation;
    ASSERT_EQ(list.Add(stranger, node), 0);
    EXPECT_NE(node, kNoStation);
    stranger.name = "changed afterwards";
    EXPECT_EQ(StationLines(list), (Lines{"Stranger|6075000|0|2|28|0"}));
}

TEST(StationList, WalkReportsEachNodeFrontFirst) {
    ThreeStations s;
    StationNode cursor = kNoStation, node = kNoStation;
    StationRecord record;
    std::vector<StationNode> nodes;
    do {
        ASSERT_EQ(s.list.GetNext(cursor, node, record), 0);
        nodes.push_back(node);
    } while (cursor != kNoStation);
    EXPECT_EQ(nodes, (std::vector<StationNode>{s.c, s.b, s.a}));
}

TEST(StationList, GetCopiesTheValuesOut) {
    ThreeStations s;
    StationRecord record;
    ASSERT_EQ(s.list.Get(s.b, record), 0);
    EXPECT_EQ(record.name, "B");
    EXPECT_EQ(record.frequency, 2000000);
}

TEST(StationList, UpdateKeepsThePlace) {
    ThreeStations s;
    EXPECT_EQ(s.list.Update(s.b, StationRecord("B2", 2500000, 1, 1, 3, -100)), 0);
    EXPECT_EQ(StationLines(s.list),
              (Lines{"C|3000000|0|2|28|0", "B2|2500000|1|1|3|-100", "A|1000000|0|2|28|0"}));
}

TEST(StationList, UpdateMarksModifiedEvenWithTheSameValues) {
    CStationList list;
    ASSERT_EQ(list.Parse("240951\r\n1\r\nX|6075000|0|2|28|0\r\n"), 0);
    ASSERT_EQ(list.IsModified(), 0);
    StationNode cursor = kNoStation, node = kNoStation;
    StationRecord record;
    ASSERT_EQ(list.GetNext(cursor, node, record), 0);
    EXPECT_EQ(list.Update(node, record), 0);
    EXPECT_EQ(list.IsModified(), 1);
}

struct RemoveCase {
    const char* name;
    StationNode ThreeStations::*victim;
    Lines remaining;
};

class StationRemoveTest : public ::testing::TestWithParam<RemoveCase> {};

TEST_P(StationRemoveTest, LeavesTheOthersWithTheirNodes) {
    ThreeStations s;
    const StationNode victim = s.*GetParam().victim;
    ASSERT_EQ(s.list.Remove(victim), 0);
    EXPECT_EQ(StationLines(s.list), GetParam().remaining);
    EXPECT_EQ(s.list.IsModified(), 1);
    // Every other node still leads to its own station; the removed one to none.
    StationRecord record;
    for (const StationNode node : {s.a, s.b, s.c}) {
        if (node == victim) {
            EXPECT_EQ(s.list.Get(node, record), 1);
            continue;
        }
        ASSERT_EQ(s.list.Get(node, record), 0);
        EXPECT_EQ(record.name, node == s.a ? "A" : node == s.b ? "B" : "C");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Places, StationRemoveTest,
    ::testing::Values(
        RemoveCase{"Front", &ThreeStations::c, {"B|2000000|0|2|28|0", "A|1000000|0|2|28|0"}},
        RemoveCase{"Middle", &ThreeStations::b, {"C|3000000|0|2|28|0", "A|1000000|0|2|28|0"}},
        RemoveCase{"Last", &ThreeStations::a, {"C|3000000|0|2|28|0", "B|2000000|0|2|28|0"}}),
    RowName());

TEST(StationList, RemovingTheOnlyStationEmptiesTheList) {
    CStationList list;
    StationNode node = kNoStation;
    list.Add(Station("Only"), node);
    ASSERT_EQ(list.Remove(node), 0);
    EXPECT_TRUE(StationLines(list).empty());
    list.Add(Station("Again"), node);
    EXPECT_EQ(StationLines(list), (Lines{"Again|6075000|0|2|28|0"}));
}

TEST(StationList, NullNodeIsRefusedWithoutChange) {
    ThreeStations s;
    s.list.Clear();
    StationRecord record;
    EXPECT_EQ(s.list.Update(kNoStation, record), 1);
    EXPECT_EQ(s.list.Remove(kNoStation), 1);
    EXPECT_EQ(s.list.Get(kNoStation, record), 1);
    EXPECT_EQ(s.list.IsModified(), 0);
}

// A row left over from a removed station, or from the list before a load, must not reach the
// station that took its place.
TEST(StationList, NodesOfGoneStationsAreRefusedAndNeverReused) {
    ThreeStations s;
    ASSERT_EQ(s.list.Remove(s.b), 0);
    StationRecord record;
    EXPECT_EQ(s.list.Remove(s.b), 1);
    EXPECT_EQ(s.list.Update(s.b, Station("Ghost")), 1);
    StationNode cursor = s.b, node = kNoStation;
    EXPECT_EQ(s.list.GetNext(cursor, node, record), 1);

    s.list.Clear();
    StationNode fresh = kNoStation;
    for (int i = 0; i < 3; ++i) ASSERT_EQ(s.list.Add(Station("New"), fresh), 0);
    for (const StationNode old : {s.a, s.b, s.c}) EXPECT_EQ(s.list.Get(old, record), 1);
    EXPECT_EQ(StationLines(s.list).size(), 3u);
}

TEST(StationList, ClearEmptiesTheListAndTheFlag) {
    ThreeStations s;
    EXPECT_EQ(s.list.Clear(), 0);
    EXPECT_EQ(s.list.IsModified(), 0);
    EXPECT_TRUE(StationLines(s.list).empty());
}

void FillWithHundredThousand(CStationList& list) {
    StationNode node = kNoStation;
    for (int i = 0; i < 100000; ++i) ASSERT_EQ(list.Add(Station("S"), node), 0);
}

TEST(StationList, ClearFreesHundredThousandStationsWithoutDeepRecursion) {
    CStationList list;
    FillWithHundredThousand(list);
    EXPECT_EQ(list.Clear(), 0);
    EXPECT_TRUE(StationLines(list).empty());
}

TEST(StationList, DestructorFreesHundredThousandStations) {
    auto list = std::make_unique<CStationList>();
    FillWithHundredThousand(*list);
    list.reset();  // the sanitizer reports anything left behind
}

}  // namespace
