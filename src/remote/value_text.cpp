#include "remote/value_text.h"

#include <charconv>
#include <cmath>

bool ParseReal(std::string_view token, double& value) {
    const char* end = token.data() + token.size();
    // from_chars takes no leading '+', which a client may well send.
    const char* begin = !token.empty() && token.front() == '+' ? token.data() + 1 : token.data();
    const std::from_chars_result result = std::from_chars(begin, end, value);
    return result.ec == std::errc() && result.ptr == end && std::isfinite(value);
}

bool ParseInteger(std::string_view token, int& value) {
    const char* end = token.data() + token.size();
    const char* begin = !token.empty() && token.front() == '+' ? token.data() + 1 : token.data();
    const std::from_chars_result result = std::from_chars(begin, end, value);
    return result.ec == std::errc() && result.ptr == end;
}

std::string FormatFraction(double value) {
    char text[32];
    const std::to_chars_result result =
        std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 6);
    return std::string(text, result.ptr);
}
