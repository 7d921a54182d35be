#include "support/station_walk.h"

#include "stations/station_file_format.h"

std::vector<std::string> StationLines(const CStationList& list) {
    std::vector<std::string> lines;
    StationNode cursor = kNoStation;
    StationNode node = kNoStation;
    StationRecord record;
    if (list.GetNext(cursor, node, record) != 0) return lines;
    cursor = kNoStation;
    do {
        list.GetNext(cursor, node, record);
        lines.push_back(FormatStationLine(record));
    } while (cursor != kNoStation);
    return lines;
}
