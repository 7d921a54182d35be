#include "scan/scan_channels.h"

#include <algorithm>
#include <cstdint>

#include "base/minimum_frequency.h"
#include "base/radio_limits.h"
#include "stations/station_list.h"

ChannelsStatus BandChannels(int startHz, int stopHz, int stepHz, std::vector<int>& channels) {
    channels.clear();
    if (stepHz <= 0) return ChannelsStatus::kBadStep;
    const int lowHz = std::min(startHz, stopHz);
    const int highHz = std::max(startHz, stopHz);
    if (lowHz < MinimumFrequency || highHz > kMaximumFrequency) return ChannelsStatus::kOutOfRange;
    const std::int64_t count = (static_cast<std::int64_t>(highHz) - lowHz) / stepHz + 1;
    if (count > kMaximumChannels) return ChannelsStatus::kTooMany;
    channels.reserve(static_cast<std::size_t>(count));
    for (std::int64_t i = 0; i < count; ++i)
        channels.push_back(lowHz + static_cast<int>(i) * stepHz);
    return ChannelsStatus::kOk;
}

ChannelsStatus StationChannels(const CStationList& stations, const std::vector<StationNode>& nodes,
                               std::vector<int>& channels) {
    channels.clear();
    StationNode cursor = kNoStation;
    StationNode node = kNoStation;
    StationRecord record;
    while (stations.GetNext(cursor, node, record) == StationWalkResult::kStationRead) {
        const bool chosen =
            nodes.empty() || std::find(nodes.begin(), nodes.end(), node) != nodes.end();
        const bool seen =
            std::find(channels.begin(), channels.end(), record.frequency) != channels.end();
        if (chosen && !seen) channels.push_back(record.frequency);
        if (cursor == kNoStation) break;
    }
    return channels.empty() ? ChannelsStatus::kNone : ChannelsStatus::kOk;
}
