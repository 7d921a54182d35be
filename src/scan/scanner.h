#pragma once

#include <vector>

#include "controller/receiver_observer.h"
#include "controller/timer_host.h"
#include "scan/scan_channels.h"

class CReceiverController;

// Timer ids: the next channel (posted, or after the dwell) and the end of a hold on a signal.
constexpr int kScanStepTimer = 100;
constexpr int kScanHoldTimer = 101;

struct ScanRules {
    // Time on each channel before it is measured; 0 measures right behind the tuning command.
    int dwellMs = 0;
    // How long the scan stays on a signal it stopped on before it goes on by itself.
    int holdMs = 5000;
    // A skipped frequency passes over every channel closer than this (half the band step).
    int skipWithinHz = 0;
};

enum class ScanState {
    kIdle,
    kScanning,
    kHolding,  // stopped on a signal at or above the squelch level
};

// Why a scan ended, for the status line.
enum class ScanEnd { kStopped, kUserTuned, kReceiverSilent };

// What the scan controls show; the host implements it, tests record it.
class ScanView {
  public:
    virtual ~ScanView() = default;
    // The state, the channel tuned and its last level (0 before the first reading).
    virtual void ShowScanState(ScanState state, int frequencyHz, int levelDb) = 0;
    virtual void ShowScanEnded(ScanEnd how) = 0;
};

// A band or memory scan over a list of channels, round and round: each channel is tuned and
// measured; a level at or above the squelch level stops the scan there for the hold time (or
// until Resume), otherwise the next channel follows at once. Skipped frequencies are passed over.
// The user's tuning or a silent receiver ends the scan, which then starts again only when asked.
class CScanner : public ReceiverObserver, public TimerSink {
  public:
    // The controller is not owned and must outlive the scanner.
    explicit CScanner(CReceiverController& controller);
    ~CScanner() override;
    CScanner(const CScanner&) = delete;
    CScanner& operator=(const CScanner&) = delete;

    void SetView(ScanView* view) { view_ = view; }

    // Starts on the first channel that is not skipped (a running scan is stopped first).
    // kNone when there is none: nothing starts.
    ChannelsStatus Start(const std::vector<int>& channels, const ScanRules& rules);
    // Ends the scan where it is; the receiver stays on the channel.
    void Stop();
    // While holding: goes on to the next channel at once.
    void Resume();
    // Adds the channel held on (or, when idle, the tuned frequency) to the skip list; a held scan
    // goes on at once.
    void SkipCurrent();
    void ClearSkipList() { skipped_.clear(); }
    const std::vector<int>& SkipList() const { return skipped_; }

    ScanState State() const { return state_; }
    int CurrentFrequency() const;

    void OnTimer(int id) override;
    void OnTunedByUser(int frequencyHz) override;
    void OnReceiverSilent() override;

  private:
    bool Skipped(int frequencyHz) const;
    // The next channel after the current one that is not skipped; false when none is left.
    bool Advance();
    void TuneCurrent();
    void Measure();
    void TakeLevel(int run, int result, int levelDb);
    void Show(int levelDb);
    void End(ScanEnd how);

    CReceiverController& controller_;
    ScanView* view_ = nullptr;
    std::vector<int> channels_;
    std::vector<int> skipped_;
    ScanRules rules_;
    ScanState state_ = ScanState::kIdle;
    std::size_t current_ = 0;
    // Where the current channel is; a step tick that does not fit the phase is a stale one.
    enum class Phase { kNone, kDwelling, kMeasuring, kDone };
    Phase phase_ = Phase::kNone;
    int run_ = 0;
};
