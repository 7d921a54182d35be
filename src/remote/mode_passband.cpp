#include "remote/mode_passband.h"

#include <cstdlib>

#include "link/filter_table.h"
#include "remote/rigctl_vocabulary.h"

namespace {

struct ModeEntry {
    const char* name;
    std::uint64_t bit;
    // The default passband: the window's default filter for AM, 2400 Hz for the sidebands,
    // 450 Hz for CW.
    int normalFilterIndex;
};

// Indexed by the receiver's mode.
constexpr ModeEntry kModes[kModeCount] = {
    {"AM", rigctl::kModeAm, FilterTable::kDefaultIndex},
    {"USB", rigctl::kModeUsb, 18},  // 2400 Hz
    {"LSB", rigctl::kModeLsb, 18},
    {"CW", rigctl::kModeCw, 3},  // 450 Hz
};

struct ModeAlias {
    const char* name;
    int mode;
};

constexpr ModeAlias kAliases[] = {
    {"PKTUSB", 1}, {"ECSSUSB", 1}, {"PKTLSB", 2}, {"ECSSLSB", 2},
    {"CWR", 3},    {"SAM", 0},     {"AMS", 0},
};

}  // namespace

const char* ModeName(int mode) {
    return kModes[mode].name;
}

std::uint64_t ModeBit(int mode) {
    return kModes[mode].bit;
}

std::uint64_t AllModesMask() {
    std::uint64_t mask = 0;
    for (const ModeEntry& mode : kModes) mask |= mode.bit;
    return mask;
}

std::string ModeNames() {
    std::string names;
    for (int bitIndex = 0; bitIndex < 64; ++bitIndex) {
        for (const ModeEntry& mode : kModes) {
            if (mode.bit != (std::uint64_t{1} << bitIndex)) continue;
            if (!names.empty()) names += ' ';
            names += mode.name;
        }
    }
    return names;
}

int ModeFromName(std::string_view name) {
    for (int mode = 0; mode < kModeCount; ++mode) {
        if (name == kModes[mode].name) return mode;
    }
    for (const ModeAlias& alias : kAliases) {
        if (name == alias.name) return alias.mode;
    }
    return -1;
}

int FilterWidthHz(int filterIndex) {
    return FilterTable::kRows[filterIndex].bandwidthHz;
}

bool IsDistinctFilter(int filterIndex) {
    for (int earlier = 0; earlier < filterIndex; ++earlier) {
        if (FilterTable::kRows[earlier].code == FilterTable::kRows[filterIndex].code) return false;
    }
    return true;
}

int NearestFilterIndex(int widthHz, int currentIndex) {
    const auto distance = [widthHz](int index) {
        return std::llabs(static_cast<long long>(FilterWidthHz(index)) - widthHz);
    };
    int best = -1;
    for (int index = 0; index < FilterTable::kRowCount; ++index) {
        if (!IsDistinctFilter(index)) continue;
        if (best < 0 || distance(index) < distance(best) ||
            (distance(index) == distance(best) && FilterWidthHz(index) > FilterWidthHz(best))) {
            best = index;
        }
    }
    return FilterWidthHz(currentIndex) == FilterWidthHz(best) ? currentIndex : best;
}

int NormalFilterIndex(int mode) {
    return kModes[mode].normalFilterIndex;
}
