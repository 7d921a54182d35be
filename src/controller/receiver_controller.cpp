#include "controller/receiver_controller.h"

#include <algorithm>

#include "base/minimum_frequency.h"
#include "base/toolkit.h"

namespace {

int Effective(int on, int value) {
    return on == 1 ? value : 0;
}

}  // namespace

CReceiverController::CReceiverController(SerialDevice& device, TimerHost& timers, UtcClock& clock,
                                         Host& host)
    : timers_(timers), clock_(clock), host_(host), link_(device, settings_.Ports) {
    timers_.Attach(this);
}

CReceiverController::~CReceiverController() {
    // The timer host may outlive this object; no tick may reach it afterwards.
    timers_.Attach(nullptr);
}

void CReceiverController::RunLinkOnWorker() {
    link_.RunOnWorker([this](std::function<void()> reply) { host_.Post(std::move(reply)); });
}

void CReceiverController::Start() {
    // A port that does not open shows as the not-active title at the first alive check.
    link_.Connect(settings_.ComPort);
    timers_.SetTimer(kClockTimer, kClockPeriodMs);
    timers_.SetTimer(kAliveTimer, kAlivePeriodMs);
    timers_.SetTimer(kSignalTimer, kSignalPeriodMs);
    // Queued, not called: the first alive check runs as soon as the loop turns, not 3 s later.
    timers_.PostTimerTick(kAliveTimer);

    ShowRadioState();
    ShowStationFileName();
    RefreshStationList();
}

void CReceiverController::ShowRadioState() {
    if (view_ == nullptr) return;
    view_->ShowFrequency(settings_.Frequency, settings_.DisplayMHz);
    view_->ShowFastStepping(settings_.SteppingSpeed);
    view_->ShowStepSize(settings_.TuningStepSize);
    view_->ShowMode(settings_.Mode);
    view_->ShowAgc(settings_.AGC);
    view_->ShowFilter(settings_.Filter);
    view_->ShowVolume(settings_.VolumeOn, settings_.VolumeLevel);
    view_->ShowLine(settings_.LineOn, settings_.LineLevel);
    view_->ShowPassbandShiftOn(settings_.PBShiftActive);
    view_->ShowPassbandShift(settings_.PBShift);
    view_->ShowSignalDisplayOn(settings_.DisplaySignalStrength);
    view_->ShowSquelchOn(settings_.UseSquelchLevel);
    view_->ShowSquelchLevel(settings_.SquelchLevel);
}

std::optional<int> CReceiverController::LastSignalDb() const {
    if (settings_.DisplaySignalStrength != 1 || hardwareActive_ != 1) return std::nullopt;
    return lastSignalDb_;
}

void CReceiverController::Stop(int mute) {
    // The settings keep the user's levels, so the next start sounds as before.
    if (mute == 1) {
        link_.SetVolume(0);
        link_.SetLineLevel(0);
    }
    timers_.KillTimer(kClockTimer);
    timers_.KillTimer(kAliveTimer);
    timers_.KillTimer(kSignalTimer);
    link_.Disconnect();
    ++linkRun_;
    aliveCheckWaiting_ = 0;
    signalQueryWaiting_ = 0;
    signalPollHeldBack_ = 0;
    measurementsWaiting_ = 0;
    hardwareActive_ = -1;
    squelchState_ = -1;
    TellReceiverSilent();
}

int CReceiverController::SetFrequency(int frequencyHz) {
    const int result = Tune(frequencyHz);
    TellTunedByUser();
    return result;
}

int CReceiverController::TuneForScan(int frequencyHz) {
    return Tune(frequencyHz);
}

int CReceiverController::Tune(int frequencyHz) {
    if (frequencyHz < MinimumFrequency) frequencyHz = MinimumFrequency;
    if (frequencyHz > kMaximumFrequency) frequencyHz = kMaximumFrequency;
    settings_.Frequency = frequencyHz;
    const int result = link_.SetFrequency(frequencyHz);
    if (view_ != nullptr) view_->ShowFrequency(settings_.Frequency, settings_.DisplayMHz);
    return result;
}

void CReceiverController::TellTunedByUser() {
    // A copy: an observer may stop a scan, which may remove it from the list.
    const std::vector<ReceiverObserver*> observers = observers_;
    for (ReceiverObserver* observer : observers) observer->OnTunedByUser(settings_.Frequency);
}

void CReceiverController::TellReceiverSilent() {
    const std::vector<ReceiverObserver*> observers = observers_;
    for (ReceiverObserver* observer : observers) observer->OnReceiverSilent();
}

void CReceiverController::AddObserver(ReceiverObserver* observer) {
    if (std::find(observers_.begin(), observers_.end(), observer) == observers_.end())
        observers_.push_back(observer);
}

void CReceiverController::RemoveObserver(ReceiverObserver* observer) {
    std::erase(observers_, observer);
}

void CReceiverController::AddTimerClient(TimerSink* client) {
    if (std::find(timerClients_.begin(), timerClients_.end(), client) == timerClients_.end())
        timerClients_.push_back(client);
}

void CReceiverController::RemoveTimerClient(TimerSink* client) {
    std::erase(timerClients_, client);
}

int CReceiverController::Step(int direction) {
    // The step size is a plain store from the window; an index outside the table steps nowhere.
    const int index = settings_.TuningStepSize;
    if (index < 0 || index >= static_cast<int>(kStepTable.size())) return 0;
    const int stepHz = kStepTable[static_cast<std::size_t>(index)];
    const int frequencyHz =
        direction > 0 ? settings_.Frequency + stepHz : settings_.Frequency - stepHz;
    // A step that would leave the band is not taken at all: no clamping, no command, no redraw.
    if (frequencyHz < MinimumFrequency || frequencyHz > kMaximumFrequency) return 0;
    settings_.Frequency = frequencyHz;
    link_.SetFrequency(frequencyHz);
    if (view_ != nullptr) view_->ShowFrequency(settings_.Frequency, settings_.DisplayMHz);
    TellTunedByUser();
    return 0;
}

int CReceiverController::SetMode(int mode) {
    settings_.Mode = mode;
    return link_.SetMode(mode);
}

int CReceiverController::SetAgc(int agc) {
    settings_.AGC = agc;
    return link_.SetAgc(agc);
}

int CReceiverController::SetFilter(int filterIndex) {
    settings_.Filter = filterIndex;
    return link_.SetFilter(filterIndex);
}

int CReceiverController::SetVolumeOn(int on) {
    settings_.VolumeOn = on;
    return link_.SetVolume(Effective(on, settings_.VolumeLevel));
}

int CReceiverController::SetVolumeLevel(int level) {
    settings_.VolumeLevel = level;
    return link_.SetVolume(Effective(settings_.VolumeOn, level));
}

int CReceiverController::SetLineOn(int on) {
    settings_.LineOn = on;
    return link_.SetLineLevel(Effective(on, settings_.LineLevel));
}

int CReceiverController::SetLineLevel(int level) {
    settings_.LineLevel = level;
    return link_.SetLineLevel(Effective(settings_.LineOn, level));
}

int CReceiverController::SetPassbandShiftOn(int on) {
    settings_.PBShiftActive = on;
    return link_.SetPassbandShift(Effective(on, settings_.PBShift));
}

int CReceiverController::SetPassbandShift(int shiftHz) {
    settings_.PBShift = shiftHz;
    return link_.SetPassbandShift(Effective(settings_.PBShiftActive, shiftHz));
}

int CReceiverController::SetUseSquelch(int on) {
    // The squelch decides on the polled signal strength; without polling it cannot work.
    if (settings_.DisplaySignalStrength == 1) {
        settings_.UseSquelchLevel = on;
        return 0;
    }
    settings_.UseSquelchLevel = 0;
    if (on == 1 && view_ != nullptr) view_->ShowSquelchOn(0);
    return 0;
}

ReceiverConfiguration CReceiverController::GetConfiguration() const {
    ReceiverConfiguration configuration;
    configuration.comPort = settings_.ComPort;
    configuration.correctionPoint1Hz = settings_.FrequencyForCorrection;
    configuration.correction1Hz = settings_.CorrectionFrequency;
    configuration.correctionPoint2Hz = settings_.FrequencyForCorrection2;
    configuration.correction2Hz = settings_.CorrectionFrequency2;
    configuration.displayMHz = settings_.DisplayMHz;
    configuration.cwFrequencyHz = settings_.CWFrequency;
    configuration.tuningTimeSlowMs = settings_.TuningTimeSlow;
    configuration.tuningTimeFastMs = settings_.TuningTimeFast;
    return configuration;
}

int CReceiverController::SetConfiguration(const ReceiverConfiguration& configuration,
                                          const ComPortMap& ports) {
    // Muted on the old port before it closes; the first alive check on the new one sends the
    // whole state, the user's levels included.
    Stop(1);
    settings_.Ports = ports;
    settings_.ComPort = configuration.comPort;
    settings_.FrequencyForCorrection = configuration.correctionPoint1Hz;
    settings_.CorrectionFrequency = configuration.correction1Hz;
    settings_.FrequencyForCorrection2 = configuration.correctionPoint2Hz;
    settings_.CorrectionFrequency2 = configuration.correction2Hz;
    settings_.DisplayMHz = configuration.displayMHz;
    settings_.CWFrequency = configuration.cwFrequencyHz;
    settings_.TuningTimeSlow = configuration.tuningTimeSlowMs;
    settings_.TuningTimeFast = configuration.tuningTimeFastMs;
    Start();
    return 0;
}

TuningState CReceiverController::GetTuning() const {
    TuningState tuning;
    tuning.frequencyHz = settings_.Frequency;
    tuning.displayMHz = settings_.DisplayMHz;
    tuning.mode = settings_.Mode;
    tuning.agc = settings_.AGC;
    tuning.filterIndex = settings_.Filter;
    tuning.passbandShiftHz = Effective(settings_.PBShiftActive, settings_.PBShift);
    return tuning;
}

std::string CReceiverController::OpenDevicePath() const {
    return link_.OpenDevicePath();
}

void CReceiverController::ReadFirmwareVersion(std::function<void(int result, int version)> answer) {
    link_.QueryVersion(std::move(answer));
}

void CReceiverController::SetHardwareActive(int ok) {
    if (ok == 0) {
        if (hardwareActive_ != 0) {
            hardwareActive_ = 0;
            if (view_ != nullptr) view_->SetTitle(kTitleNotActive);
            TellReceiverSilent();
        }
        return;
    }
    if (hardwareActive_ == 1) return;
    // A receiver that was off keeps nothing: every entry into "active" sends the whole state.
    ApplyAllToReceiver();
    // The full send has put the user's levels back, so a squelch that had muted is no longer
    // engaged; the next reading decides afresh instead of leaving the audio open below the level.
    squelchState_ = -1;
    hardwareActive_ = 1;
    if (view_ != nullptr) view_->SetTitle(kTitleActive);
}

int CReceiverController::ApplyAllToReceiver() {
    // Everything that enters the tuning computation goes before the frequency; audio goes last.
    int result = link_.SetMode(settings_.Mode);
    result |= link_.SetAgc(settings_.AGC);
    result |= link_.SetFilter(settings_.Filter);
    result |= link_.SetPassbandShift(Effective(settings_.PBShiftActive, settings_.PBShift));
    result |= link_.SetCwFrequency(settings_.CWFrequency);
    result |=
        link_.SetCorrection(settings_.FrequencyForCorrection, settings_.CorrectionFrequency,
                            settings_.FrequencyForCorrection2, settings_.CorrectionFrequency2);
    result |= link_.SetFrequency(settings_.Frequency);
    result |= link_.SetVolume(Effective(settings_.VolumeOn, settings_.VolumeLevel));
    result |= link_.SetLineLevel(Effective(settings_.LineOn, settings_.LineLevel));
    return result;
}
