#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "schedule/schedule_moment.h"

// The Days column of a schedule row: on which days a broadcast begins.
//
// - empty: every day.
// - weekdays: names Mo Tu We Th Fr Sa Su or digits 1 (Monday) .. 7 (Sunday), alone or as ranges,
//   one after the other or with commas: "Mo-Fr", "Sa-Mo" (wraps over the week end: Sa, Su, Mo),
//   "1245", "Tu,Th", "1-5".
// - dates: "24Dec", "24Dec,25Dec": those days of the year only.
// - anything else ("irr" irregular, "alt" alternating, "Ram" Ramadan, "tent", ...) is irregular:
//   it matches every day, so the broadcast is on air by its time alone, and the rule says so for
//   the view to mark it. The listener asks "who is this?" with a signal in the ear: a candidate
//   shown on a day it is silent costs a glance, one hidden on the day it runs costs the answer.
class DayRule {
  public:
    enum class Kind { Daily, Weekdays, Dates, Irregular };

    // Reads the field as written in Windows-1252; never fails.
    static DayRule Parse(std::string_view field);

    Kind GetKind() const { return kind_; }
    bool IsIrregular() const { return kind_ == Kind::Irregular; }
    // True when a broadcast under this rule begins on day.
    bool Matches(const BroadcastDay& day) const;
    // The field as written, in UTF-8, without surrounding blanks.
    const std::string& Text() const { return text_; }

    bool operator==(const DayRule&) const = default;

  private:
    bool ReadWeekdays(std::string_view field);
    bool ReadDates(std::string_view field);

    Kind kind_ = Kind::Daily;
    std::uint8_t weekdays_ = 0;         // bit 0 Monday .. bit 6 Sunday
    std::vector<std::uint16_t> dates_;  // month * 100 + day
    std::string text_;
};
