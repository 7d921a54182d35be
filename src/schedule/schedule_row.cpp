#include "schedule/schedule_row.h"

#include <array>

#include "base/windows_1252.h"
#include "schedule/season_dates.h"
#include "schedule/text_fields.h"

namespace {

enum Column { kKhz, kTime, kDays, kItu, kStation, kLanguage, kTarget, kRemarks, kP, kStart, kStop };
constexpr std::size_t kColumnCount = 11;

using Columns = std::array<std::string_view, kColumnCount>;

Columns SplitColumns(std::string_view line) {
    Columns columns{};
    for (std::size_t index = 0; index < kColumnCount; ++index) {
        const std::size_t end = line.find(';');
        columns[index] = TrimBlanks(line.substr(0, end));
        if (end == std::string_view::npos) break;
        line.remove_prefix(end + 1);
    }
    return columns;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool ReadFrequencyHz(std::string_view text, int& frequencyHz) {
    constexpr int kMaxKhzDigits = 6;
    constexpr int kMaxDecimals = 3;
    int khz = 0;
    int digits = 0;
    while (!text.empty() && IsDigit(text.front())) {
        if (++digits > kMaxKhzDigits) return false;
        khz = khz * 10 + (text.front() - '0');
        text.remove_prefix(1);
    }
    int hz = 0;
    int decimals = 0;
    if (!text.empty() && text.front() == '.') {
        text.remove_prefix(1);
        while (!text.empty() && IsDigit(text.front())) {
            if (++decimals > kMaxDecimals) return false;
            hz = hz * 10 + (text.front() - '0');
            text.remove_prefix(1);
        }
    }
    if (!text.empty() || digits + decimals == 0) return false;
    for (int place = decimals; place < kMaxDecimals; ++place) hz *= 10;
    frequencyHz = khz * 1000 + hz;
    return frequencyHz > 0;
}

// "HHMM" as minutes after midnight, 0..1440.
bool ReadClock(std::string_view text, int& minutes) {
    if (text.size() != 4 || !IsDigit(text[0]) || !IsDigit(text[1]) || !IsDigit(text[2]) ||
        !IsDigit(text[3])) {
        return false;
    }
    const int hours = (text[0] - '0') * 10 + (text[1] - '0');
    const int rest = (text[2] - '0') * 10 + (text[3] - '0');
    if (rest > 59 || hours > 24 || (hours == 24 && rest != 0)) return false;
    minutes = hours * 60 + rest;
    return true;
}

bool ReadTimeWindow(std::string_view text, int& startMinute, int& stopMinute) {
    constexpr int kDay = 24 * 60;
    if (text.size() != 9 || text[4] != '-') return false;
    if (!ReadClock(text.substr(0, 4), startMinute) || !ReadClock(text.substr(5), stopMinute)) {
        return false;
    }
    // 2400 and 0000 are the same minute: a start there is midnight, a stop there the day's end.
    startMinute %= kDay;
    if (stopMinute == 0) stopMinute = kDay;
    return true;
}

void AssignText(std::string_view column, std::string& text) {
    text.clear();
    AppendWindows1252AsUtf8(column, text);
}

}  // namespace

bool IsScheduleHeader(std::string_view line) {
    line = TrimBlanks(line);
    if (line.size() < 3) return false;
    const auto lower = [](char c) { return static_cast<char>(c | 0x20); };
    return lower(line[0]) == 'k' && lower(line[1]) == 'h' && lower(line[2]) == 'z';
}

RowProblem ParseScheduleRow(std::string_view line, ScheduleEntry& entry) {
    if (line.size() > kMaxScheduleRowBytes) return RowProblem::TooLong;
    const Columns columns = SplitColumns(line);
    if (!ReadFrequencyHz(columns[kKhz], entry.frequencyHz)) return RowProblem::Frequency;
    if (!ReadTimeWindow(columns[kTime], entry.startMinute, entry.stopMinute)) {
        return RowProblem::Time;
    }
    if (!ParseStartDate(columns[kStart], entry.startDate)) return RowProblem::StartDate;
    if (!ParseStopDate(columns[kStop], entry.stopDate, entry.stopNote)) {
        return RowProblem::StopDate;
    }
    entry.days = DayRule::Parse(columns[kDays]);
    AssignText(columns[kItu], entry.itu);
    AssignText(columns[kStation], entry.station);
    AssignText(columns[kLanguage], entry.language);
    AssignText(columns[kTarget], entry.target);
    AssignText(columns[kRemarks], entry.remarks);
    AssignText(columns[kP], entry.season);
    entry.cw = columns[kLanguage] == "-CW";
    entry.timeSignal = columns[kLanguage] == "-TS";
    entry.line = 0;
    return RowProblem::None;
}
