#pragma once

#include "base/control_ids.h"
#include "base/radio_limits.h"

// The four sliders of the main window: set up once at initialisation, and moved by the keyboard
// within the same range.
struct SliderSetup {
    int id;
    int minimum, maximum;
    int tickEvery;
    int lineSize, pageSize;
};

inline constexpr SliderSetup kMainWindowSliders[] = {
    {IDC_VOLUME_SLIDER, kLowestLevel, kHighestLevel, 8, 1, 4},
    {IDC_LINE_SLIDER, kLowestLevel, kHighestLevel, 8, 1, 4},
    {IDC_PBS_SLIDER, -kPassbandShiftLimitHz, kPassbandShiftLimitHz, 200, 1,
     20},                                   // Hz; ticks at a tenth of the range
    {IDC_SQUELCH_SLIDER, 0, 90, 10, 1, 4},  // dB on the signal meter's scale
};

// The set-up of slider id, or null when id is not one of the four.
inline const SliderSetup* FindMainWindowSlider(int id) {
    for (const SliderSetup& slider : kMainWindowSliders) {
        if (slider.id == id) return &slider;
    }
    return nullptr;
}
