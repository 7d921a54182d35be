// The keyboard commands of the main window carried out.

#include <cstddef>

#include "base/radio_limits.h"
#include "controller/receiver_controller.h"
#include "scan/scan_commands.h"
#include "ui/keyboard_commands.h"
#include "ui/main_dialog.h"
#include "ui/main_window_sliders.h"

namespace {

// Cycling wraps: below the lowest gives the highest and above the highest the lowest.
int Cycle(int index, int step, int highest) {
    const int next = index + step;
    if (next < 0) return highest;
    if (next > highest) return 0;
    return next;
}

// A command and the control it works on.
struct CommandControl {
    KeyCommand command;
    int id;
};

// Commands that toggle a check box and run its click handler.
constexpr CommandControl kCheckToggles[] = {
    {KeyCommand::ToggleContinuousDown, IDC_CONT_DOWN},
    {KeyCommand::ToggleContinuousUp, IDC_CONT_UP},
    {KeyCommand::ToggleFast, IDC_FAST},
    {KeyCommand::TogglePassbandShift, IDC_PBS_ON},
    {KeyCommand::ToggleVolume, IDC_VOLUME_ON},
    {KeyCommand::ToggleLine, IDC_LINE_ON},
    {KeyCommand::ToggleSquelch, IDC_SQUELCH_ON},
    {KeyCommand::ToggleSignalStrength, IDC_SIGNAL_ON},
};

// Commands that act as a click on a button.
constexpr CommandControl kButtonPresses[] = {
    {KeyCommand::TuneStation, IDC_TUNE},
    {KeyCommand::AddStation, IDC_ADD},
    {KeyCommand::UpdateStation, IDC_UPDATE},
    {KeyCommand::EditStation, IDC_EDIT},
    {KeyCommand::DeleteStation, IDC_DELETE},
    {KeyCommand::StationFile, IDC_STATION_FILE},
    {KeyCommand::Zel, IDC_ZEL},
    {KeyCommand::Config, IDC_CONFIG},
    {KeyCommand::Schedule, IDC_SCHEDULE},
};

// Commands that move a slider by its line or page size.
struct SliderMove {
    KeyCommand command;
    int id;
    int direction;
    bool byPage;
};
constexpr SliderMove kSliderMoves[] = {
    {KeyCommand::PassbandShiftDown, IDC_PBS_SLIDER, -1, true},
    {KeyCommand::PassbandShiftUp, IDC_PBS_SLIDER, 1, true},
    {KeyCommand::VolumeDown, IDC_VOLUME_SLIDER, -1, false},
    {KeyCommand::VolumeUp, IDC_VOLUME_SLIDER, 1, false},
    {KeyCommand::LineDown, IDC_LINE_SLIDER, -1, false},
    {KeyCommand::LineUp, IDC_LINE_SLIDER, 1, false},
    {KeyCommand::SquelchDown, IDC_SQUELCH_SLIDER, -1, true},
    {KeyCommand::SquelchUp, IDC_SQUELCH_SLIDER, 1, true},
};

template <typename Entry, std::size_t N>
const Entry* FindCommand(const Entry (&table)[N], KeyCommand command) {
    for (const Entry& entry : table) {
        if (entry.command == command) return &entry;
    }
    return nullptr;
}

}  // namespace

void CMainDialog::ToggleCheck(int id) {
    window_.SetCheck(id, window_.GetCheck(id) == 0 ? 1 : 0);
    OnCommand(id);
}

void CMainDialog::MoveSlider(int id, int delta) {
    const SliderSetup* slider = FindMainWindowSlider(id);
    if (slider == nullptr) return;
    int position = window_.GetSliderPosition(id) + delta;
    if (position < slider->minimum) position = slider->minimum;
    if (position > slider->maximum) position = slider->maximum;
    window_.SetSliderPosition(id, position);
    SliderMoved(id, position);
    window_.SetFocus(id);
}

bool CMainDialog::OnCharacter(int character) {
    const KeyCommand command = KeyCommandFor(character);
    if (command == KeyCommand::None || controller_ == nullptr) return false;
    if (command == KeyCommand::FocusEntry) {
        // Not consumed: the character goes on to the entry box as typed.
        if (window_.GetFocus() != IDC_FREQUENCY_ENTRY) window_.SetFocus(IDC_FREQUENCY_ENTRY);
        return false;
    }
    if (const CommandControl* toggle = FindCommand(kCheckToggles, command)) {
        ToggleCheck(toggle->id);
    } else if (const CommandControl* press = FindCommand(kButtonPresses, command)) {
        OnCommand(press->id);
    } else if (const SliderMove* move = FindCommand(kSliderMoves, command)) {
        const SliderSetup& slider = *FindMainWindowSlider(move->id);
        MoveSlider(move->id, move->direction * (move->byPage ? slider.pageSize : slider.lineSize));
    } else if (!RunScanKey(command)) {
        CycleOrRun(command);
    }
    return true;
}

bool CMainDialog::RunScanKey(KeyCommand command) {
    using Run = void (ScanCommands::*)();
    static constexpr struct {
        KeyCommand command;
        Run run;
    } kScanKeys[] = {
        {KeyCommand::SweepWindow, &ScanCommands::OnOpenSweep},
        {KeyCommand::SweepStartOrCancel, &ScanCommands::OnStartOrCancelSweep},
        {KeyCommand::StripChart, &ScanCommands::OnOpenStripChart},
        {KeyCommand::ScanControls, &ScanCommands::OnOpenScanControls},
        {KeyCommand::BandScan, &ScanCommands::OnBandScanKey},
        {KeyCommand::MemoryScan, &ScanCommands::OnMemoryScanKey},
        {KeyCommand::ResumeScan, &ScanCommands::OnResumeKey},
        {KeyCommand::SkipScanFrequency, &ScanCommands::OnSkipKey},
        {KeyCommand::ToggleSignalLog, &ScanCommands::ToggleSignalLog},
    };
    for (const auto& key : kScanKeys) {
        if (key.command != command) continue;
        if (scan_ != nullptr) (scan_->*key.run)();
        return true;
    }
    return false;
}

void CMainDialog::CycleOrRun(KeyCommand command) {
    const int step = (command == KeyCommand::StepSizeUp || command == KeyCommand::ModeUp ||
                      command == KeyCommand::AgcUp || command == KeyCommand::FilterRangeUp ||
                      command == KeyCommand::FilterPositionUp)
                         ? 1
                         : -1;
    switch (command) {
        case KeyCommand::FrequencyEntry:
            FrequencyEntry();
            break;
        case KeyCommand::StepDown:
            StepOnce(-1);
            break;
        case KeyCommand::StepUp:
            StepOnce(1);
            break;
        case KeyCommand::StopContinuousTuning:
            controller_->StopContinuousTuning();
            break;
        case KeyCommand::FocusStationList:
            window_.FocusStationList();
            break;
        case KeyCommand::StepSizeDown:
        case KeyCommand::StepSizeUp:
            stepIndex_ = Cycle(stepIndex_, step, 11);
            PushIndices();
            controller_->SetTuningStepSize(stepIndex_);
            break;
        case KeyCommand::ModeDown:
        case KeyCommand::ModeUp:
            modeIndex_ = Cycle(modeIndex_, step, 3);
            PushIndices();
            controller_->SetMode(modeIndex_);
            break;
        case KeyCommand::AgcDown:
        case KeyCommand::AgcUp:
            agcIndex_ = Cycle(agcIndex_, step, AgcIndexOf(kAgcFast));
            PushIndices();
            controller_->SetAgc(AgcFromIndex(agcIndex_));
            break;
        case KeyCommand::FilterRangeDown:
        case KeyCommand::FilterRangeUp: {
            const int oldRange = filterRange_;
            filterRange_ = Cycle(filterRange_, step, 3);
            PushIndices();
            FilterRangeChanged(oldRange);
            break;
        }
        case KeyCommand::FilterPositionDown:
        case KeyCommand::FilterPositionUp:
            filterPosition_ = Cycle(filterPosition_, step, 8);
            PushIndices();
            ApplyFilter();
            break;
        default:
            break;
    }
}
