#include "stations/commands/station_commands.h"

#include <string>

#include "base/frequency_text.h"
#include "controller/receiver_controller.h"
#include "stations/commands/list_sorter.h"
#include "stations/commands/station_edit_dialog.h"

namespace {

// Shows the Station dialog with the station's values; on OK the station takes the edited ones.
// A name left as shown keeps its bytes; an edited one is stored in the list's file encoding.
bool EditStation(Host& host, const CStationList& stations, StationRecord& station, int displayMHz) {
    CStationEditDialog dialog(host);
    const std::string shownName = stations.DisplayName(station.name);
    dialog.name = shownName;
    dialog.modeChoice = station.mode;
    dialog.agcChoice = AgcIndexOf(station.agc);
    dialog.displayMHz = displayMHz;
    dialog.frequency = station.frequency;
    dialog.passbandShift = station.passbandShift;
    dialog.filter = station.filter;
    if (host.RunModal(dialog) != IDOK) return false;
    std::string name = dialog.name == shownName ? station.name : stations.StoredName(dialog.name);
    station = StationRecord(std::move(name), dialog.frequency, dialog.modeChoice,
                            AgcFromIndex(dialog.agcChoice), dialog.filter, dialog.passbandShift);
    return true;
}

}  // namespace

CStationCommands::CStationCommands(CReceiverController& controller, Host& host,
                                   StationListView& list, MainView& view)
    : controller_(controller), host_(host), list_(list), view_(view) {}

StationNode CStationCommands::SelectedStationOrMessage(const char* purpose) {
    const int row = list_.GetSelectedRow();
    if (row < 0) {
        host_.MessageBox(
            std::string("No station selected !\n(Please select a station to be ") + purpose + ")",
            MessageButtons::Ok, MessageIcon::Exclamation);
        return kNoStation;
    }
    return list_.GetRowData(row);
}

StationRecord CStationCommands::CurrentTuning(const std::string& name, int& displayMHz) const {
    const TuningState tuning = controller_.GetTuning();
    displayMHz = tuning.displayMHz;
    return StationRecord(name, tuning.frequencyHz, tuning.mode, tuning.agc, tuning.filterIndex,
                         tuning.passbandShiftHz);
}

void CStationCommands::OnTune() {
    controller_.StopContinuousTuning();
    const StationNode node = SelectedStationOrMessage("used for tuning");
    StationRecord station;
    if (controller_.Stations().Get(node, station) != StationNodeResult::kDone) return;
    TuneToStation(station);
}

void CStationCommands::TuneToStation(const StationRecord& station) {
    controller_.SetFrequency(station.frequency);
    controller_.SetMode(station.mode);
    view_.ShowMode(station.mode);
    controller_.SetAgc(station.agc);
    view_.ShowAgc(station.agc);
    controller_.SetFilter(station.filter);
    view_.ShowFilter(station.filter);
    // A station without a shift means the shift off, not a shift of 0 left switched on.
    const int shiftOn = station.passbandShift != 0 ? 1 : 0;
    controller_.SetPassbandShiftOn(shiftOn);
    view_.ShowPassbandShiftOn(shiftOn);
    controller_.SetPassbandShift(station.passbandShift);
    view_.ShowPassbandShift(station.passbandShift);
}

void CStationCommands::OnAdd() {
    controller_.StopContinuousTuning();
    int displayMHz = 0;
    StationRecord station = CurrentTuning(std::string(), displayMHz);
    const CStationList& stations = controller_.Stations();
    if (!EditStation(host_, stations, station, displayMHz)) return;
    StationNode node = kNoStation;
    if (controller_.AddStation(station, node) != StationAddResult::kAdded) return;
    // On top and selected, whatever the sort order: the user sees what was added.
    list_.InsertRow(0, FrequencyText(station.frequency, displayMHz),
                    stations.DisplayName(station.name), node);
    list_.SelectRow(0);
}

void CStationCommands::OnUpdate() {
    EditSelected("updated", true);
}

void CStationCommands::OnEdit() {
    EditSelected("edited", false);
}

void CStationCommands::EditSelected(const char* purpose, bool fromReceiver) {
    controller_.StopContinuousTuning();
    const StationNode node = SelectedStationOrMessage(purpose);
    const CStationList& stations = controller_.Stations();
    StationRecord station;
    if (stations.Get(node, station) != StationNodeResult::kDone) return;
    int displayMHz = controller_.Settings().DisplayMHz;
    if (fromReceiver) station = CurrentTuning(station.name, displayMHz);
    if (!EditStation(host_, stations, station, displayMHz)) return;
    // The dialog let other messages in: a station from ZELKA may have put a row on top, so the
    // row is looked up again, and a station gone meanwhile is left alone.
    const int row = list_.FindRow(node);
    if (row < 0 || controller_.UpdateStation(node, station) != StationNodeResult::kDone) return;
    // The row keeps its place until the next sort.
    list_.SetRowText(row, 0, FrequencyText(station.frequency, displayMHz));
    list_.SetRowText(row, 1, stations.DisplayName(station.name));
}

void CStationCommands::OnDelete() {
    controller_.StopContinuousTuning();
    const StationNode node = SelectedStationOrMessage("deleted");
    if (node == kNoStation) return;
    if (host_.MessageBox("Do you really want to delete the selected station ?",
                         MessageButtons::YesNo, MessageIcon::Question) != IDYES) {
        return;
    }
    // The station asked about, wherever the question's time has moved its row (see EditSelected).
    const int row = list_.FindRow(node);
    if (row >= 0 && controller_.RemoveStation(node) == StationNodeResult::kDone) {
        list_.DeleteRow(row);
    }
}

void CStationCommands::OnHeaderClick(int column) {
    // Always ascending: a second click on the same header does not reverse the order.
    if (column == 0) {
        CListSorter(list_, 0).Sort(true, CListSorter::kNumber);
    } else if (column == 1) {
        CListSorter(list_, 1).Sort(true, CListSorter::kText);
    }
}
