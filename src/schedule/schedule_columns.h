#pragma once

#include <string>

#include "schedule/schedule_entry.h"

// The columns of the schedule window, in the order of the schedule file.
enum class ScheduleColumn { Frequency, Time, Days, Itu, Station, Language, Target, Remarks };
inline constexpr int kScheduleColumnCount = 8;

// The column's heading ("kHz", "Time (UTC)", ...); empty for a column that does not exist.
std::string ScheduleColumnTitle(int column);

// The text of one cell: the frequency in kHz as few decimals as it needs ("9580", "16.4"), the
// time as "HHMM-HHMM", the other columns as the file gives them; empty for a column that does not
// exist.
std::string ScheduleCellText(const ScheduleEntry& entry, int column);
