#include "scan/scanner.h"

#include <algorithm>
#include <cstdlib>

#include "controller/receiver_controller.h"

CScanner::CScanner(CReceiverController& controller) : controller_(controller) {
    controller_.AddObserver(this);
    controller_.AddTimerClient(this);
}

CScanner::~CScanner() {
    controller_.RemoveObserver(this);
    controller_.RemoveTimerClient(this);
    controller_.Timers().KillTimer(kScanStepTimer);
    controller_.Timers().KillTimer(kScanHoldTimer);
}

ChannelsStatus CScanner::Start(const std::vector<int>& channels, const ScanRules& rules) {
    Stop();
    channels_ = channels;
    rules_ = rules;
    rules_.dwellMs = std::max(rules_.dwellMs, 0);
    rules_.holdMs = std::max(rules_.holdMs, 1);
    current_ = channels_.size() - 1;  // Advance wraps to the first channel
    if (channels_.empty() || !Advance()) {
        channels_.clear();
        return ChannelsStatus::kNone;
    }
    state_ = ScanState::kScanning;
    ++run_;
    TuneCurrent();
    return ChannelsStatus::kOk;
}

void CScanner::Stop() {
    if (state_ != ScanState::kIdle) End(ScanEnd::kStopped);
}

void CScanner::Resume() {
    if (state_ != ScanState::kHolding) return;
    controller_.Timers().KillTimer(kScanHoldTimer);
    state_ = ScanState::kScanning;
    if (!Advance()) {
        End(ScanEnd::kStopped);
        return;
    }
    TuneCurrent();
}

void CScanner::SkipCurrent() {
    const int frequencyHz = CurrentFrequency();
    if (!Skipped(frequencyHz)) skipped_.push_back(frequencyHz);
    Resume();
}

int CScanner::CurrentFrequency() const {
    return state_ == ScanState::kIdle ? controller_.Settings().Frequency : channels_[current_];
}

bool CScanner::Skipped(int frequencyHz) const {
    return std::any_of(skipped_.begin(), skipped_.end(), [&](int skippedHz) {
        return std::abs(frequencyHz - skippedHz) <= rules_.skipWithinHz;
    });
}

bool CScanner::Advance() {
    for (std::size_t tried = 0; tried < channels_.size(); ++tried) {
        current_ = (current_ + 1) % channels_.size();
        if (!Skipped(channels_[current_])) return true;
    }
    return false;
}

void CScanner::TuneCurrent() {
    controller_.TuneForScan(channels_[current_]);
    Show(0);
    if (rules_.dwellMs > 0) {
        phase_ = Phase::kDwelling;
        controller_.Timers().SetTimer(kScanStepTimer, rules_.dwellMs);
    } else {
        Measure();
    }
}

void CScanner::Measure() {
    phase_ = Phase::kMeasuring;
    controller_.MeasureSignal(
        [this, run = run_](int result, int levelDb) { TakeLevel(run, result, levelDb); });
}

void CScanner::TakeLevel(int run, int result, int levelDb) {
    if (run != run_ || state_ != ScanState::kScanning) return;
    if (result != 0) {
        End(ScanEnd::kReceiverSilent);
        return;
    }
    if (levelDb >= controller_.Settings().SquelchLevel) {
        phase_ = Phase::kNone;
        state_ = ScanState::kHolding;
        controller_.Timers().SetTimer(kScanHoldTimer, rules_.holdMs);
        Show(levelDb);
        return;
    }
    Show(levelDb);
    if (!Advance()) {
        End(ScanEnd::kStopped);
        return;
    }
    phase_ = Phase::kDone;
    // Posted rather than called: a link that answers at once would otherwise nest the whole scan.
    controller_.Timers().PostTimerTick(kScanStepTimer);
}

void CScanner::OnTimer(int id) {
    if (id == kScanStepTimer) {
        if (state_ != ScanState::kScanning) return;
        if (phase_ == Phase::kDwelling) {
            controller_.Timers().KillTimer(kScanStepTimer);
            Measure();
        } else if (phase_ == Phase::kDone) {
            TuneCurrent();
        }
    } else if (id == kScanHoldTimer) {
        controller_.Timers().KillTimer(kScanHoldTimer);
        Resume();
    }
}

void CScanner::OnTunedByUser(int) {
    if (state_ != ScanState::kIdle) End(ScanEnd::kUserTuned);
}

void CScanner::OnReceiverSilent() {
    if (state_ != ScanState::kIdle) End(ScanEnd::kReceiverSilent);
}

void CScanner::Show(int levelDb) {
    if (view_ != nullptr) view_->ShowScanState(state_, channels_[current_], levelDb);
}

void CScanner::End(ScanEnd how) {
    state_ = ScanState::kIdle;
    phase_ = Phase::kNone;
    ++run_;
    controller_.Timers().KillTimer(kScanStepTimer);
    controller_.Timers().KillTimer(kScanHoldTimer);
    if (view_ != nullptr) view_->ShowScanEnded(how);
}
