// The schedule reader on arbitrary bytes: it never crashes, every row is either an entry or a
// skipped row, the texts it keeps are UTF-8, the values lie in their ranges, where the bytes are
// cut into pieces changes nothing, and the on-air questions answer within their bounds.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_check.h"
#include "schedule/schedule.h"

namespace {

bool IsUtf8(const std::string& text) {
    std::size_t at = 0;
    while (at < text.size()) {
        const auto lead = static_cast<unsigned char>(text[at]);
        const std::size_t length = lead < 0x80                   ? 1
                                   : lead >= 0xC2 && lead < 0xE0 ? 2
                                   : lead >= 0xE0 && lead < 0xF0 ? 3
                                                                 : 0;
        if (length == 0 || at + length > text.size()) return false;
        for (std::size_t next = 1; next < length; ++next) {
            if ((static_cast<unsigned char>(text[at + next]) & 0xC0) != 0x80) return false;
        }
        at += length;
    }
    return true;
}

bool InRange(const ScheduleEntry& entry) {
    return entry.frequencyHz > 0 && entry.frequencyHz < 1000000000 && entry.startMinute >= 0 &&
           entry.startMinute < 1440 && entry.stopMinute > 0 && entry.stopMinute <= 1440 &&
           IsUtf8(entry.station) && IsUtf8(entry.itu) && IsUtf8(entry.language) &&
           IsUtf8(entry.target) && IsUtf8(entry.remarks) && IsUtf8(entry.season) &&
           IsUtf8(entry.stopNote) && IsUtf8(entry.days.Text());
}

UtcTime At(int month, int day, int hour, int minute) {
    UtcTime time;
    time.year = 2024;
    time.month = month;
    time.day = day;
    time.hour = hour;
    time.minute = minute;
    return time;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    Schedule schedule;
    FUZZ_CHECK(schedule.LoadText(bytes) == ScheduleLoadStatus::Loaded);
    const auto& entries = schedule.Entries();
    const auto& skipped = schedule.SkippedRows();
    FUZZ_CHECK(schedule.IrregularCount() <= entries.size());

    // Entries and skipped rows come in file order and never share a line.
    std::size_t next = 0;
    std::int64_t line = 0;
    for (const ScheduleEntry& entry : entries) {
        FUZZ_CHECK(InRange(entry));
        FUZZ_CHECK(entry.line > line);
        line = entry.line;
        while (next < skipped.size() && skipped[next].line < entry.line) ++next;
        FUZZ_CHECK(next == skipped.size() || skipped[next].line != entry.line);
    }
    for (std::size_t index = 1; index < skipped.size(); ++index) {
        FUZZ_CHECK(skipped[index].line > skipped[index - 1].line);
        FUZZ_CHECK(skipped[index].problem != RowProblem::None);
    }

    // The same bytes in pieces of 1 to 8 bytes, the length taken from the input.
    std::vector<ScheduleEntry> pieceEntries;
    std::vector<SkippedRow> pieceSkipped;
    ScheduleReader reader(pieceEntries, pieceSkipped);
    const std::size_t piece = size == 0 ? 1 : 1 + data[0] % 8;
    for (std::size_t at = 0; at < size; at += piece) reader.Feed(bytes.substr(at, piece));
    reader.Finish();
    FUZZ_CHECK(pieceEntries == entries);
    FUZZ_CHECK(pieceSkipped == skipped);

    for (const UtcTime& time : {At(1, 1, 0, 0), At(2, 29, 23, 59), At(12, 24, 19, 45)}) {
        FUZZ_CHECK(schedule.OnAirAt(time).size() <= entries.size());
        const int frequencyHz = entries.empty() ? 6000000 : entries.front().frequencyHz;
        for (const ScheduleEntry* entry : schedule.OnAirNear(frequencyHz, 5000, time)) {
            FUZZ_CHECK(entry->frequencyHz >= frequencyHz - 5000 &&
                       entry->frequencyHz <= frequencyHz + 5000);
        }
    }
    return 0;
}
