#include "schedule/schedule_columns.h"

#include <array>
#include <cstdio>

namespace {

constexpr std::array<const char*, kScheduleColumnCount> kTitles = {
    "kHz", "Time (UTC)", "Days", "ITU", "Station", "Language", "Target", "Remarks"};

std::string KilohertzText(int frequencyHz) {
    std::string text = std::to_string(frequencyHz / 1000);
    const int hz = frequencyHz % 1000;
    if (hz != 0) {
        char decimals[8];
        std::snprintf(decimals, sizeof decimals, ".%03d", hz);
        std::string fraction = decimals;
        while (fraction.back() == '0') fraction.pop_back();
        text += fraction;
    }
    return text;
}

std::string ClockText(int minutes) {
    char text[8];
    std::snprintf(text, sizeof text, "%02d%02d", minutes / 60 % 100, minutes % 60);
    return text;
}

}  // namespace

std::string ScheduleColumnTitle(int column) {
    if (column < 0 || column >= kScheduleColumnCount) return {};
    return kTitles[static_cast<std::size_t>(column)];
}

std::string ScheduleCellText(const ScheduleEntry& entry, int column) {
    switch (static_cast<ScheduleColumn>(column)) {
        case ScheduleColumn::Frequency:
            return KilohertzText(entry.frequencyHz);
        case ScheduleColumn::Time:
            return ClockText(entry.startMinute) + "-" + ClockText(entry.stopMinute);
        case ScheduleColumn::Days:
            return entry.days.Text();
        case ScheduleColumn::Itu:
            return entry.itu;
        case ScheduleColumn::Station:
            return entry.station;
        case ScheduleColumn::Language:
            return entry.language;
        case ScheduleColumn::Target:
            return entry.target;
        case ScheduleColumn::Remarks:
            return entry.remarks;
    }
    return {};
}
