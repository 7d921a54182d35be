#pragma once

#include "base/radio_limits.h"

// One of the receiver's 34 IF filters as the window shows it: 4 groups of 9 positions.
struct FilterRow {
    int code;         // byte sent after 'W'
    int group;        // filter-range radio group, 0..3
    int position;     // position within the group, 0..8
    int bandwidthHz;  // used by the tuning computation
};

struct FilterTable {
    static constexpr int kRowCount = kFilterRowCount;
    static constexpr int kDefaultIndex = kDefaultFilterIndex;
    static const FilterRow kRows[kRowCount];

    // Index of the first row with this group and position, or -1 when there is none.
    static int IndexOf(int group, int position);
};
