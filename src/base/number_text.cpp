#include "base/number_text.h"

#include <cctype>
#include <climits>
#include <cstdlib>

namespace {

bool IsSpace(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

bool ReadDecimalPrefix(const std::string& text, double& value, std::size_t& consumed) {
    std::size_t i = 0;
    while (i < text.size() && IsSpace(text[i])) ++i;
    const std::size_t numberStart = i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
    }
    if (digits == 0) return false;
    // The exponent belongs to the number only when at least one digit follows it.
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
        if (j < text.size() && IsDigit(text[j])) {
            while (j < text.size() && IsDigit(text[j])) ++j;
            i = j;
        }
    }
    // strtod on our own validated copy: no locale decimal comma, no hex, no inf/nan.
    const std::string number = text.substr(numberStart, i - numberStart);
    value = std::strtod(number.c_str(), nullptr);
    consumed = i;
    return true;
}

bool ReadIntegerPrefix(const std::string& text, int& value) {
    std::size_t i = 0;
    while (i < text.size() && IsSpace(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    if (i >= text.size() || !IsDigit(text[i])) return false;
    long long magnitude = 0;
    while (i < text.size() && IsDigit(text[i])) {
        if (magnitude <= static_cast<long long>(INT_MAX) + 1) magnitude = magnitude * 10 + (text[i] - '0');
        ++i;
    }
    long long signedValue = negative ? -magnitude : magnitude;
    if (signedValue > INT_MAX) signedValue = INT_MAX;
    if (signedValue < INT_MIN) signedValue = INT_MIN;
    value = static_cast<int>(signedValue);
    return true;
}

std::string TrimTrailingBlanks(const std::string& text) {
    std::size_t end = text.size();
    while (end > 0 && text[end - 1] == ' ') --end;
    return text.substr(0, end);
}
