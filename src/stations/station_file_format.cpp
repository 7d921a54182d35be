#include "stations/station_file_format.h"

#include <algorithm>
#include <charconv>

#include "base/minimum_frequency.h"
#include "base/number_text.h"
#include "base/radio_limits.h"
#include "link/filter_table.h"

namespace {

constexpr char kSeparator = '|';
constexpr int kNumberFields = 5;

// The next field in the manner of strtok: separators in front of it are skipped, then it runs
// to the next separator or the end; pos moves past that separator.
bool NextField(const std::string& line, std::size_t& pos, std::string& field) {
    const std::size_t start = line.find_first_not_of(kSeparator, pos);
    if (start == std::string::npos) return false;
    std::size_t end = line.find(kSeparator, start);
    if (end == std::string::npos) end = line.size();
    field = line.substr(start, end - start);
    pos = std::min(end + 1, line.size());
    return true;
}

}  // namespace

bool ParseStationLine(const std::string& line, StationRecord& station) {
    std::size_t pos = 0;
    std::string name;
    if (!NextField(line, pos, name)) return false;
    int numbers[kNumberFields] = {};
    std::string field;
    for (int i = 0; i < kNumberFields - 1; ++i) {
        if (!NextField(line, pos, field) || !ReadIntegerPrefix(field, numbers[i])) return false;
    }
    // The last field ends only at the line end, so it may hold further "|" characters.
    if (pos >= line.size() || !ReadIntegerPrefix(line.substr(pos), numbers[kNumberFields - 1])) {
        return false;
    }
    station.name = std::move(name);
    station.frequency = numbers[0];
    station.mode = numbers[1];
    station.agc = numbers[2];
    station.filter = numbers[3];
    station.passbandShift = numbers[4];
    BringIntoRange(station);
    return true;
}

std::string FormatStationLine(const StationRecord& station) {
    std::string line = station.name;
    char number[16];
    for (const int value :
         {station.frequency, station.mode, station.agc, station.filter, station.passbandShift}) {
        const std::to_chars_result end = std::to_chars(number, number + sizeof number, value);
        line += kSeparator;
        line.append(number, end.ptr);
    }
    return line;
}

void BringIntoRange(StationRecord& station) {
    station.frequency = std::clamp(station.frequency, MinimumFrequency, kMaximumFrequency);
    station.mode = std::clamp(station.mode, 0, 3);
    station.agc = std::clamp(station.agc, kAgcSlow, kAgcFast);
    station.filter = std::clamp(station.filter, 0, FilterTable::kRowCount - 1);
    station.passbandShift =
        std::clamp(station.passbandShift, -kPassbandShiftLimitHz, kPassbandShiftLimitHz);
}

void BlankLineBreaks(std::string& name) {
    for (char& c : name) {
        if (c == '\r' || c == '\n') c = ' ';
    }
}
