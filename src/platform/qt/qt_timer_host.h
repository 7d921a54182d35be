#pragma once

#include <QObject>
#include <map>

#include "controller/timer_host.h"

class QTimer;

// The controller's timers on the Qt event loop: one QTimer per id, ticks delivered to the sink
// between other events. Posted ticks are queued calls that die with this object.
class QtTimerHost : public QObject, public TimerHost {
    Q_OBJECT

  public:
    explicit QtTimerHost(QObject* parent = nullptr);
    ~QtTimerHost() override;

    void Attach(TimerSink* sink) override { sink_ = sink; }
    void SetTimer(int id, int periodMs) override;
    void KillTimer(int id) override;
    void PostTimerTick(int id) override;

    // True while timer id is set.
    bool IsRunning(int id) const;

  private:
    void Deliver(int id);

    TimerSink* sink_ = nullptr;
    std::map<int, QTimer*> timers_;  // children of this object
};
