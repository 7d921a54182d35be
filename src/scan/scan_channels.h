#pragma once

#include <vector>

#include "base/station_node.h"

class CStationList;

// Why a list of channels could not be made.
enum class ChannelsStatus {
    kOk,
    kBadStep,     // the step is not positive
    kOutOfRange,  // an end lies outside the receiver's range
    kTooMany,     // more than kMaximumChannels
    kNone,        // nothing to scan (every channel skipped, or no station chosen)
};

// A sweep or scan larger than this would take hours on the line; such a request is refused.
inline constexpr int kMaximumChannels = 20000;

// The frequencies from startHz to stopHz (either may be the larger) by stepHz, low to high, the
// ends included where the step lands on them.
ChannelsStatus BandChannels(int startHz, int stopHz, int stepHz, std::vector<int>& channels);

// The stations' frequencies in list order: every station when nodes is empty, otherwise those
// named (unknown nodes are passed over). Duplicates are scanned once.
ChannelsStatus StationChannels(const CStationList& stations, const std::vector<StationNode>& nodes,
                               std::vector<int>& channels);
