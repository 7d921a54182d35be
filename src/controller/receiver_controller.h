#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "app/profile_settings.h"
#include "controller/main_view.h"
#include "controller/receiver_configuration.h"
#include "controller/receiver_observer.h"
#include "controller/signal_average.h"
#include "controller/timer_host.h"
#include "controller/utc_clock.h"
#include "link/async_receiver_link.h"
#include "stations/station_list.h"

class Host;
class ProfileStore;

// Timer ids and periods (ms).
constexpr int kClockTimer = 1;
constexpr int kAliveTimer = 2;
constexpr int kSignalTimer = 3;
constexpr int kRepeatDelayTimer = 10;
constexpr int kRepeatTimer = 11;
constexpr int kClockPeriodMs = 500;
constexpr int kAlivePeriodMs = 3000;
constexpr int kSignalPeriodMs = 200;
constexpr int kRepeatDelayMs = 500;
// Ids from here on belong to the timer clients (see AddTimerClient).
constexpr int kFirstClientTimer = 100;

inline constexpr const char* kTitleActive = "  ZORIVAN  Ten-Tec RX-320 Control Program";
inline constexpr const char* kTitleNotActive =
    "  ZORIVAN  Ten-Tec RX-320 Control Program    (Hardware is not active, please check!)";

// The one owner of the radio state while the program runs: stores each change in the settings,
// sends it to the receiver at once and shows it in the main window; runs all periodic work.
// Receiver results are the link's status codes, passed back unchanged.
class CReceiverController : public TimerSink {
  public:
    // None of the arguments is owned; all must outlive the controller.
    CReceiverController(SerialDevice& device, TimerHost& timers, UtcClock& clock, Host& host);
    ~CReceiverController() override;

    void SetMainView(MainView* view) { view_ = view; }
    // Moves the serial line to a worker thread, so no operation waits for it; queries answer
    // through the host's Post. Call before Start.
    void RunLinkOnWorker();

    void Start();
    void Stop(int mute);

    // Tunes as the user does; observers hear OnTunedByUser.
    int SetFrequency(int frequencyHz);
    int Step(int direction);
    int SetMode(int mode);
    int SetAgc(int agc);
    int SetFilter(int filterIndex);
    int SetVolumeOn(int on);
    int SetVolumeLevel(int level);
    int SetLineOn(int on);
    int SetLineLevel(int level);
    int SetPassbandShiftOn(int on);
    int SetPassbandShift(int shiftHz);
    int SetUseSquelch(int on);
    int SetFastStepping(int on);
    int StepButton(int direction, int action);
    int ContinuousTuning(int direction, int on);
    int StopContinuousTuning();

    // Plain stores, no receiver traffic.
    void SetTuningStepSize(int index) { settings_.TuningStepSize = index; }
    void SetDisplaySignalStrength(int on) { settings_.DisplaySignalStrength = on; }
    void SetSquelchLevel(int level) { settings_.SquelchLevel = level; }
    // Whether other programs may drive the receiver over the network; the host opens the server.
    void SetRemoteEnabled(int on) { settings_.RemoteEnabled = on; }

    // Shows the whole radio state in the main window, for changes that did not come from it.
    void ShowRadioState();
    // The newest signal reading, while the signal display is on and the receiver answers.
    std::optional<int> LastSignalDb() const;

    ReceiverConfiguration GetConfiguration() const;
    // Restarts the link on the new port (muting the old one first); the port paths go first, so
    // the restart opens the chosen port through them.
    int SetConfiguration(const ReceiverConfiguration& configuration, const ComPortMap& ports);
    TuningState GetTuning() const;
    // Where COM1..COM4 lead, and the device the open port came from (empty while closed).
    const ComPortMap& Ports() const { return settings_.Ports; }
    std::string OpenDevicePath() const;
    // Asks the receiver for its firmware version (x 100); answer gets the link's result.
    void ReadFirmwareVersion(std::function<void(int result, int version)> answer);

    // For scanning: tunes like SetFrequency, without counting as the user's tuning.
    int TuneForScan(int frequencyHz);
    // One signal query behind whatever is queued (a tuning command sent just before is measured).
    // The reading feeds the meter like a poll and reaches the observers; answer gets the link's
    // result and the level in dB, or LinkResult::kNotOpen when the link stopped meanwhile. While
    // a measurement is out the meter's own poll waits, so back-to-back measurements run at the
    // pace of the line alone.
    void MeasureSignal(std::function<void(int result, int levelDb)> answer);
    // Observers are not owned and must be removed before they go; adding one twice adds it once.
    void AddObserver(ReceiverObserver* observer);
    void RemoveObserver(ReceiverObserver* observer);
    // The controller's timers for the capabilities above it: a client sets ids from
    // kFirstClientTimer on through Timers() and gets their ticks (every client hears every such
    // tick and takes its own). Not owned; remove before it goes.
    void AddTimerClient(TimerSink* client);
    void RemoveTimerClient(TimerSink* client);
    TimerHost& Timers() { return timers_; }
    // Plain stores for the signal log's profile keys.
    void SetSignalLog(int on) { settings_.SignalLog = on; }
    void SetSignalLogFile(const std::string& path) { settings_.SignalLogFile = path; }
    void SetWindowPlacement(const WindowPlacement& placement) { settings_.WindowPos = placement; }
    // The broadcast schedule file to load at the next start; empty for none.
    void SetScheduleFile(const std::string& path) { settings_.ScheduleFile = path; }

    // The station list: changes go through these so that the modified flag and the file stay
    // the controller's business. Results are the list's.
    const CStationList& Stations() const { return stations_; }
    int AddStation(const StationRecord& station, StationNode& node);
    int UpdateStation(StationNode node, const StationRecord& station);
    int RemoveStation(StationNode node);
    int SetStationFileName(const std::string& path);
    // Returns the station-list result of the operation.
    int StationFileCommand(int saveFirst, const std::string& saveName,
                           StationFileOperation operation);
    void RefreshStationList();

    void SetHardwareActive(int ok);
    int ApplyAllToReceiver();

    void LoadSettingsAndStations(ProfileStore& store, ComPortChooser& chooser);
    void SaveSettingsAndFreeStations(ProfileStore& store);

    void OnTimer(int id) override;
    void UpdateSignalStrength();
    void ApplySquelch(int levelDb);
    void ReleaseSquelch();

    const ProfileSettings& Settings() const { return settings_; }
    int HardwareActive() const { return hardwareActive_; }
    int SquelchState() const { return squelchState_; }

  private:
    // Tests arrange the state they start from through this.
    friend struct ControllerTestAccess;

    void ShowStationFileName();
    void ShowStationFileMessage(int code, bool load);
    // Loads StationFile into the list; on failure shows the message and leaves the list empty
    // (no partial list), the name unchanged. Returns the list's load result.
    int LoadStationFile();
    int RepeatPeriodMs() const;
    // Timer 2: asks the receiver unless the signal polling already does.
    void CheckAlive();
    // Asks for the signal strength unless a query or a scan's measurement is out already.
    void PollSignal();
    // A reading from the receiver at frequencyHz, or a failed query.
    void TakeSignalReading(int result, int levelDb, int frequencyHz);
    // Tunes and shows the frequency; clamps to the receiver's range.
    int Tune(int frequencyHz);
    void TellTunedByUser();
    void TellReceiverSilent();
    // Timer 10: the held button has been down long enough; repeating starts.
    void RepeatDelayElapsed();
    // One step in RepeatDirection, then timer 11 repeats it at the repeat period.
    void StepAndRepeat();
    // Kills timer 11 when it is set.
    void StopRepeatTimer();
    // Sends the user's line and volume levels, each only while its "On" is checked.
    void RestoreAudioLevels();

    MainView* view_ = nullptr;
    TimerHost& timers_;
    UtcClock& clock_;
    Host& host_;
    ProfileSettings settings_;
    AsyncReceiverLink link_;
    // Counts starts: an answer to a query made before the last stop is not taken.
    int linkRun_ = 0;
    int aliveCheckWaiting_ = 0;
    int signalQueryWaiting_ = 0;
    int signalPollHeldBack_ = 0;
    int measurementsWaiting_ = 0;
    int hardwareActive_ = -1;
    int squelchState_ = -1;
    int repeatDelayRunning_ = 0;
    int repeatRunning_ = 0;
    int repeatDirection_ = 1;
    SignalAverage signalAverage_;
    int lastSignalDb_ = 0;
    int meterOffShown_ = 0;
    int meterInactiveShown_ = 0;
    int squelchOffHandled_ = 0;
    CStationList stations_;
    std::vector<ReceiverObserver*> observers_;
    std::vector<TimerSink*> timerClients_;
};
