#include "scan/sweep.h"

#include "controller/receiver_controller.h"

CSweep::CSweep(CReceiverController& controller) : controller_(controller) {
    controller_.AddObserver(this);
    controller_.AddTimerClient(this);
}

CSweep::~CSweep() {
    controller_.RemoveObserver(this);
    controller_.RemoveTimerClient(this);
}

ChannelsStatus CSweep::Start(int startHz, int stopHz, int stepHz) {
    std::vector<int> channels;
    const ChannelsStatus status = BandChannels(startHz, stopHz, stepHz, channels);
    if (status != ChannelsStatus::kOk) return status;
    if (running_) End(SweepEnd::kCancelled);
    channels_ = std::move(channels);
    points_.clear();
    points_.reserve(channels_.size());
    returnHz_ = controller_.Settings().Frequency;
    running_ = true;
    measuring_ = false;
    ++run_;
    if (view_ != nullptr)
        view_->ShowSweepStarted(channels_.front(), channels_.back(), PointCount());
    MeasureNext();
    return ChannelsStatus::kOk;
}

void CSweep::Cancel() {
    if (running_) End(SweepEnd::kCancelled);
}

void CSweep::MeasureNext() {
    measuring_ = true;
    controller_.TuneForScan(channels_[points_.size()]);
    controller_.MeasureSignal(
        [this, run = run_](int result, int levelDb) { TakeLevel(run, result, levelDb); });
}

void CSweep::TakeLevel(int run, int result, int levelDb) {
    if (run != run_ || !running_) return;
    measuring_ = false;
    if (result != 0) {
        End(SweepEnd::kReceiverSilent);
        return;
    }
    const SweepPoint point{channels_[points_.size()], levelDb};
    points_.push_back(point);
    if (view_ != nullptr) view_->ShowSweepPoint(static_cast<int>(points_.size()) - 1, point);
    if (points_.size() == channels_.size()) {
        End(SweepEnd::kCompleted);
        return;
    }
    // Posted rather than called: a link that answers at once would otherwise nest one call per
    // point.
    controller_.Timers().PostTimerTick(kSweepStepTimer);
}

void CSweep::OnTimer(int id) {
    if (id == kSweepStepTimer && running_ && !measuring_) MeasureNext();
}

void CSweep::OnTunedByUser(int) {
    if (running_) End(SweepEnd::kUserTuned);
}

void CSweep::OnReceiverSilent() {
    if (running_) End(SweepEnd::kReceiverSilent);
}

void CSweep::End(SweepEnd how) {
    running_ = false;
    measuring_ = false;
    ++run_;
    if (how != SweepEnd::kUserTuned) controller_.TuneForScan(returnHz_);
    if (view_ != nullptr) view_->ShowSweepEnded(how);
}
