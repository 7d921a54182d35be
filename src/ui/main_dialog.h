#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "controller/main_view.h"
#include "exchange/exchange_notice.h"
#include "ui/configuration_dialog.h"
#include "ui/main_window_surface.h"

class CReceiverController;
class CStationCommands;
class CopyDataBus;
class ScanCommands;
class ScheduleCommands;
enum class KeyCommand;

// Slider notifications, as the toolkit reports them.
enum class ScrollCode {
    LineUp,
    LineDown,
    PageUp,
    PageDown,
    ThumbPosition,
    ThumbTrack,
    Top,
    Bottom,
    EndScroll
};

// The logic of the main window: the five radio indices, every handler, the display operations the
// controller calls, the exit sequence. Talks to widgets only through MainWindowSurface.
class CMainDialog : public MainView {
  public:
    // Neither argument is owned.
    CMainDialog(Host& host, MainWindowSurface& window);
    ~CMainDialog() override;

    void SetController(CReceiverController* controller);
    // The copy-data bus "ZEL" looks for the partner on; null (the default) finds none. Not owned.
    void SetCopyDataBus(CopyDataBus* bus);
    // The port list and probe "Config" offers; without them (the default) it offers neither.
    void SetSerialPortHelpers(const SerialPortHelpers& helpers);
    // The broadcast schedule: "Sched" opens its window, and it hears of every frequency and time
    // shown. Null (the default) for none. Not owned.
    void SetSchedule(ScheduleCommands* schedule) { schedule_ = schedule; }
    // Scanning, sweeps and the signal log: the scan keys reach it. Null (the default) for none.
    void SetScan(ScanCommands* scan) { scan_ = scan; }
    CReceiverController* Controller() { return controller_; }
    Host& GetHost() { return host_; }
    MainWindowSurface& Window() { return window_; }

    // Initialisation once the controls exist: sliders, list columns, Start, stored position.
    void OnInitDialog();
    // Moves the window to the stored placement, once. The host calls it before the window is
    // first shown, so the window appears in place; the initialisation calls it for hosts that
    // do not. Does nothing before the controller is set.
    void PlaceWindow();

    // A button, check box or radio button was clicked.
    void OnCommand(int id);
    // A slider moved.
    void OnSliderScroll(int id, ScrollCode code);
    // "Up"/"Down": action -1 pressed or double-clicked, 1 released.
    void OnRepeatButton(int action, int buttonId);
    // One wheel notification; the sign of delta gives the direction.
    void OnMouseWheel(int delta);
    // A typed character for the window or any child. True when it was a command and is consumed.
    bool OnCharacter(int character);
    void OnHeaderClick(int column);
    void OnListDoubleClick();
    // The "About" entry of the window menu.
    void OnAbout();
    // Exit button, Escape, close box. True when the dialog ended (the caller closes the window).
    bool OnCancel();
    // An incoming copy-data message; the return value carries no meaning.
    int OnCopyData(std::uint32_t value, const std::uint8_t* data, std::size_t size);

    // MainView
    void ShowFrequency(int frequencyHz, int displayMHz) override;
    void ShowUtcTime(const UtcTime& time) override;
    void ShowFastStepping(int state) override;
    void ShowStepSize(int index) override;
    void ShowMode(int mode) override;
    void ShowAgc(int agc) override;
    void ShowFilter(int filterIndex) override;
    void ShowPassbandShiftOn(int state) override;
    void ShowPassbandShift(int shiftHz) override;
    void ClearContinuousButtons() override;
    void ShowVolume(int on, int level) override;
    void ShowLine(int on, int level) override;
    void ShowSignalDisplayOn(int on) override;
    void ShowSquelchOn(int on) override;
    void ShowSquelchLevel(int levelDb) override;
    void ShowStationFileName(const std::string& name) override;
    void SetTitle(const std::string& title) override;
    void ShowSignalLevels(int currentDb, int averageDb) override;
    void ShowSquelchState(int state) override;
    void DeleteAllStationRows() override;
    void AddStationRow(StationNode node, int displayMHz, int frequencyHz,
                       const std::string& name) override;
    void SortStationRows() override;
    void ShowStationList(const CStationList& stations, int displayMHz) override;

    // Radio indices, -1 for none.
    int StepIndex() const { return stepIndex_; }
    int ModeIndex() const { return modeIndex_; }
    int AgcIndex() const { return agcIndex_; }
    int FilterRange() const { return filterRange_; }
    int FilterPosition() const { return filterPosition_; }
    bool Ended() const { return ended_; }

  private:
    void PushIndices();
    void ReadIndices();
    void FilterRangeChanged(int oldRange);
    void ApplyFilter();
    void RelabelFilterPositions();
    void FrequencyEntry();
    void ContinuousButton(int id, int direction);
    // One step as from a press and release of "Up" (direction +1) or "Down" (-1).
    void StepOnce(int direction);
    void ToggleCheck(int id);
    void MoveSlider(int id, int delta);
    void OnConfig();
    void OnStationFile();
    void OnZel();

    // A radio button of one of the five groups; false when id is none of them.
    bool RadioClicked(int id);
    // A check box, the continuous-tuning buttons and "Fast" included; false for other ids.
    bool CheckBoxClicked(int id);
    // "Tune", "Add", "Upd", "Edit", "Delete"; false for other ids.
    bool StationButtonClicked(int id);
    // The slider now stands at position: the value goes where that slider's value belongs.
    void SliderMoved(int id, int position);
    // The passband-shift value field: the shift while "On" is checked, else empty.
    void ShowShiftText(int shiftHz);
    // The keyboard commands that cycle a radio index or run one operation.
    void CycleOrRun(KeyCommand command);
    // The scan keys; false for other commands.
    bool RunScanKey(KeyCommand command);

    Host& host_;
    MainWindowSurface& window_;
    CReceiverController* controller_ = nullptr;
    std::unique_ptr<CStationCommands> stationCommands_;
    CopyDataBus* copyDataBus_ = nullptr;
    ScheduleCommands* schedule_ = nullptr;
    ScanCommands* scan_ = nullptr;
    CExchangeNotice exchangeNotice_{host_};
    SerialPortHelpers serialPortHelpers_;
    int stepIndex_ = -1;
    int modeIndex_ = -1;
    int agcIndex_ = -1;
    int filterRange_ = -1;
    int filterPosition_ = -1;
    bool ended_ = false;
    bool placed_ = false;
};
