#pragma once

#include <string>

#include "base/station_node.h"
#include "stations/station_record.h"

class CReceiverController;
class Host;
class MainView;
class StationListView;

// "Tune", "Add", "Upd", "Edit", "Delete" and the header click of the station list view.
class CStationCommands {
  public:
    // None of the arguments is owned.
    CStationCommands(CReceiverController& controller, Host& host, StationListView& list,
                     MainView& view);

    void OnTune();
    void OnAdd();
    void OnUpdate();
    void OnEdit();
    void OnDelete();
    void OnHeaderClick(int column);

    // Tunes the receiver to the station's values and shows them (also used by the exchange).
    void TuneToStation(const StationRecord& station);

  private:
    // The selected row's station, taken before any modal box lets rows move; kNoStation after the
    // "No station selected !" message naming the purpose.
    StationNode SelectedStationOrMessage(const char* purpose);
    // The receiver's current values as a station named name; displayMHz receives the unit.
    StationRecord CurrentTuning(const std::string& name, int& displayMHz) const;
    // "Upd" (values from the receiver) and "Edit" (the station's own values).
    void EditSelected(const char* purpose, bool fromReceiver);

    CReceiverController& controller_;
    Host& host_;
    StationListView& list_;
    MainView& view_;
};
