#pragma once

#include <string>
#include <vector>

#include "schedule/schedule_entry.h"

// The schedule window as ScheduleCommands drives it; the host implements it, tests fake it.
class ScheduleView {
  public:
    virtual ~ScheduleView() = default;

    // Shows the window, or brings it to the front, with the focus in its list.
    virtual void Present() = 0;
    // The rows to list, in order; the pointers stay valid until the next ShowRows. Entries that
    // were selected and are listed again stay selected.
    virtual void ShowRows(const std::vector<const ScheduleEntry*>& rows) = 0;
    // The line about the schedule file and what is listed.
    virtual void ShowStatus(const std::string& text) = 0;
    // The selected rows in ascending order.
    virtual std::vector<int> SelectedRows() = 0;
};
