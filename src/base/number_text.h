#pragma once

#include <cstddef>
#include <string>

// Reads the longest beginning of text that forms a decimal number, as a "%lf" scan would:
// leading white space, an optional sign, digits with an optional decimal point, an optional
// exponent (e or E, optional sign, digits). Only C-locale syntax: a comma is never a decimal
// point. Returns false when no number begins the text; consumed is the length read, white space
// included.
bool ReadDecimalPrefix(const std::string& text, double& value, std::size_t& consumed);

// Reads a whole integer the way "%d" begins: leading white space, optional sign, digits up to the
// first non-digit. False when no digit follows. Values beyond 32 bits saturate.
bool ReadIntegerPrefix(const std::string& text, int& value);

// text with the blanks at its end removed.
std::string TrimTrailingBlanks(const std::string& text);
