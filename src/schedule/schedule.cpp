#include "schedule/schedule.h"

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <new>

namespace {

constexpr std::size_t kReadBlockBytes = 64 * 1024;

}  // namespace

ScheduleLoadStatus Schedule::ReadAll(const std::function<bool(ScheduleReader&)>& feed) {
    Clear();
    try {
        ScheduleReader reader(entries_, skipped_);
        if (!feed(reader)) {
            Clear();
            return ScheduleLoadStatus::ReadError;
        }
        reader.Finish();
        Index();
    } catch (const std::bad_alloc&) {
        Clear();
        return ScheduleLoadStatus::ReadError;
    }
    return ScheduleLoadStatus::Loaded;
}

ScheduleLoadStatus Schedule::Load(const std::string& path) {
    Clear();
    std::ifstream in(path, std::ios::binary);
    if (!in) return ScheduleLoadStatus::CannotOpen;
    return ReadAll([&in](ScheduleReader& reader) {
        std::string block(kReadBlockBytes, '\0');
        // istream::read turns a failing device (EISDIR, EIO) into badbit instead of throwing.
        while (in.read(block.data(), static_cast<std::streamsize>(block.size())) ||
               in.gcount() > 0) {
            reader.Feed(std::string_view(block.data(), static_cast<std::size_t>(in.gcount())));
        }
        return !in.bad();
    });
}

ScheduleLoadStatus Schedule::LoadText(std::string_view text) {
    return ReadAll([text](ScheduleReader& reader) {
        reader.Feed(text);
        return true;
    });
}

void Schedule::Clear() {
    // Swapped out rather than cleared, so that a large schedule gives its memory back.
    std::vector<ScheduleEntry>().swap(entries_);
    std::vector<SkippedRow>().swap(skipped_);
    std::vector<std::size_t>().swap(byFrequency_);
    irregularCount_ = 0;
}

void Schedule::Index() {
    entries_.shrink_to_fit();
    byFrequency_.resize(entries_.size());
    for (std::size_t index = 0; index < entries_.size(); ++index) byFrequency_[index] = index;
    std::stable_sort(byFrequency_.begin(), byFrequency_.end(),
                     [this](std::size_t a, std::size_t b) {
                         return entries_[a].frequencyHz < entries_[b].frequencyHz;
                     });
    irregularCount_ = static_cast<std::size_t>(
        std::count_if(entries_.begin(), entries_.end(),
                      [](const ScheduleEntry& entry) { return entry.days.IsIrregular(); }));
}

std::vector<const ScheduleEntry*> Schedule::OnAirAt(const UtcTime& time) const {
    std::vector<const ScheduleEntry*> onAir;
    ScheduleMoment moment;
    if (!MomentOf(time, moment)) return onAir;
    for (const ScheduleEntry& entry : entries_) {
        if (entry.OnAirAt(moment)) onAir.push_back(&entry);
    }
    return onAir;
}

std::vector<const ScheduleEntry*> Schedule::OnAirNear(int frequencyHz, int toleranceHz,
                                                      const UtcTime& time) const {
    std::vector<const ScheduleEntry*> onAir;
    ScheduleMoment moment;
    if (!MomentOf(time, moment)) return onAir;
    // In 64 bits, so that no frequency and tolerance can overflow.
    const std::int64_t tolerance = std::max(toleranceHz, 0);
    const std::int64_t lowest = std::int64_t{frequencyHz} - tolerance;
    const std::int64_t highest = std::int64_t{frequencyHz} + tolerance;
    auto at = std::partition_point(
        byFrequency_.begin(), byFrequency_.end(),
        [&](std::size_t index) { return entries_[index].frequencyHz < lowest; });
    for (; at != byFrequency_.end() && entries_[*at].frequencyHz <= highest; ++at) {
        if (entries_[*at].OnAirAt(moment)) onAir.push_back(&entries_[*at]);
    }
    return onAir;
}
