#include "controller/signal_average.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(SignalAverageTest, ClimbsFromZeroThenFollowsTheLastFiveReadings) {
    SignalAverage average;
    const std::vector<int> readings{10, 20, 30, 40, 50, 60};
    std::vector<int> averages;
    for (int reading : readings) averages.push_back(average.Add(reading));
    // The sixth reading takes the place of the first.
    EXPECT_EQ(averages, (std::vector<int>{2, 6, 12, 20, 30, 40}));
}

TEST(SignalAverageTest, TruncatesAndWrapsAroundIndefinitely) {
    SignalAverage average;
    for (int i = 0; i < 12; ++i) average.Add(96);
    EXPECT_EQ(average.Add(0), 76);  // 4 x 96 / 5 = 76.8
    EXPECT_EQ(average.Add(0), 57);  // 3 x 96 / 5 = 57.6
}

}  // namespace
