#include "platform/qt/qt_timer_host.h"

#include <QMetaObject>
#include <QTimer>

QtTimerHost::QtTimerHost(QObject* parent) : QObject(parent) {}

QtTimerHost::~QtTimerHost() = default;

void QtTimerHost::SetTimer(int id, int periodMs) {
    QTimer*& timer = timers_[id];
    if (timer == nullptr) {
        timer = new QTimer(this);
        // Precise: the repeat periods are user settings in milliseconds, and the coarse default
        // may stretch them by 5 %.
        timer->setTimerType(Qt::PreciseTimer);
        connect(timer, &QTimer::timeout, this, [this, id] { Deliver(id); });
    }
    timer->start(periodMs < 0 ? 0 : periodMs);
}

void QtTimerHost::KillTimer(int id) {
    // Stopped, not deleted: KillTimer may be called from inside the timer's own tick.
    if (auto found = timers_.find(id); found != timers_.end()) {
        found->second->stop();
    }
}

void QtTimerHost::PostTimerTick(int id) {
    QMetaObject::invokeMethod(
        this, [this, id] { Deliver(id); }, Qt::QueuedConnection);
}

bool QtTimerHost::IsRunning(int id) const {
    auto found = timers_.find(id);
    return found != timers_.end() && found->second->isActive();
}

void QtTimerHost::Deliver(int id) {
    if (sink_ != nullptr) {
        sink_->OnTimer(id);
    }
}
