#include "platform/qt/event_loop_stall_watch.h"

#include <cstdlib>

namespace {

constexpr int kTickMs = 5;
// Lateness below this is the timer's own jitter, not a stall.
constexpr qint64 kNotedFromMs = 10;

}  // namespace

EventLoopStallWatch::EventLoopStallWatch() {
    const char* path = std::getenv("ZORIVAN_STALL_LOG");
    if (path == nullptr || *path == '\0') return;
    log_.setFileName(QString::fromLocal8Bit(path));
    if (!log_.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)) return;
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &EventLoopStallWatch::Tick);
    clock_.start();
    lastMs_ = clock_.msecsSinceReference();
    timer_.start(kTickMs);
}

void EventLoopStallWatch::Tick() {
    const qint64 nowMs = clock_.msecsSinceReference() + clock_.elapsed();
    const qint64 lateMs = nowMs - lastMs_ - kTickMs;
    lastMs_ = nowMs;
    if (lateMs < kNotedFromMs) return;
    log_.write(QByteArray::number(nowMs) + ' ' + QByteArray::number(lateMs) + '\n');
}
