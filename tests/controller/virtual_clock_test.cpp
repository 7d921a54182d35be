#include "support/virtual_clock.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "support/row_name.h"

namespace {

// Records ticks as "id@ms" and runs a test-supplied reaction inside each one.
class Sink : public TimerSink {
  public:
    explicit Sink(VirtualTimerHost& timers) : timers_(timers) { timers_.Attach(this); }
    void OnTimer(int id) override {
        log.push_back(std::to_string(id) + "@" + std::to_string(timers_.NowMs()));
        if (react) react(id);
    }

    std::vector<std::string> log;
    std::function<void(int)> react;

  private:
    VirtualTimerHost& timers_;
};

class VirtualClockTest : public testing::Test {
  protected:
    VirtualTimerHost timers;
    Sink sink{timers};
};

// At one instant the timer armed (or re-armed by its last tick) first goes first.
TEST_F(VirtualClockTest, DeliversDueTimersInTimeOrderAndArmingOrderAtTheSameInstant) {
    timers.SetTimer(3, 200);
    timers.SetTimer(1, 500);
    timers.SetTimer(2, 300);
    timers.Advance(600);
    EXPECT_EQ(sink.log,
              (std::vector<std::string>{"3@200", "2@300", "3@400", "1@500", "2@600", "3@600"}));
    EXPECT_EQ(timers.NowMs(), 600);
}

TEST_F(VirtualClockTest, PostedTicksRunWhenTheLoopTurnsBeforeDueTimers) {
    timers.SetTimer(1, 100);
    timers.PostTimerTick(2);
    EXPECT_TRUE(sink.log.empty());
    timers.Advance(100);
    EXPECT_EQ(sink.log, (std::vector<std::string>{"2@0", "1@100"}));
}

TEST_F(VirtualClockTest, TickPostedInsideATickWaitsForTheNextTurn) {
    sink.react = [this](int id) {
        if (id == 5) timers.PostTimerTick(6);
    };
    timers.PostTimerTick(5);
    timers.RunPending();
    EXPECT_EQ(sink.log, (std::vector<std::string>{"5@0"}));
    timers.RunPending();
    EXPECT_EQ(sink.log, (std::vector<std::string>{"5@0", "6@0"}));
}

TEST_F(VirtualClockTest, TimerKilledInsideItsOwnTickFiresOnce) {
    sink.react = [this](int id) { timers.KillTimer(id); };
    timers.SetTimer(10, 500);
    timers.Advance(5000);
    EXPECT_EQ(sink.log, std::vector<std::string>{"10@500"});
    EXPECT_FALSE(timers.IsRunning(10));
}

TEST_F(VirtualClockTest, TimerSetAgainInsideATickRunsAtItsNewPeriodFromThen) {
    sink.react = [this](int id) {
        if (id == 10) {
            timers.KillTimer(10);
            timers.SetTimer(11, 2000);
        }
    };
    timers.SetTimer(10, 500);
    timers.Advance(4500);
    EXPECT_EQ(sink.log, (std::vector<std::string>{"10@500", "11@2500", "11@4500"}));
}

TEST_F(VirtualClockTest, OneTimerKillingAnotherDueAtTheSameInstantStopsIt) {
    sink.react = [this](int id) {
        if (id == 1) timers.KillTimer(2);
    };
    timers.SetTimer(1, 100);
    timers.SetTimer(2, 100);
    timers.Advance(300);
    EXPECT_EQ(sink.log, (std::vector<std::string>{"1@100", "1@200", "1@300"}));
}

TEST_F(VirtualClockTest, SettingARunningTimerAgainRestartsItsPeriod) {
    timers.SetTimer(4, 1000);
    timers.Advance(900);
    timers.SetTimer(4, 1000);
    timers.Advance(1000);
    EXPECT_EQ(sink.log, std::vector<std::string>{"4@1900"});
}

TEST_F(VirtualClockTest, ZeroPeriodIsOneMillisecond) {
    timers.SetTimer(7, 0);
    timers.Advance(3);
    EXPECT_EQ(sink.log, (std::vector<std::string>{"7@1", "7@2", "7@3"}));
}

TEST_F(VirtualClockTest, DetachedTicksGoNowhere) {
    timers.SetTimer(1, 100);
    timers.Attach(nullptr);
    timers.Advance(300);
    EXPECT_TRUE(sink.log.empty());
    EXPECT_EQ(timers.TickCount(1), 3);
}

struct UtcRow {
    std::string name;
    UtcTime start;
    std::int64_t advanceMs;
    UtcTime expected;
};

class VirtualUtcTest : public testing::TestWithParam<UtcRow> {};

TEST_P(VirtualUtcTest, UtcAdvancesWithTheVirtualTime) {
    VirtualTimerHost timers;
    timers.Advance(12345);  // setting the time later must count from then
    timers.SetUtc(GetParam().start);
    timers.Advance(GetParam().advanceMs);
    const UtcTime now = timers.Now();
    const UtcTime& e = GetParam().expected;
    EXPECT_EQ((std::vector<int>{now.day, now.month, now.year, now.hour, now.minute, now.second}),
              (std::vector<int>{e.day, e.month, e.year, e.hour, e.minute, e.second}));
}

INSTANTIATE_TEST_SUITE_P(
    Dates, VirtualUtcTest,
    testing::Values(
        UtcRow{"PartSecondDoesNotCount", {5, 6, 2024, 12, 0, 0}, 999, {5, 6, 2024, 12, 0, 0}},
        UtcRow{"NewYear", {31, 12, 2023, 23, 59, 59}, 1000, {1, 1, 2024, 0, 0, 0}},
        UtcRow{"LeapDay", {28, 2, 2024, 23, 59, 30}, 30000, {29, 2, 2024, 0, 0, 0}},
        UtcRow{"NoLeapDayIn2100", {28, 2, 2100, 23, 0, 0}, 3600000, {1, 3, 2100, 0, 0, 0}},
        UtcRow{"LeapDayIn2000", {28, 2, 2000, 12, 0, 0}, 86400000, {29, 2, 2000, 12, 0, 0}},
        UtcRow{"ManyDays", {1, 1, 1970, 0, 0, 0}, 1000LL * 86400 * 20000, {4, 10, 2024, 0, 0, 0}}),
    RowName());

}  // namespace
