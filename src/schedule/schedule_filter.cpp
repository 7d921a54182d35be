#include "schedule/schedule_filter.h"

#include <algorithm>

namespace {

char FoldCase(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameLetters(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return FoldCase(x) == FoldCase(y);
           });
}

// Bytes of UTF-8 letters beyond ASCII count as letters, so "Español" stays one word.
bool IsWordCharacter(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 0x80 || (c >= '0' && c <= '9') || (FoldCase(c) >= 'a' && FoldCase(c) <= 'z');
}

bool StartsAWordOf(std::string_view word, std::string_view name) {
    for (std::size_t at = 0; at + word.size() <= name.size(); ++at) {
        if (at > 0 && IsWordCharacter(name[at - 1])) continue;
        if (SameLetters(word, name.substr(at, word.size()))) return true;
    }
    return false;
}

bool MatchesWord(const ScheduleEntry& entry, std::string_view word) {
    return StartsAWordOf(word, entry.station) || SameLetters(word, entry.language) ||
           SameLetters(word, entry.target) || SameLetters(word, entry.itu);
}

}  // namespace

bool MatchesFilterText(const ScheduleEntry& entry, std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty()) {
        const auto start = std::find_if_not(text.begin(), text.end(), blank);
        const auto end = std::find_if(start, text.end(), blank);
        const std::string_view word(start, end);
        if (!word.empty() && !MatchesWord(entry, word)) return false;
        text.remove_prefix(static_cast<std::size_t>(end - text.begin()));
    }
    return true;
}

std::vector<const ScheduleEntry*> FilterOnAir(const Schedule& schedule,
                                              const ScheduleFilter& filter, int tunedHz,
                                              const UtcTime& time) {
    std::vector<const ScheduleEntry*> rows =
        filter.nearTuned ? schedule.OnAirNear(tunedHz, kNearTunedToleranceHz, time)
                         : schedule.OnAirAt(time);
    std::erase_if(
        rows, [&](const ScheduleEntry* entry) { return !MatchesFilterText(*entry, filter.text); });
    // OnAirNear already answers by frequency; OnAirAt in file order, which need not be.
    std::stable_sort(rows.begin(), rows.end(), [](const ScheduleEntry* a, const ScheduleEntry* b) {
        return a->frequencyHz < b->frequencyHz;
    });
    return rows;
}
