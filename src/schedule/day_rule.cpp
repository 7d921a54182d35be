#include "schedule/day_rule.h"

#include <algorithm>
#include <array>

#include "base/windows_1252.h"
#include "schedule/text_fields.h"
#include "schedule/year_calendar.h"

namespace {

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameLetters(std::string_view text, std::string_view lowerName) {
    return text.size() == lowerName.size() &&
           std::equal(text.begin(), text.end(), lowerName.begin(),
                      [](char a, char b) { return Lower(a) == b; });
}

// Reads one weekday at the front of rest, 0 Monday .. 6 Sunday, and moves past it; -1 if none.
int TakeWeekday(std::string_view& rest) {
    constexpr std::array<std::string_view, 7> kNames = {"mo", "tu", "we", "th", "fr", "sa", "su"};
    if (!rest.empty() && rest[0] >= '1' && rest[0] <= '7') {
        const int weekday = rest[0] - '1';
        rest.remove_prefix(1);
        return weekday;
    }
    if (rest.size() < 2) return -1;
    for (int weekday = 0; weekday < 7; ++weekday) {
        if (SameLetters(rest.substr(0, 2), kNames[static_cast<std::size_t>(weekday)])) {
            rest.remove_prefix(2);
            return weekday;
        }
    }
    return -1;
}

// Reads "24Dec" at the front of rest as month * 100 + day and moves past it; 0 if none.
int TakeDate(std::string_view& rest) {
    constexpr std::array<std::string_view, 12> kMonths = {"jan", "feb", "mar", "apr", "may", "jun",
                                                          "jul", "aug", "sep", "oct", "nov", "dec"};
    int day = 0;
    std::size_t digits = 0;
    while (digits < rest.size() && digits < 2 && rest[digits] >= '0' && rest[digits] <= '9') {
        day = day * 10 + (rest[digits] - '0');
        ++digits;
    }
    if (digits == 0 || rest.size() < digits + 3) return 0;
    for (int month = 1; month <= 12; ++month) {
        if (SameLetters(rest.substr(digits, 3), kMonths[static_cast<std::size_t>(month - 1)])) {
            if (!IsDayOfYear(month, day)) return 0;
            rest.remove_prefix(digits + 3);
            return month * 100 + day;
        }
    }
    return 0;
}

}  // namespace

DayRule DayRule::Parse(std::string_view field) {
    DayRule rule;
    field = TrimBlanks(field);
    AppendWindows1252AsUtf8(field, rule.text_);
    if (field.empty()) return rule;
    if (rule.ReadWeekdays(field)) {
        rule.kind_ = Kind::Weekdays;
        return rule;
    }
    rule.weekdays_ = 0;
    if (rule.ReadDates(field)) {
        rule.kind_ = Kind::Dates;
        return rule;
    }
    rule.dates_.clear();
    rule.kind_ = Kind::Irregular;
    return rule;
}

bool DayRule::ReadWeekdays(std::string_view rest) {
    while (!rest.empty()) {
        const int first = TakeWeekday(rest);
        if (first < 0) return false;
        int last = first;
        if (!rest.empty() && rest[0] == '-') {
            rest.remove_prefix(1);
            last = TakeWeekday(rest);
            if (last < 0) return false;
        }
        for (int weekday = first;; weekday = (weekday + 1) % 7) {
            weekdays_ |= static_cast<std::uint8_t>(1u << weekday);
            if (weekday == last) break;
        }
        if (!rest.empty() && (rest[0] == ',' || rest[0] == ' ')) rest.remove_prefix(1);
    }
    return true;
}

bool DayRule::ReadDates(std::string_view rest) {
    while (!rest.empty()) {
        const int date = TakeDate(rest);
        if (date == 0) return false;
        dates_.push_back(static_cast<std::uint16_t>(date));
        if (!rest.empty() && (rest[0] == ',' || rest[0] == ' ')) rest.remove_prefix(1);
    }
    return true;
}

bool DayRule::Matches(const BroadcastDay& day) const {
    switch (kind_) {
        case Kind::Weekdays:
            return day.weekday >= 0 && day.weekday < 7 && ((weekdays_ >> day.weekday) & 1u) != 0;
        case Kind::Dates:
            return std::find(dates_.begin(), dates_.end(), day.month * 100 + day.day) !=
                   dates_.end();
        case Kind::Daily:
        case Kind::Irregular:
            break;
    }
    return true;
}
