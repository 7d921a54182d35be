#include "support/station_walk.h"

#include "stations/station_file_format.h"

std::vector<std::string> StationLines(const CStationList& list) {
    std::vector<std::string> lines;
    StationNode cursor = nullptr;
    StationNode node = nullptr;
    StationRecord record;
    if (list.GetNext(cursor, node, record) != 0) return lines;
    cursor = nullptr;
    do {
        list.GetNext(cursor, node, record);
        lines.push_back(FormatStationLine(record));
    } while (cursor != nullptr);
    return lines;
}
