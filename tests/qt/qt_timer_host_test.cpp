#include "platform/qt/qt_timer_host.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTest>
#include <memory>
#include <vector>

namespace {

// Records ticks; can kill its timer from inside the tick, as the controller does.
class Sink : public TimerSink {
  public:
    void OnTimer(int id) override {
        ticks.push_back(id);
        if (host != nullptr && id == killInside) host->KillTimer(id);
    }
    std::vector<int> ticks;
    TimerHost* host = nullptr;
    int killInside = -1;
};

TEST(QtTimerHost, PostedTickArrivesWhenTheLoopTurns) {
    QtTimerHost host;
    Sink sink;
    host.Attach(&sink);
    host.PostTimerTick(2);
    EXPECT_TRUE(sink.ticks.empty());
    QCoreApplication::processEvents();
    EXPECT_EQ(sink.ticks, std::vector<int>{2});
}

TEST(QtTimerHost, PostedTickDiesWithTheHost) {
    Sink sink;
    {
        QtTimerHost host;
        host.Attach(&sink);
        host.PostTimerTick(2);
    }
    QCoreApplication::processEvents();
    EXPECT_TRUE(sink.ticks.empty());
}

TEST(QtTimerHost, TimerRepeatsUntilKilled) {
    QtTimerHost host;
    Sink sink;
    host.Attach(&sink);
    host.SetTimer(3, 1);
    EXPECT_TRUE(host.IsRunning(3));
    EXPECT_TRUE(QTest::qWaitFor([&] { return sink.ticks.size() >= 2; }));
    host.KillTimer(3);
    EXPECT_FALSE(host.IsRunning(3));
    const std::size_t seen = sink.ticks.size();
    QCoreApplication::processEvents();
    EXPECT_EQ(sink.ticks.size(), seen);
}

TEST(QtTimerHost, KillInsideItsOwnTickStopsIt) {
    QtTimerHost host;
    Sink sink;
    sink.host = &host;
    sink.killInside = 10;
    host.Attach(&sink);
    host.SetTimer(10, 1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !sink.ticks.empty(); }));
    EXPECT_FALSE(host.IsRunning(10));
    QTest::qWait(20);
    EXPECT_EQ(sink.ticks, std::vector<int>{10});
}

}  // namespace
