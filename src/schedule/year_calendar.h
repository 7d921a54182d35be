#pragma once

// Days of a schedule's year. A schedule names days without a year, so 29 February is a real day
// and the year has 366 of them.

// 1..31 for months 1..12, 0 for any other month.
constexpr int DaysInMonth(int month) {
    constexpr int kDays[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month >= 1 && month <= 12 ? kDays[month - 1] : 0;
}

constexpr bool IsDayOfYear(int month, int day) {
    return day >= 1 && day <= DaysInMonth(month);
}

// 0 (1 January) .. 365 (31 December) for a real day.
constexpr int DayIndex(int month, int day) {
    int index = day - 1;
    for (int earlier = 1; earlier < month; ++earlier) index += DaysInMonth(earlier);
    return index;
}

constexpr int kDaysInScheduleYear = 366;
