#include "stations/station_list.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

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
    StationNode a = nullptr, b = nullptr, c = nullptr;
};

TEST(StationList, NewListIsEmptyAndUnmodified) {
    CStationList list;
    EXPECT_EQ(list.IsModified(), 0);
    StationNode cursor = nullptr, node = nullptr;
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

TEST(StationList, AddCopiesTheValuesAndIgnoresTheLinksHandedIn) {
    CStationList list;
    StationRecord stranger = Station("Stranger");
    StationRecord bogus;
    stranger.prev = &bogus;
    stranger.next = &bogus;
    StationNode node = nullptr;
    ASSERT_EQ(list.Add(stranger, node), 0);
    stranger.name = "changed afterwards";
    EXPECT_EQ(node->prev, nullptr);
    EXPECT_EQ(node->next, nullptr);
    EXPECT_EQ(StationLines(list), (Lines{"Stranger|6075000|0|2|28|0"}));
}

TEST(StationList, WalkReportsEachNodeAndHandsOutCopiesWithoutLinks) {
    ThreeStations s;
    StationNode cursor = nullptr, node = nullptr;
    StationRecord record;
    record.prev = record.next = s.a;  // must come back cleared
    std::vector<StationNode> nodes;
    do {
        ASSERT_EQ(s.list.GetNext(cursor, node, record), 0);
        EXPECT_EQ(record.prev, nullptr);
        EXPECT_EQ(record.next, nullptr);
        nodes.push_back(node);
    } while (cursor != nullptr);
    EXPECT_EQ(nodes, (std::vector<StationNode>{s.c, s.b, s.a}));
}

TEST(StationList, GetCopiesTheValuesOutWithNullLinks) {
    ThreeStations s;
    StationRecord record;
    record.prev = s.c;
    ASSERT_EQ(s.list.Get(s.b, record), 0);
    EXPECT_EQ(record.name, "B");
    EXPECT_EQ(record.frequency, 2000000);
    EXPECT_EQ(record.prev, nullptr);
    EXPECT_EQ(record.next, nullptr);
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
    StationNode cursor = nullptr, node = nullptr;
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

TEST_P(StationRemoveTest, RelinksTheNeighbours) {
    ThreeStations s;
    ASSERT_EQ(s.list.Remove(s.*GetParam().victim), 0);
    EXPECT_EQ(StationLines(s.list), GetParam().remaining);
    EXPECT_EQ(s.list.IsModified(), 1);
    // The back links agree with the forward walk.
    StationNode cursor = nullptr, node = nullptr;
    StationRecord record;
    do {
        ASSERT_EQ(s.list.GetNext(cursor, node, record), 0);
    } while (cursor != nullptr);
    const StationNode last = node;
    Lines backwards;
    for (StationNode at = last; at != nullptr; at = at->prev)
        backwards.insert(backwards.begin(), at->name);
    Lines forwards;
    for (const std::string& line : GetParam().remaining) forwards.push_back(line.substr(0, 1));
    EXPECT_EQ(backwards, forwards);
}

INSTANTIATE_TEST_SUITE_P(
    Places, StationRemoveTest,
    ::testing::Values(
        RemoveCase{"Front", &ThreeStations::c, {"B|2000000|0|2|28|0", "A|1000000|0|2|28|0"}},
        RemoveCase{"Middle", &ThreeStations::b, {"C|3000000|0|2|28|0", "A|1000000|0|2|28|0"}},
        RemoveCase{"Last", &ThreeStations::a, {"C|3000000|0|2|28|0", "B|2000000|0|2|28|0"}}),
    [](const ::testing::TestParamInfo<RemoveCase>& row) { return std::string(row.param.name); });

TEST(StationList, RemovingTheOnlyStationEmptiesTheList) {
    CStationList list;
    StationNode node = nullptr;
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
    EXPECT_EQ(s.list.Update(nullptr, record), 1);
    EXPECT_EQ(s.list.Remove(nullptr), 1);
    EXPECT_EQ(s.list.Get(nullptr, record), 1);
    EXPECT_EQ(s.list.IsModified(), 0);
}

TEST(StationList, ClearEmptiesTheListAndTheFlag) {
    ThreeStations s;
    EXPECT_EQ(s.list.Clear(), 0);
    EXPECT_EQ(s.list.IsModified(), 0);
    EXPECT_TRUE(StationLines(s.list).empty());
}

void FillWithHundredThousand(CStationList& list) {
    StationNode node = nullptr;
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
