#include "schedule/schedule_texts.h"

#include <algorithm>

std::string ScheduleLoadProblemText(ScheduleLoadStatus status, const std::string& path) {
    const std::string after = " The schedule stays empty until a schedule file is chosen.";
    switch (status) {
        case ScheduleLoadStatus::CannotOpen:
            return "The schedule file \"" + path +
                   "\" cannot be opened: it may have been moved, renamed or deleted, or you may "
                   "not have permission to read it." +
                   after;
        case ScheduleLoadStatus::ReadError:
            return "The schedule file \"" + path +
                   "\" could not be read to the end: it may be a folder, too large for the "
                   "memory, or on a failing disk." +
                   after;
        case ScheduleLoadStatus::Loaded:
            break;
    }
    return {};
}

std::string RowProblemText(RowProblem problem) {
    switch (problem) {
        case RowProblem::Frequency:
            return "the frequency is not a number of kHz";
        case RowProblem::Time:
            return "the time is not HHMM-HHMM";
        case RowProblem::StartDate:
            return "the start date is not DDMM";
        case RowProblem::StopDate:
            return "the stop date is not DDMM";
        case RowProblem::TooLong:
            return "the line is too long for a schedule row";
        case RowProblem::None:
            break;
    }
    return {};
}

std::string SkippedRowsText(const std::vector<SkippedRow>& skipped, std::size_t listed) {
    if (skipped.empty()) return {};
    std::string text = skipped.size() == 1 ? std::string("1 row of the schedule file was skipped")
                                           : std::to_string(skipped.size()) +
                                                 " rows of the schedule file were skipped";
    const std::size_t named = std::min(listed, skipped.size());
    for (std::size_t index = 0; index < named; ++index) {
        text += index == 0 ? ": " : ", ";
        text += "line " + std::to_string(skipped[index].line) + " (" +
                RowProblemText(skipped[index].problem) + ")";
    }
    if (named > 0 && named < skipped.size()) {
        text += " and " + std::to_string(skipped.size() - named) + " more";
    }
    return text + ".";
}
