#pragma once

#include "stations/station_record.h"

class CReceiverController;
class CMainDialog;
class Host;
class MainWindowSurface;

// "Tune", "Add", "Upd", "Edit", "Delete" and the header click of the station list view.
class CStationCommands {
public:
    // None of the arguments is owned.
    CStationCommands(CReceiverController& controller, Host& host, MainWindowSurface& window,
                     CMainDialog& dialog);

    void OnTune();
    void OnAdd();
    void OnUpdate();
    void OnEdit();
    void OnDelete();
    void OnHeaderClick(int column);

    // Tunes the receiver to the station's values and shows them (also used by the exchange).
    void TuneToStation(const StationRecord& station);

private:
    CReceiverController& controller_;
    Host& host_;
    MainWindowSurface& window_;
    CMainDialog& dialog_;
};
