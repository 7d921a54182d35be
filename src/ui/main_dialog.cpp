#include "ui/main_dialog.h"

#include <cstdio>
#include <utility>
#include <vector>

#include "base/frequency_text.h"
#include "base/radio_limits.h"
#include "controller/receiver_controller.h"
#include "link/filter_table.h"
#include "schedule/schedule_commands.h"
#include "stations/commands/list_sorter.h"
#include "stations/commands/station_commands.h"
#include "stations/commands/station_file_dialog.h"
#include "stations/station_list.h"
#include "ui/main_window_radio_groups.h"
#include "ui/main_window_sliders.h"

namespace {

std::string DecimalText(int value) {
    return std::to_string(value);
}

}  // namespace

CMainDialog::CMainDialog(Host& host, MainWindowSurface& window) : host_(host), window_(window) {}

CMainDialog::~CMainDialog() = default;

void CMainDialog::SetController(CReceiverController* controller) {
    controller_ = controller;
    stationCommands_.reset();
    if (controller_ != nullptr) {
        stationCommands_ = std::make_unique<CStationCommands>(*controller_, host_, window_, *this);
    }
}

void CMainDialog::OnInitDialog() {
    // Every radio button starts unchecked until the controller pushes the state.
    PushIndices();
    for (const SliderSetup& slider : kMainWindowSliders) {
        window_.SetupSlider(slider.id, slider.minimum, slider.maximum, slider.tickEvery,
                            slider.lineSize, slider.pageSize);
    }
    const int frequencyWidth = (window_.ListClientWidth() * 93 / 100) / 4;
    window_.SetupListColumns(frequencyWidth, 3 * frequencyWidth);
    if (controller_ == nullptr) return;
    controller_->Start();
    PlaceWindow();
}

void CMainDialog::PlaceWindow() {
    if (controller_ == nullptr || placed_) return;
    placed_ = true;
    const WindowPlacement& stored = controller_->Settings().WindowPos;
    if (stored.length == kValidPlacementLength) window_.MoveWindowTo(stored.left, stored.top);
}

// --- Radio indices ---

void CMainDialog::PushIndices() {
    window_.SetRadioIndex(kStepButtons[0], stepIndex_);
    window_.SetRadioIndex(kModeButtons[0], modeIndex_);
    window_.SetRadioIndex(kAgcButtons[0], agcIndex_);
    window_.SetRadioIndex(kFilterRangeButtons[0], filterRange_);
    window_.SetRadioIndex(kFilterPositionButtons[0], filterPosition_);
}

void CMainDialog::ReadIndices() {
    stepIndex_ = window_.GetRadioIndex(kStepButtons[0]);
    modeIndex_ = window_.GetRadioIndex(kModeButtons[0]);
    agcIndex_ = window_.GetRadioIndex(kAgcButtons[0]);
    filterRange_ = window_.GetRadioIndex(kFilterRangeButtons[0]);
    filterPosition_ = window_.GetRadioIndex(kFilterPositionButtons[0]);
}

// --- Filter ---

void CMainDialog::FilterRangeChanged(int oldRange) {
    ReadIndices();
    // Moving to a neighbouring range picks the bandwidth nearest to the one left behind.
    if (filterRange_ > oldRange) {
        filterPosition_ = 0;
    } else if (filterRange_ < oldRange) {
        filterPosition_ = 8;
    }
    if (filterRange_ != oldRange) {
        RelabelFilterPositions();
        PushIndices();
    }
    ApplyFilter();
}

void CMainDialog::ApplyFilter() {
    const int row = FilterTable::IndexOf(filterRange_, filterPosition_);
    if (row >= 0 && controller_ != nullptr) controller_->SetFilter(row);
}

void CMainDialog::RelabelFilterPositions() {
    for (const FilterRow& row : FilterTable::kRows) {
        if (row.group != filterRange_) continue;
        char caption[16];
        std::snprintf(caption, sizeof caption, "%4d", row.bandwidthHz);
        window_.SetText(kFilterPositionButtons[row.position], caption);
    }
}

// --- Display operations ---

void CMainDialog::ShowFrequency(int frequencyHz, int displayMHz) {
    window_.ShowFrequencyText(FrequencyDisplayText(frequencyHz, displayMHz));
    if (schedule_ != nullptr) schedule_->FrequencyShown(frequencyHz);
}

void CMainDialog::ShowUtcTime(const UtcTime& time) {
    char text[64];
    std::snprintf(text, sizeof text, "%02d.%02d.%4d   %02d:%02d:%02d UTC", time.day, time.month,
                  time.year, time.hour, time.minute, time.second);
    window_.SetText(IDC_UTC_TIME, text);
    if (schedule_ != nullptr) schedule_->TimeShown(time);
}

void CMainDialog::ShowFastStepping(int state) {
    window_.SetCheck(IDC_FAST, state);
}

void CMainDialog::ShowStepSize(int index) {
    stepIndex_ = index;
    PushIndices();
}

void CMainDialog::ShowMode(int mode) {
    modeIndex_ = mode;
    PushIndices();
}

void CMainDialog::ShowAgc(int agc) {
    agcIndex_ = AgcIndexOf(agc);
    PushIndices();
}

void CMainDialog::ShowFilter(int filterIndex) {
    if (filterIndex < 0 || filterIndex >= FilterTable::kRowCount) return;
    const FilterRow& row = FilterTable::kRows[filterIndex];
    const int oldRange = filterRange_;
    filterRange_ = row.group;
    filterPosition_ = row.position;
    if (filterRange_ != oldRange) RelabelFilterPositions();
    PushIndices();
}

void CMainDialog::ShowShiftText(int shiftHz) {
    window_.SetText(IDC_PBS_TEXT,
                    window_.GetCheck(IDC_PBS_ON) == 1 ? DecimalText(shiftHz) : std::string());
}

void CMainDialog::ShowPassbandShiftOn(int state) {
    window_.SetCheck(IDC_PBS_ON, state);
    ShowShiftText(window_.GetSliderPosition(IDC_PBS_SLIDER));
}

void CMainDialog::ShowPassbandShift(int shiftHz) {
    ShowShiftText(shiftHz);
    window_.SetSliderPosition(IDC_PBS_SLIDER, shiftHz);
}

void CMainDialog::ClearContinuousButtons() {
    if (window_.GetCheck(IDC_CONT_DOWN) != 0) window_.SetCheck(IDC_CONT_DOWN, 0);
    if (window_.GetCheck(IDC_CONT_UP) != 0) window_.SetCheck(IDC_CONT_UP, 0);
}

void CMainDialog::ShowVolume(int on, int level) {
    window_.SetCheck(IDC_VOLUME_ON, on);
    window_.SetSliderPosition(IDC_VOLUME_SLIDER, level);
}

void CMainDialog::ShowLine(int on, int level) {
    window_.SetCheck(IDC_LINE_ON, on);
    window_.SetSliderPosition(IDC_LINE_SLIDER, level);
}

void CMainDialog::ShowSignalDisplayOn(int on) {
    window_.SetCheck(IDC_SIGNAL_ON, on);
}

void CMainDialog::ShowSquelchOn(int on) {
    window_.SetCheck(IDC_SQUELCH_ON, on);
}

void CMainDialog::ShowSquelchLevel(int levelDb) {
    window_.SetSliderPosition(IDC_SQUELCH_SLIDER, levelDb);
}

void CMainDialog::ShowStationFileName(const std::string& name) {
    window_.SetText(IDC_STATION_FILE_NAME, name);
}

void CMainDialog::SetTitle(const std::string& title) {
    window_.SetTitle(title);
}

void CMainDialog::ShowSignalLevels(int currentDb, int averageDb) {
    window_.ShowSignalMeter(currentDb, averageDb);
}

void CMainDialog::ShowSquelchState(int state) {
    window_.ShowSquelchLamp(state);
}

void CMainDialog::DeleteAllStationRows() {
    window_.DeleteAllRows();
}

void CMainDialog::AddStationRow(StationNode node, int displayMHz, int frequencyHz,
                                const std::string& name) {
    window_.InsertRow(0, FrequencyText(frequencyHz, displayMHz), name, node);
}

void CMainDialog::SortStationRows() {
    CListSorter sorter(window_, 0);
    sorter.Sort(true, CListSorter::kNumber);
}

void CMainDialog::ShowStationList(const CStationList& stations, int displayMHz) {
    // The rows in the order that inserting each station at the top leaves them, so that the
    // stable sort keeps stations of one frequency where it always did: the oldest first.
    std::vector<StationListRow> rows(stations.Count());
    auto next = rows.rbegin();
    stations.Visit([&](StationNode node, const StationRecord& record) {
        *next++ = StationListRow{FrequencyText(record.frequency, displayMHz),
                                 stations.DisplayName(record.name), node};
    });
    window_.ReplaceAllRows(std::move(rows));
    SortStationRows();
}

// --- Commands ---

void CMainDialog::OnCommand(int id) {
    if (controller_ == nullptr) return;
    if (RadioClicked(id) || CheckBoxClicked(id) || StationButtonClicked(id)) return;
    switch (id) {
        case IDC_ENTER:
            FrequencyEntry();
            break;
        case IDC_STATION_FILE:
            OnStationFile();
            break;
        case IDC_CONFIG:
            OnConfig();
            break;
        case IDC_ZEL:
            OnZel();
            break;
        case IDC_SCHEDULE:
            if (schedule_ != nullptr) schedule_->OnOpenWindow();
            break;
        case IDCANCEL:
            OnCancel();
            break;
        default:
            break;
    }
}

bool CMainDialog::RadioClicked(int id) {
    if (const int step = RadioIndexOf(kStepButtons, id); step >= 0) {
        stepIndex_ = step;
        controller_->SetTuningStepSize(step);
    } else if (const int mode = RadioIndexOf(kModeButtons, id); mode >= 0) {
        modeIndex_ = mode;
        controller_->SetMode(mode);
    } else if (const int agc = RadioIndexOf(kAgcButtons, id); agc >= 0) {
        agcIndex_ = agc;
        controller_->SetAgc(AgcFromIndex(agc));
    } else if (RadioIndexOf(kFilterRangeButtons, id) >= 0) {
        FilterRangeChanged(filterRange_);
    } else if (const int position = RadioIndexOf(kFilterPositionButtons, id); position >= 0) {
        filterPosition_ = position;
        ApplyFilter();
    } else {
        return false;
    }
    return true;
}

bool CMainDialog::CheckBoxClicked(int id) {
    const int state = window_.GetCheck(id);
    switch (id) {
        case IDC_VOLUME_ON:
            controller_->SetVolumeOn(state);
            break;
        case IDC_LINE_ON:
            controller_->SetLineOn(state);
            break;
        case IDC_PBS_ON:
            ShowShiftText(window_.GetSliderPosition(IDC_PBS_SLIDER));
            controller_->SetPassbandShiftOn(state);
            break;
        case IDC_SIGNAL_ON:
            // The squelch needs the signal readings, so it goes off with them.
            if (state == 0) {
                controller_->SetUseSquelch(0);
                window_.SetCheck(IDC_SQUELCH_ON, 0);
                ShowSquelchState(-1);
            }
            controller_->SetDisplaySignalStrength(state);
            break;
        case IDC_SQUELCH_ON:
            if (state == 0) ShowSquelchState(-1);
            controller_->SetUseSquelch(state);
            break;
        case IDC_CONT_UP:
            ContinuousButton(IDC_CONT_UP, 1);
            break;
        case IDC_CONT_DOWN:
            ContinuousButton(IDC_CONT_DOWN, -1);
            break;
        case IDC_FAST:
            controller_->SetFastStepping(state);
            break;
        default:
            return false;
    }
    return true;
}

bool CMainDialog::StationButtonClicked(int id) {
    switch (id) {
        case IDC_TUNE:
            stationCommands_->OnTune();
            break;
        case IDC_ADD:
            stationCommands_->OnAdd();
            break;
        case IDC_UPDATE:
            stationCommands_->OnUpdate();
            break;
        case IDC_EDIT:
            stationCommands_->OnEdit();
            break;
        case IDC_DELETE:
            stationCommands_->OnDelete();
            break;
        default:
            return false;
    }
    return true;
}

void CMainDialog::OnHeaderClick(int column) {
    if (stationCommands_ != nullptr) stationCommands_->OnHeaderClick(column);
}

void CMainDialog::OnListDoubleClick() {
    if (stationCommands_ != nullptr) stationCommands_->OnTune();
}

// --- Sliders ---

void CMainDialog::OnSliderScroll(int id, ScrollCode code) {
    if (controller_ == nullptr || code == ScrollCode::EndScroll) return;
    SliderMoved(id, window_.GetSliderPosition(id));
}

void CMainDialog::SliderMoved(int id, int position) {
    switch (id) {
        case IDC_VOLUME_SLIDER:
            controller_->SetVolumeLevel(position);
            break;
        case IDC_LINE_SLIDER:
            controller_->SetLineLevel(position);
            break;
        case IDC_PBS_SLIDER:
            ShowShiftText(position);
            controller_->SetPassbandShift(position);
            break;
        case IDC_SQUELCH_SLIDER:
            controller_->SetSquelchLevel(position);
            break;
        default:
            break;
    }
}

// --- Exit ---

bool CMainDialog::OnCancel() {
    if (controller_ == nullptr || ended_) return ended_;
    controller_->StopContinuousTuning();
    const int answer = host_.MessageBox("Mute RX-320 on Exit ?", MessageButtons::YesNoCancel,
                                        MessageIcon::Question);
    if (answer == IDCANCEL) return false;
    const int mute = answer == IDYES ? 1 : 0;
    SaveModifiedListOnExit(*controller_, host_);
    WindowPlacement placement;
    placement.length = kValidPlacementLength;
    if (!window_.GetWindowPlacement(placement)) placement.length = 0;
    controller_->SetWindowPlacement(placement);
    controller_->Stop(mute);
    window_.EndDialog(IDCANCEL);
    ended_ = true;
    return true;
}
