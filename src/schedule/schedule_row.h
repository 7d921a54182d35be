#pragma once

#include <cstddef>
#include <string_view>

#include "schedule/schedule_entry.h"

// One line of a schedule file without its line end, in the EiBi column order
// kHz;Time(UTC);Days;ITU;Station;Lng;Target;Remarks;P;Start;Stop, ";"-separated, texts in
// Windows-1252. Trailing columns may be missing; columns after Stop are ignored.

// Why a row was not taken.
enum class RowProblem {
    None,
    Frequency,  // kHz: missing, not a number, zero, finer than 1 Hz or 1 GHz and above
    Time,       // Time(UTC): not HHMM-HHMM with hours 00..24 and minutes 00..59
    StartDate,  // Start: not DDMM
    StopDate,   // Stop: not DDMM with an optional bracketed note
    TooLong,    // longer than kMaxScheduleRowBytes: not a schedule row
};

// No schedule row comes near this; a longer line (a binary file picked by mistake) is dropped
// as it streams in instead of being kept whole.
inline constexpr std::size_t kMaxScheduleRowBytes = 8192;

// The column header line: its first column starts with "kHz" (any case).
bool IsScheduleHeader(std::string_view line);

// Reads line into entry (all of entry is replaced; line number left 0). On a problem, entry holds
// no meaning.
RowProblem ParseScheduleRow(std::string_view line, ScheduleEntry& entry);
