#include "ui/display_geometry.h"

#include <algorithm>

namespace {

constexpr int kMeterFullScaleDb = 90;

}  // namespace

int MeterBarLength(int levelDb, int width) {
    if (width <= 0) return 0;
    // 64-bit product: a stray level must not overflow before it is clamped.
    const long long length = static_cast<long long>(levelDb) * width / kMeterFullScaleDb;
    return static_cast<int>(std::clamp<long long>(length, 0, width));
}

MeterBars MeterBarRects(int currentDb, int averageDb, int width, int height) {
    MeterBars bars;
    bars.current = {0, 0, MeterBarLength(currentDb, width), height / 2};
    bars.average = {0, height / 2 - 1, MeterBarLength(averageDb, width), height};
    return bars;
}

int ReadoutFontHeight(int height) {
    return 3 * height / 5;
}

int ReadoutTextTop(int height) {
    return (height - ReadoutFontHeight(height)) / 2;
}

RgbColour SquelchLampColour(int state) {
    if (state == -1) return {255, 255, 255};
    if (state == 0) return {0, 255, 0};
    return {255, 0, 0};
}
