#pragma once

#include <array>

#include "base/control_ids.h"

// The five radio groups of the main window, buttons in template order; a button's place in its
// group is the index CMainDialog keeps.
inline constexpr std::array<int, 12> kStepButtons = {
    IDC_STEP_1HZ,  IDC_STEP_5HZ,  IDC_STEP_10HZ, IDC_STEP_50HZ,  IDC_STEP_100HZ, IDC_STEP_500HZ,
    IDC_STEP_1KHZ, IDC_STEP_5KHZ, IDC_STEP_9KHZ, IDC_STEP_10KHZ, IDC_STEP_50KHZ, IDC_STEP_100KHZ};
inline constexpr std::array<int, 4> kModeButtons = {IDC_MODE_AM, IDC_MODE_USB, IDC_MODE_LSB,
                                                    IDC_MODE_CW};
inline constexpr std::array<int, 3> kAgcButtons = {IDC_AGC_SLOW, IDC_AGC_MED, IDC_AGC_FAST};
inline constexpr std::array<int, 4> kFilterRangeButtons = {IDC_RANGE_0, IDC_RANGE_1, IDC_RANGE_2,
                                                           IDC_RANGE_3};
inline constexpr std::array<int, 9> kFilterPositionButtons = {
    IDC_FILTER_POS_0, IDC_FILTER_POS_1, IDC_FILTER_POS_2, IDC_FILTER_POS_3, IDC_FILTER_POS_4,
    IDC_FILTER_POS_5, IDC_FILTER_POS_6, IDC_FILTER_POS_7, IDC_FILTER_POS_8};

// The place of id in group, or -1 when it is not one of its buttons.
template <std::size_t N>
constexpr int RadioIndexOf(const std::array<int, N>& group, int id) {
    for (std::size_t i = 0; i < N; ++i) {
        if (group[i] == id) return static_cast<int>(i);
    }
    return -1;
}
