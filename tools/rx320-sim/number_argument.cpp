#include "number_argument.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>

bool ParseDecimalArgument(const std::string& text, double min, double max, double& value) {
    if (text.empty()) return false;
    char* end = nullptr;
    errno = 0;
    const double parsed = std::strtod(text.c_str(), &end);
    if (errno != 0 || *end != '\0' || !std::isfinite(parsed)) return false;
    if (parsed < min || parsed > max) return false;
    value = parsed;
    return true;
}

bool ParseIntegerArgument(const std::string& text, long long min, long long max, long long& value) {
    if (text.empty()) return false;
    char* end = nullptr;
    errno = 0;
    const long long parsed = std::strtoll(text.c_str(), &end, 10);
    if (errno != 0 || *end != '\0') return false;
    if (parsed < min || parsed > max) return false;
    value = parsed;
    return true;
}
