#pragma once

// Receives the ticks of the timers it set.
class TimerSink {
  public:
    virtual ~TimerSink() = default;
    virtual void OnTimer(int id) = 0;
};

// Timers delivered on the user-interface thread, between other events, never inside one.
class TimerHost {
  public:
    virtual ~TimerHost() = default;
    // Where ticks go; set once by the owner of the timers.
    virtual void Attach(TimerSink* sink) = 0;
    // (Re)starts timer id with the period in ms; it fires until killed.
    virtual void SetTimer(int id, int periodMs) = 0;
    virtual void KillTimer(int id) = 0;
    // Queues one tick of id, delivered when the event loop next turns.
    virtual void PostTimerTick(int id) = 0;
};
