#pragma once

#include <vector>

#include "controller/receiver_observer.h"
#include "controller/timer_host.h"
#include "scan/scan_channels.h"

class CReceiverController;

// Timer id of the sweep's next point (a posted tick: the next tuning goes out as soon as the last
// reading is in, without an idle gap on the line).
constexpr int kSweepStepTimer = 102;

struct SweepPoint {
    int frequencyHz = 0;
    int levelDb = 0;
    bool operator==(const SweepPoint&) const = default;
};

enum class SweepEnd {
    kCompleted,       // every point measured; back on the frequency it started from
    kCancelled,       // by the user; back on the frequency it started from
    kUserTuned,       // the user tuned meanwhile; that frequency stays
    kReceiverSilent,  // the receiver stopped answering; back on the frequency it started from
};

// What the sweep window shows; the host implements it, tests record it.
class SweepView {
  public:
    virtual ~SweepView() = default;
    // A sweep over count points from lowHz to highHz begins; earlier points are gone.
    virtual void ShowSweepStarted(int lowHz, int highHz, int count) = 0;
    // The point at index (0 up) was measured.
    virtual void ShowSweepPoint(int index, const SweepPoint& point) = 0;
    virtual void ShowSweepEnded(SweepEnd how) = 0;
};

// A band sweep: tunes each step between two frequencies in turn and measures the signal there,
// one tuning command and one query per point, back to back; then returns to where it started.
// Stops when the user tunes or the receiver goes silent, and starts again only when asked.
class CSweep : public ReceiverObserver, public TimerSink {
  public:
    // The controller is not owned and must outlive the sweep.
    explicit CSweep(CReceiverController& controller);
    ~CSweep() override;
    CSweep(const CSweep&) = delete;
    CSweep& operator=(const CSweep&) = delete;

    // Not owned; null for none.
    void SetView(SweepView* view) { view_ = view; }

    // Starts a sweep (a running one is cancelled first). Anything but kOk starts nothing.
    ChannelsStatus Start(int startHz, int stopHz, int stepHz);
    // Ends a running sweep and tunes back to where it started; nothing when none runs.
    void Cancel();
    bool Running() const { return running_; }
    // The points measured so far (all of them after a completed sweep), low to high.
    const std::vector<SweepPoint>& Points() const { return points_; }
    // How many points the sweep running or last run has in all.
    int PointCount() const { return static_cast<int>(channels_.size()); }

    void OnTimer(int id) override;
    void OnTunedByUser(int frequencyHz) override;
    void OnReceiverSilent() override;

  private:
    void MeasureNext();
    void TakeLevel(int run, int result, int levelDb);
    void End(SweepEnd how);

    CReceiverController& controller_;
    SweepView* view_ = nullptr;
    std::vector<int> channels_;
    std::vector<SweepPoint> points_;
    int returnHz_ = 0;
    bool running_ = false;
    bool measuring_ = false;
    // Counts sweeps: a reading that answers an earlier one is not taken.
    int run_ = 0;
};
