#pragma once

#include <QElapsedTimer>
#include <QFile>
#include <QObject>
#include <QTimer>

// For the benchmarks: when ZORIVAN_STALL_LOG names a file, a 5 ms timer notes every time the
// event loop came back late, as "<monotonic ms> <ms late>" lines. Off (and free) otherwise.
class EventLoopStallWatch : public QObject {
    Q_OBJECT

  public:
    EventLoopStallWatch();

  private:
    void Tick();

    QFile log_;
    QTimer timer_;
    QElapsedTimer clock_;
    qint64 lastMs_ = 0;
};
