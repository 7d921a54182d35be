#include "base/frequency_text.h"

#include <cstdio>

namespace {

std::string Format(const char* format, double value) {
    // Any int in Hz needs at most 17 characters in either unit, blanks included.
    char buffer[40];
    const int length = std::snprintf(buffer, sizeof buffer, format, value);
    return length < 0 ? std::string() : std::string(buffer);
}

}  // namespace

std::string FrequencyText(int frequencyHz, int displayMHz) {
    return displayMHz == 1 ? Format("%9.6f", frequencyHz * 0.000001)
                           : Format("%9.3f", frequencyHz * 0.001);
}

std::string FrequencyDisplayText(int frequencyHz, int displayMHz) {
    std::string text(1, ' ');
    text += FrequencyText(frequencyHz, displayMHz);
    text += ' ';
    return text;
}
