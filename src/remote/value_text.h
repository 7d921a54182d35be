#pragma once

#include <string>
#include <string_view>

// Numbers in a client's arguments and in our replies. C-locale syntax whatever the program's
// locale: a client always writes and reads "0.5", never "0,5".

// The whole token as a finite decimal number ("14074000", "7100000.5", "5e6").
bool ParseReal(std::string_view token, double& value);
// The whole token as an integer that fits 32 bits.
bool ParseInteger(std::string_view token, int& value);
// Six decimals, as hamlib prints a level between 0 and 1: "0.507937".
std::string FormatFraction(double value);
