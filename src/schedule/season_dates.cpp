#include "schedule/season_dates.h"

#include "base/windows_1252.h"
#include "schedule/text_fields.h"
#include "schedule/year_calendar.h"

namespace {

constexpr int kOpenSeasonDays = 214;

bool ReadDdmm(std::string_view text, int& ddmm) {
    if (text.size() != 4) return false;
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + (c - '0');
    }
    if (!IsDayOfYear(value % 100, value / 100)) return false;
    ddmm = value;
    return true;
}

int IndexOfDdmm(int ddmm) {
    return DayIndex(ddmm % 100, ddmm / 100);
}

// Days from `from` forward to `to` around the year, 0..365.
int DaysForward(int from, int to) {
    return ((to - from) % kDaysInScheduleYear + kDaysInScheduleYear) % kDaysInScheduleYear;
}

}  // namespace

bool ParseStartDate(std::string_view field, int& ddmm) {
    field = TrimBlanks(field);
    if (field.empty()) {
        ddmm = 0;
        return true;
    }
    return ReadDdmm(field, ddmm);
}

bool ParseStopDate(std::string_view field, int& ddmm, std::string& note) {
    field = TrimBlanks(field);
    note.clear();
    if (field.size() > 4) {
        const std::string_view rest = TrimBlanks(field.substr(4));
        const bool bracketed = rest.size() >= 2 && ((rest.front() == '(' && rest.back() == ')') ||
                                                    (rest.front() == '[' && rest.back() == ']'));
        if (!bracketed) return false;
        AppendWindows1252AsUtf8(rest, note);
        field = field.substr(0, 4);
    }
    return ParseStartDate(field, ddmm);
}

bool InSeason(int startDdmm, int stopDdmm, const BroadcastDay& day) {
    const int today = DayIndex(day.month, day.day);
    if (startDdmm == 0 && stopDdmm == 0) return true;
    if (stopDdmm == 0) return DaysForward(IndexOfDdmm(startDdmm), today) < kOpenSeasonDays;
    if (startDdmm == 0) return DaysForward(today, IndexOfDdmm(stopDdmm)) < kOpenSeasonDays;
    const int start = IndexOfDdmm(startDdmm);
    const int stop = IndexOfDdmm(stopDdmm);
    if (start <= stop) return today >= start && today <= stop;
    return today >= start || today <= stop;
}
