#include "receiver_state.h"

#include "link/filter_table.h"

namespace {

// The sideband offset is half the filter plus the passband shift plus this margin.
constexpr int kSidebandMarginHz = 200;

std::string Hz(int value) {
    return std::to_string(value) + " Hz";
}

}  // namespace

std::string ModeName(int mode) {
    switch (mode) {
        case 0:
            return "AM";
        case 1:
            return "USB";
        case 2:
            return "LSB";
        case 3:
            return "CW";
        default:
            return "mode " + std::to_string(mode);
    }
}

int FilterBandwidthHz(int filterCode) {
    for (const FilterRow& row : FilterTable::kRows) {
        if (row.code == filterCode) return row.bandwidthHz;
    }
    return 0;
}

std::string DescribeTuning(const ReceiverState& state) {
    const DecodedTuning& tuning = state.tuning;
    const int bandwidthHz = FilterBandwidthHz(state.filterCode);
    std::string text =
        "tune " + Hz(tuning.dialHz) + " " + ModeName(state.mode) + " filter " + Hz(bandwidthHz);
    if (state.mode == 1 || state.mode == 2) {
        text += " pbs " + Hz(tuning.bfoOffsetHz - bandwidthHz / 2 - kSidebandMarginHz);
    } else if (state.mode == 3) {
        text += " cw " + Hz(tuning.bfoOffsetHz);
    } else if (tuning.factors.bfo != 0) {
        text += " (BFO " + std::to_string(tuning.factors.bfo) + " ignored in AM)";
    }
    if (!tuning.exact) text += " (factors the tuning formula cannot produce)";
    return text;
}
