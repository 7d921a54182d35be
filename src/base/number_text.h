#pragma once

#include <cstddef>
#include <string>

// Reads the longest beginning of text that forms a decimal number, as a "%lf" scan would:
// leading white space, an optional sign, digits with an optional decimal point, an optional
// exponent (e or E, optional sign, digits). Only C-locale syntax: a comma is never a decimal
// point. Returns false when no number begins the text; consumed is the length read, white space
// included.
bool ReadDecimalPrefix(const std::string& text, double& value, std::size_t& consumed);

// A decimal number times a power of ten, worked out on its digits, so that no binary rounding
// creeps in: whole is the product truncated toward zero and held within int (a product beyond it
// gives INT_MAX or INT_MIN); truncated tells that whole differs from the exact product.
struct ScaledDecimal {
    int whole = 0;
    bool truncated = false;
};

// Reads the same beginning of text as ReadDecimalPrefix and scales the number read by
// 10^powerOfTen. False when no number begins the text.
bool ReadScaledDecimalPrefix(const std::string& text, int powerOfTen, ScaledDecimal& value,
                             std::size_t& consumed);

// Reads a whole integer the way "%d" begins: leading white space, optional sign, digits up to the
// first non-digit. False when no digit follows. Values beyond 32 bits saturate.
bool ReadIntegerPrefix(const std::string& text, int& value);

// text with the blanks at its end removed.
std::string TrimTrailingBlanks(const std::string& text);
