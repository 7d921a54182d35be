#include "schedule/schedule_reader.h"

#include <utility>

#include "schedule/text_fields.h"

void ScheduleReader::Feed(std::string_view bytes) {
    if (bytes.empty()) return;
    std::size_t begin = 0;
    if (afterCr_ && bytes.front() == '\n') begin = 1;
    afterCr_ = false;
    for (std::size_t at = begin; at < bytes.size(); ++at) {
        const char c = bytes[at];
        if (c != '\n' && c != '\r') continue;
        EndLine(bytes.substr(begin, at - begin));
        if (c == '\r') {
            if (at + 1 == bytes.size()) {
                afterCr_ = true;
            } else if (bytes[at + 1] == '\n') {
                ++at;
            }
        }
        begin = at + 1;
    }
    KeepPartial(bytes.substr(begin));
}

void ScheduleReader::Finish() {
    if (!partial_.empty() || partialTooLong_) EndLine({});
    afterCr_ = false;
}

void ScheduleReader::EndLine(std::string_view tail) {
    ++lineNumber_;
    if (partial_.empty() && !partialTooLong_) {
        TakeLine(tail);
        return;
    }
    KeepPartial(tail);
    if (partialTooLong_) {
        skipped_.push_back({lineNumber_, RowProblem::TooLong});
    } else {
        TakeLine(partial_);
    }
    partial_.clear();
    partialTooLong_ = false;
}

void ScheduleReader::KeepPartial(std::string_view start) {
    if (partialTooLong_ || start.empty()) return;
    if (partial_.size() + start.size() > kMaxScheduleRowBytes) {
        partialTooLong_ = true;
        partial_.clear();
        return;
    }
    partial_.append(start);
}

void ScheduleReader::TakeLine(std::string_view line) {
    if (line.size() <= kMaxScheduleRowBytes) {
        if (TrimBlanks(line).empty() || IsScheduleHeader(line)) return;
    }
    const RowProblem problem = ParseScheduleRow(line, entry_);
    if (problem != RowProblem::None) {
        skipped_.push_back({lineNumber_, problem});
        return;
    }
    entry_.line = lineNumber_;
    entries_.push_back(std::move(entry_));
}
