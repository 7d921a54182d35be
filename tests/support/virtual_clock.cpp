#include "support/virtual_clock.h"

#include <algorithm>

namespace {

constexpr std::int64_t kSecondsPerDay = 86400;

// Days since 1970-01-01 of a proleptic Gregorian date (the well-known era-based conversion).
std::int64_t DaysFromCivil(std::int64_t year, int month, int day) {
    year -= month <= 2 ? 1 : 0;
    const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
    const std::int64_t yearOfEra = year - era * 400;
    const std::int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

UtcTime CivilFromSeconds(std::int64_t seconds) {
    std::int64_t days = seconds / kSecondsPerDay;
    std::int64_t secondOfDay = seconds % kSecondsPerDay;
    if (secondOfDay < 0) {
        secondOfDay += kSecondsPerDay;
        --days;
    }
    days += 719468;
    const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const std::int64_t dayOfEra = days - era * 146097;
    const std::int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t monthIndex = (5 * dayOfYear + 2) / 153;
    UtcTime time;
    time.day = static_cast<int>(dayOfYear - (153 * monthIndex + 2) / 5 + 1);
    time.month = static_cast<int>(monthIndex < 10 ? monthIndex + 3 : monthIndex - 9);
    time.year = static_cast<int>(yearOfEra + era * 400 + (time.month <= 2 ? 1 : 0));
    time.hour = static_cast<int>(secondOfDay / 3600);
    time.minute = static_cast<int>(secondOfDay / 60 % 60);
    time.second = static_cast<int>(secondOfDay % 60);
    return time;
}

}  // namespace

VirtualTimerHost::VirtualTimerHost() {
    SetUtc(UtcTime{});
}

void VirtualTimerHost::SetTimer(int id, int periodMs) {
    ++setCalls[id];
    const int period = std::max(periodMs, 1);
    timers_[id] = Armed{period, nowMs_ + period, nextOrder_++};
}

void VirtualTimerHost::KillTimer(int id) {
    ++killCalls[id];
    timers_.erase(id);
}

void VirtualTimerHost::PostTimerTick(int id) {
    ++postCalls[id];
    posted_.push_back(id);
}

UtcTime VirtualTimerHost::Now() {
    // Whole seconds only, as a clock read between two ticks of a second shows.
    const std::int64_t elapsedMs = nowMs_ - utcBaseAtMs_;
    return CivilFromSeconds(utcBaseSeconds_ + elapsedMs / 1000);
}

void VirtualTimerHost::SetUtc(const UtcTime& time) {
    utcBaseSeconds_ = DaysFromCivil(time.year, time.month, time.day) * kSecondsPerDay +
                      time.hour * 3600 + time.minute * 60 + time.second;
    utcBaseAtMs_ = nowMs_;
}

void VirtualTimerHost::RunPending() {
    // Ticks posted while these run wait for the next turn, as on a real loop.
    std::deque<int> turn;
    turn.swap(posted_);
    for (int id : turn) Deliver(id);
}

void VirtualTimerHost::Advance(std::int64_t ms) {
    const std::int64_t targetMs = nowMs_ + std::max<std::int64_t>(ms, 0);
    RunPending();
    int id = 0;
    while (NextDue(targetMs, id)) {
        Armed& armed = timers_[id];
        nowMs_ = armed.dueMs;
        // Re-armed before the tick, so a KillTimer or SetTimer inside it has the last word.
        armed.dueMs += armed.periodMs;
        armed.order = nextOrder_++;
        Deliver(id);
        RunPending();
    }
    nowMs_ = targetMs;
    RunPending();
}

int VirtualTimerHost::PeriodOf(int id) const {
    auto found = timers_.find(id);
    return found == timers_.end() ? 0 : found->second.periodMs;
}

int VirtualTimerHost::TickCount(int id) const {
    return static_cast<int>(std::count_if(ticks.begin(), ticks.end(),
                                          [id](const Tick& tick) { return tick.id == id; }));
}

std::vector<std::int64_t> VirtualTimerHost::TickTimes(int id) const {
    std::vector<std::int64_t> times;
    for (const Tick& tick : ticks) {
        if (tick.id == id) times.push_back(tick.atMs);
    }
    return times;
}

void VirtualTimerHost::Deliver(int id) {
    ticks.push_back(Tick{nowMs_, id});
    if (sink_ != nullptr) sink_->OnTimer(id);
}

bool VirtualTimerHost::NextDue(std::int64_t limitMs, int& id) const {
    const Armed* best = nullptr;
    for (const auto& [timerId, armed] : timers_) {
        if (armed.dueMs > limitMs) continue;
        if (best == nullptr || armed.dueMs < best->dueMs ||
            (armed.dueMs == best->dueMs && armed.order < best->order)) {
            best = &armed;
            id = timerId;
        }
    }
    return best != nullptr;
}
