#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "controller/utc_clock.h"
#include "schedule/schedule_entry.h"
#include "schedule/schedule_reader.h"

enum class ScheduleLoadStatus {
    Loaded = 0,      // malformed rows included: they are skipped, never fail the load
    CannotOpen = 1,  // missing, no permission
    ReadError = 2,   // a folder, an I/O error, no memory for the entries
};

// A broadcast schedule (the EiBi CSV file) and the question "who is on the air?". Keeps every row
// it can read, in file order, and the line number and problem of every row it cannot read.
class Schedule {
  public:
    // Replaces the schedule with the rows of the file at path, read in blocks so that memory
    // grows with the entries only. On failure the schedule is empty.
    ScheduleLoadStatus Load(const std::string& path);
    // The same from the bytes of a file held in memory: Loaded, or ReadError when memory runs out.
    ScheduleLoadStatus LoadText(std::string_view text);
    void Clear();

    const std::vector<ScheduleEntry>& Entries() const { return entries_; }
    const std::vector<SkippedRow>& SkippedRows() const { return skipped_; }
    // Entries whose Days column is not understood and which are taken to run every day.
    std::size_t IrregularCount() const { return irregularCount_; }

    // The pointers of both questions stay valid until the next Load, LoadText or Clear.
    // Entries on air at time, in file order. None for a time that is no real date.
    std::vector<const ScheduleEntry*> OnAirAt(const UtcTime& time) const;
    // Entries on air at time within frequencyHz +/- toleranceHz (both ends included), by
    // frequency and then in file order. A negative tolerance counts as 0.
    std::vector<const ScheduleEntry*> OnAirNear(int frequencyHz, int toleranceHz,
                                                const UtcTime& time) const;

  private:
    // Clears, lets feed hand every byte to a reader, and indexes; feed returns false on a read
    // error. No half-read schedule survives a failure.
    ScheduleLoadStatus ReadAll(const std::function<bool(ScheduleReader&)>& feed);
    void Index();

    std::vector<ScheduleEntry> entries_;
    std::vector<SkippedRow> skipped_;
    std::vector<std::size_t> byFrequency_;  // indices into entries_, by frequency, stable
    std::size_t irregularCount_ = 0;
};
