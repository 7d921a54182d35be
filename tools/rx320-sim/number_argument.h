#pragma once

#include <string>

// Numbers given on the command line or the control channel. The whole text must be the number
// and lie within min..max; false otherwise, with value untouched.
bool ParseDecimalArgument(const std::string& text, double min, double max, double& value);
bool ParseIntegerArgument(const std::string& text, long long min, long long max, long long& value);
