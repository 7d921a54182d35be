#include "ui/dialog_data_exchange.h"

#include <cstddef>
#include <cstdio>

#include "base/number_text.h"

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::size_t SkipBlanks(const std::string& text, std::size_t i) {
    while (i < text.size() && IsBlank(text[i])) ++i;
    return i;
}

// Blanks, an optional sign, digits, blanks, and nothing else; false too beyond 32 bits.
bool ParseWholeInteger(const std::string& text, int& value) {
    std::size_t i = SkipBlanks(text, 0);
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    if (i >= text.size() || !IsDigit(text[i])) return false;
    long long magnitude = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        magnitude = magnitude * 10 + (text[i] - '0');
        if (magnitude > 2147483648LL) return false;
    }
    const long long signedValue = negative ? -magnitude : magnitude;
    if (signedValue > 2147483647LL) return false;
    if (SkipBlanks(text, i) != text.size()) return false;
    value = static_cast<int>(signedValue);
    return true;
}

bool ParseWholeNumber(const std::string& text, double& value) {
    std::size_t consumed = 0;
    return ReadDecimalPrefix(text, value, consumed) && SkipBlanks(text, consumed) == text.size();
}

bool Fail(DialogWindow& window, Host& host, int id, const std::string& message) {
    host.MessageBox(message, MessageButtons::Ok, MessageIcon::Exclamation);
    window.SetFocus(id);
    return false;
}

// kind names the value in the messages: "an integer", "a number".
template <class Value, class Parse, class Format>
bool ExchangeField(DialogWindow& window, Host& host, int id, Value minimum, Value maximum,
                   Value& value, const char* kind, Parse parse, Format format) {
    Value read{};
    if (!parse(window.GetText(id), read)) {
        return Fail(window, host, id, std::string("Please enter ") + kind + ".");
    }
    if (!(read >= minimum && read <= maximum)) {
        return Fail(window, host, id,
                    std::string("Please enter ") + kind + " between " + format(minimum) + " and " +
                        format(maximum) + ".");
    }
    value = read;
    return true;
}

std::string IntegerText(int value) {
    return std::to_string(value);
}

}  // namespace

std::string ExchangeNumberText(double value) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.15g", value);
    return buffer;
}

bool ExchangeInteger(DialogWindow& window, Host& host, int id, int minimum, int maximum,
                     int& value) {
    return ExchangeField(window, host, id, minimum, maximum, value, "an integer", ParseWholeInteger,
                         IntegerText);
}

bool ExchangeNumber(DialogWindow& window, Host& host, int id, double minimum, double maximum,
                    double& value) {
    return ExchangeField(window, host, id, minimum, maximum, value, "a number", ParseWholeNumber,
                         ExchangeNumberText);
}
