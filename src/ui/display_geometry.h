#pragma once

#include <cstdint>

// The numbers the painted controls of the main window are drawn with, in device pixels of the
// control's client area (top left at 0, 0). The toolkit layer only draws what these say.

struct PixelRect {
    int left = 0, top = 0, right = 0, bottom = 0;
};

struct RgbColour {
    std::uint8_t red = 0, green = 0, blue = 0;
    friend bool operator==(const RgbColour&, const RgbColour&) = default;
};

// Signal meter: 90 dB fills the width. A bar is levelDb * width / 90, kept within 0..width.
int MeterBarLength(int levelDb, int width);

struct MeterBars {
    PixelRect current;  // upper bar, newest reading
    PixelRect average;  // lower bar, five-reading average
};
// The two bars share one pixel row (height/2 - 1) so they read as one block.
MeterBars MeterBarRects(int currentDb, int averageDb, int width, int height);

// Frequency readout: a bold font of 3/5 of the height, text top so that it sits centred.
int ReadoutFontHeight(int height);
int ReadoutTextTop(int height);

// Squelch lamp: -1 (squelch not in use) white, 0 (audio on) green, anything else red.
RgbColour SquelchLampColour(int state);
