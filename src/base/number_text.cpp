#include "base/number_text.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <cstdlib>

namespace {

bool IsSpace(char c) {
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Far beyond any exponent that leaves an int or a double anything but zero or overflow.
constexpr long kExponentLimit = 100000;
// Digits that always fit in a long long.
constexpr std::size_t kSafeDigits = 18;

// The pieces of a decimal number at the start of a text.
struct DecimalSyntax {
    std::size_t start = 0;  // of the sign or first digit, after the white space
    std::size_t end = 0;    // one past the number
    bool negative = false;
    std::string digits;  // every digit of the mantissa, the point left out
    long fractionDigits = 0;
    long exponent = 0;  // held within kExponentLimit
};

// False when no number begins the text.
bool ScanDecimal(const std::string& text, DecimalSyntax& number) {
    std::size_t i = 0;
    while (i < text.size() && IsSpace(text[i])) ++i;
    number.start = i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) number.negative = text[i++] == '-';
    while (i < text.size() && IsDigit(text[i])) number.digits += text[i++];
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && IsDigit(text[i])) {
            number.digits += text[i++];
            ++number.fractionDigits;
        }
    }
    if (number.digits.empty()) return false;
    // The exponent belongs to the number only when at least one digit follows it.
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        bool negativeExponent = false;
        if (j < text.size() && (text[j] == '+' || text[j] == '-'))
            negativeExponent = text[j++] == '-';
        if (j < text.size() && IsDigit(text[j])) {
            long exponent = 0;
            for (; j < text.size() && IsDigit(text[j]); ++j) {
                if (exponent < kExponentLimit) exponent = exponent * 10 + (text[j] - '0');
            }
            number.exponent = negativeExponent ? -exponent : exponent;
            i = j;
        }
    }
    number.end = i;
    return true;
}

// The digits as a number within int, or false when they do not fit.
bool DigitsToInt(const std::string& digits, bool negative, int& value) {
    if (digits.size() > kSafeDigits) return false;
    long long magnitude = 0;
    for (const char digit : digits) magnitude = magnitude * 10 + (digit - '0');
    const long long signedValue = negative ? -magnitude : magnitude;
    if (signedValue > INT_MAX || signedValue < INT_MIN) return false;
    value = static_cast<int>(signedValue);
    return true;
}

}  // namespace

bool ReadDecimalPrefix(const std::string& text, double& value, std::size_t& consumed) {
    DecimalSyntax number;
    if (!ScanDecimal(text, number)) return false;
    // strtod on our own validated copy: no locale decimal comma, no hex, no inf/nan.
    const std::string copy = text.substr(number.start, number.end - number.start);
    value = std::strtod(copy.c_str(), nullptr);
    consumed = number.end;
    return true;
}

bool ReadScaledDecimalPrefix(const std::string& text, int powerOfTen, ScaledDecimal& value,
                             std::size_t& consumed) {
    DecimalSyntax number;
    if (!ScanDecimal(text, number)) return false;
    consumed = number.end;
    value = ScaledDecimal{};

    std::string digits =
        number.digits.substr(std::min(number.digits.find_first_not_of('0'), number.digits.size()));
    if (digits.empty()) return true;
    // The value is the integer of the digits times ten to this.
    const long shift = number.exponent - number.fractionDigits + powerOfTen;
    if (shift >= 0) {
        if (static_cast<long>(digits.size()) + shift > static_cast<long>(kSafeDigits)) {
            digits.assign(kSafeDigits + 1, '9');  // too big for an int in any case
        } else {
            digits.append(static_cast<std::size_t>(shift), '0');
        }
    } else {
        const std::size_t dropped = static_cast<std::size_t>(-shift);
        const std::size_t kept = digits.size() > dropped ? digits.size() - dropped : 0;
        value.truncated = digits.find_first_not_of('0', kept) != std::string::npos;
        digits.erase(kept);
    }
    if (!DigitsToInt(digits, number.negative, value.whole)) {
        value.whole = number.negative ? INT_MIN : INT_MAX;
        value.truncated = true;
    }
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
        if (magnitude <= static_cast<long long>(INT_MAX) + 1)
            magnitude = magnitude * 10 + (text[i] - '0');
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
