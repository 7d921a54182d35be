#include "schedule/schedule_commands.h"

#include <utility>

#include "base/control_ids.h"
#include "base/frequency_text.h"
#include "base/minimum_frequency.h"
#include "base/toolkit.h"
#include "controller/receiver_controller.h"
#include "schedule/on_air_line.h"
#include "schedule/schedule_station.h"
#include "schedule/schedule_texts.h"
#include "schedule/schedule_view.h"

namespace {

// The minute of time as one number, so that a new minute of any day differs from the last.
std::int64_t MinuteOf(const UtcTime& time) {
    return ((std::int64_t{time.year} * 12 + time.month) * 31 + time.day) * 1440 + time.hour * 60 +
           time.minute;
}

std::string FileNameOf(const std::string& path) {
    const std::size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool Tunable(int frequencyHz) {
    return frequencyHz >= MinimumFrequency && frequencyHz <= kMaximumFrequency;
}

}  // namespace

ScheduleCommands::ScheduleCommands(CReceiverController& controller, UtcClock& clock, Host& host,
                                   MainView& mainView, DialogWindow& mainWindow,
                                   StationListView& stations)
    : controller_(controller),
      clock_(clock),
      host_(host),
      mainView_(mainView),
      mainWindow_(mainWindow),
      stations_(stations) {}

void ScheduleCommands::SetView(ScheduleView* view) {
    view_ = view;
    if (view_ != nullptr) RefreshRows(clock_.Now());
}

void ScheduleCommands::LoadAtStart() {
    const std::string& path = controller_.Settings().ScheduleFile;
    if (path.empty()) return;
    Load(path);
    Refresh(clock_.Now());
}

ScheduleLoadStatus ScheduleCommands::Load(const std::string& path) {
    // Into a second schedule first: a file that fails leaves the one the user had.
    Schedule loaded;
    const ScheduleLoadStatus status = loaded.Load(path);
    if (status != ScheduleLoadStatus::Loaded) {
        host_.MessageBox(ScheduleLoadProblemText(status, path), MessageButtons::Ok,
                         MessageIcon::Exclamation);
        return status;
    }
    // The list still points into the old entries: it is emptied before they go.
    rows_.clear();
    if (view_ != nullptr) view_->ShowRows(rows_);
    schedule_ = std::move(loaded);
    return status;
}

void ScheduleCommands::OnOpenWindow() {
    if (view_ == nullptr) return;
    RefreshRows(clock_.Now());
    view_->Present();
}

void ScheduleCommands::OnOpenFile() {
    FileDialogOptions options;
    options.title = "ZORIVAN Open Schedule File";
    options.initialName = controller_.Settings().ScheduleFile;
    options.defaultExtension = "csv";
    options.filter = "Schedule Files (*.csv)|*.csv|All Files (*.*)|*.*||";
    std::string path;
    if (!host_.GetOpenFileName(options, path)) return;
    if (Load(path) != ScheduleLoadStatus::Loaded) return;
    controller_.SetScheduleFile(path);
    Refresh(clock_.Now());
    const std::string skipped = SkippedRowsText(schedule_.SkippedRows());
    if (!skipped.empty()) host_.MessageBox(skipped, MessageButtons::Ok, MessageIcon::Exclamation);
}

void ScheduleCommands::OnFilterText(const std::string& text) {
    filter_.text = text;
    RefreshRows(clock_.Now());
}

void ScheduleCommands::OnNearTuned(bool on) {
    filter_.nearTuned = on;
    RefreshRows(clock_.Now());
}

const ScheduleEntry* ScheduleCommands::EntryAt(int row) const {
    return row >= 0 && row < static_cast<int>(rows_.size()) ? rows_[static_cast<std::size_t>(row)]
                                                            : nullptr;
}

void ScheduleCommands::OnTuneRow(int row) {
    const ScheduleEntry* entry = EntryAt(row);
    if (entry == nullptr) return;
    // Copied first: the new frequency may list other rows.
    const int frequencyHz = entry->frequencyHz;
    const int mode = ScheduleEntryMode(*entry);
    if (!Tunable(frequencyHz)) {
        host_.Beep();
        return;
    }
    controller_.StopContinuousTuning();
    controller_.SetFrequency(frequencyHz);
    controller_.SetMode(mode);
    mainView_.ShowMode(mode);
}

void ScheduleCommands::OnAddSelected() {
    if (view_ == nullptr) return;
    std::vector<const ScheduleEntry*> chosen;
    for (const int row : view_->SelectedRows()) {
        if (const ScheduleEntry* entry = EntryAt(row)) chosen.push_back(entry);
    }
    if (chosen.empty()) {
        host_.MessageBox(
            "No broadcast selected !\n(Please select the broadcasts to be added to the stations)",
            MessageButtons::Ok, MessageIcon::Exclamation);
        return;
    }
    const TuningState tuning = controller_.GetTuning();
    const CStationList& stations = controller_.Stations();
    bool skipped = false;
    bool added = false;
    // From the last up, so that the list shows them on top in the order they were listed.
    for (auto at = chosen.rbegin(); at != chosen.rend(); ++at) {
        const ScheduleEntry& entry = **at;
        if (!Tunable(entry.frequencyHz)) {
            skipped = true;
            continue;
        }
        const StationRecord station(stations.StoredName(ScheduleStationName(entry)),
                                    entry.frequencyHz, ScheduleEntryMode(entry), tuning.agc,
                                    tuning.filterIndex, 0);
        StationNode node = kNoStation;
        if (controller_.AddStation(station, node) != StationAddResult::kAdded) return;
        stations_.InsertRow(0, FrequencyText(station.frequency, tuning.displayMHz),
                            stations.DisplayName(station.name), node);
        added = true;
    }
    if (skipped) host_.Beep();
    if (added) stations_.SelectRow(0);
}

void ScheduleCommands::FrequencyShown(int frequencyHz) {
    const UtcTime now = clock_.Now();
    mainWindow_.SetText(IDC_ON_AIR, OnAirLineText(schedule_, frequencyHz, now));
    if (filter_.nearTuned) RefreshRows(now);
}

void ScheduleCommands::TimeShown(const UtcTime& time) {
    if (MinuteOf(time) != shownMinute_) Refresh(time);
}

void ScheduleCommands::Refresh(const UtcTime& time) {
    shownMinute_ = MinuteOf(time);
    RefreshRows(time);
    ShowOnAirLine(time);
}

void ScheduleCommands::ShowOnAirLine(const UtcTime& time) {
    mainWindow_.SetText(IDC_ON_AIR, OnAirLineText(schedule_, TunedFrequency(), time));
}

void ScheduleCommands::RefreshRows(const UtcTime& time) {
    if (view_ == nullptr) return;
    rows_ = FilterOnAir(schedule_, filter_, TunedFrequency(), time);
    view_->ShowRows(rows_);
    view_->ShowStatus(schedule_.Entries().empty()
                          ? std::string("No schedule loaded: choose a file with \"Open file...\".")
                          : FileNameOf(controller_.Settings().ScheduleFile) + ": " +
                                std::to_string(schedule_.Entries().size()) + " broadcasts, " +
                                std::to_string(rows_.size()) + " listed as on air now.");
}

int ScheduleCommands::TunedFrequency() const {
    return controller_.Settings().Frequency;
}
