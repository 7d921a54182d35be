#include "controller/main_view.h"

#include "stations/station_list.h"

void MainView::ShowStationList(const CStationList& stations, int displayMHz) {
    DeleteAllStationRows();
    stations.Visit([&](StationNode node, const StationRecord& record) {
        AddStationRow(node, displayMHz, record.frequency, stations.DisplayName(record.name));
    });
    SortStationRows();
}
