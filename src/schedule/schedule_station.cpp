#include "schedule/schedule_station.h"

#include <algorithm>

#include "base/radio_limits.h"

int ScheduleEntryMode(const ScheduleEntry& entry) {
    return entry.cw ? kModeCw : kModeAm;
}

std::string ScheduleStationName(const ScheduleEntry& entry) {
    std::string details = entry.language;
    if (!entry.target.empty()) details += (details.empty() ? "" : ", ") + entry.target;
    std::string name = entry.station;
    if (!details.empty()) name += (name.empty() ? "(" : " (") + details + ")";
    std::replace(name.begin(), name.end(), '|', '/');
    return name;
}
