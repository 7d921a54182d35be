#include "schedule/on_air_line.h"

#include <algorithm>
#include <vector>

std::string OnAirLineText(const Schedule& schedule, int tunedHz, const UtcTime& time) {
    if (schedule.Entries().empty()) return {};
    // The same station often has a row per target or transmitter; the listener hears it once.
    std::vector<std::string> names;
    for (const ScheduleEntry* entry : schedule.OnAirNear(tunedHz, kOnFrequencyToleranceHz, time)) {
        std::string name = entry->station;
        if (!entry->language.empty()) name += " (" + entry->language + ")";
        if (std::find(names.begin(), names.end(), name) == names.end()) names.push_back(name);
    }
    if (names.empty()) return "On air: nothing scheduled";
    std::string line = "On air: ";
    for (std::size_t index = 0; index < names.size(); ++index) {
        if (index > 0) line += ", ";
        line += names[index];
    }
    return line;
}
