#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "schedule/schedule_entry.h"
#include "schedule/schedule_row.h"

// A line of a schedule file that was not taken, and why.
struct SkippedRow {
    std::int64_t line = 0;  // from 1
    RowProblem problem = RowProblem::None;

    bool operator==(const SkippedRow&) const = default;
};

// Turns the bytes of a schedule file, handed in pieces of any size, into entries and skipped
// rows appended to the vectors given; where the pieces are cut never changes the result. Lines
// end at LF, CR LF or CR. Header lines and blank lines are passed over. Memory beyond the results
// is one line at most. May throw std::bad_alloc; Schedule catches it.
class ScheduleReader {
  public:
    ScheduleReader(std::vector<ScheduleEntry>& entries, std::vector<SkippedRow>& skipped)
        : entries_(entries), skipped_(skipped) {}

    void Feed(std::string_view bytes);
    // Takes the last line when the file does not end with a line end.
    void Finish();

  private:
    void EndLine(std::string_view tail);
    void KeepPartial(std::string_view start);
    void TakeLine(std::string_view line);

    std::vector<ScheduleEntry>& entries_;
    std::vector<SkippedRow>& skipped_;
    ScheduleEntry entry_;  // the row being read
    std::string partial_;  // the start of a line cut by the end of a piece
    bool partialTooLong_ = false;
    bool afterCr_ = false;  // the last piece ended with CR: a leading LF ends nothing
    std::int64_t lineNumber_ = 0;
};
