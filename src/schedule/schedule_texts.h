#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "schedule/schedule.h"

// What the user reads about a schedule file.

// Why the schedule file at path could not be loaded and what follows, for one message at start
// or after a choice of file; empty for Loaded.
std::string ScheduleLoadProblemText(ScheduleLoadStatus status, const std::string& path);

// The problem of a skipped row in a few words ("the time is not HHMM-HHMM").
std::string RowProblemText(RowProblem problem);

// "2 rows of the schedule file were skipped: line 7 (...), line 9 (...)." naming at most listed
// rows and counting the rest; empty when none was skipped.
std::string SkippedRowsText(const std::vector<SkippedRow>& skipped, std::size_t listed = 10);
