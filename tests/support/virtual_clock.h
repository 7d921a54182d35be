#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <vector>

#include "controller/timer_host.h"
#include "controller/utc_clock.h"

// Timers and a UTC clock on virtual time, moved only by the test. Behaves like an event loop:
// ticks arrive one at a time, in time order; a timer killed or set again inside a tick takes
// effect at once; a posted tick runs when the loop next turns, before any timer that falls due.
//
// Typical use:
//     VirtualTimerHost clock;
//     CReceiverController controller(device, clock, clock, host);
//     controller.Start();
//     clock.Advance(0);      // the queued first alive check
//     clock.Advance(200);    // one signal-strength tick
class VirtualTimerHost : public TimerHost, public UtcClock {
  public:
    struct Tick {
        std::int64_t atMs;  // virtual time of delivery
        int id;
    };

    VirtualTimerHost();

    // --- TimerHost ---
    void Attach(TimerSink* sink) override { sink_ = sink; }
    // A period below 1 ms is taken as 1 ms, so no timer can fire twice at one instant.
    void SetTimer(int id, int periodMs) override;
    void KillTimer(int id) override;
    void PostTimerTick(int id) override;

    // --- UtcClock ---
    // The UTC time set last, advanced by the virtual time since (seconds carried into the date).
    UtcTime Now() override;
    void SetUtc(const UtcTime& time);

    // Runs the posted ticks, then moves time forward by ms, delivering every timer that falls due
    // on the way in time order (those due at the same instant in the order they were last armed,
    // by SetTimer or by their previous tick).
    void Advance(std::int64_t ms);
    // Runs the posted ticks only ("the loop turns" without time passing).
    void RunPending();

    std::int64_t NowMs() const { return nowMs_; }
    bool IsRunning(int id) const { return timers_.count(id) != 0; }
    // The period of a running timer, 0 when it is not set.
    int PeriodOf(int id) const;
    int PendingPosts() const { return static_cast<int>(posted_.size()); }

    // Every tick delivered, in order.
    std::vector<Tick> ticks;
    // How often SetTimer, KillTimer and PostTimerTick were called, by id.
    std::map<int, int> setCalls, killCalls, postCalls;

    // Ticks of id delivered so far.
    int TickCount(int id) const;
    // Virtual times at which id ticked.
    std::vector<std::int64_t> TickTimes(int id) const;

  private:
    struct Armed {
        int periodMs;
        std::int64_t dueMs;
        std::uint64_t order;  // breaks ties between timers due at once
    };

    void Deliver(int id);
    // The id of the timer due first, at or before limitMs; false when none is.
    bool NextDue(std::int64_t limitMs, int& id) const;

    TimerSink* sink_ = nullptr;
    std::int64_t nowMs_ = 0;
    std::uint64_t nextOrder_ = 0;
    std::map<int, Armed> timers_;
    std::deque<int> posted_;
    std::int64_t utcBaseSeconds_ =
        0;  // seconds since 1970-01-01 00:00 UTC at nowMs_ == utcBaseAtMs_
    std::int64_t utcBaseAtMs_ = 0;
};
