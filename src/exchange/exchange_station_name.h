#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The name of a station stored from a block of the format: formats 1 and 2 give
// "first, second, third", format 3 "first (second), third, fourth"; after each piece the trailing
// white space of the name so far is removed, so three empty texts give ",,". Missing texts count
// as empty; an unknown format gives an empty name.
std::string BuildStationName(std::uint32_t format, const std::vector<std::string>& texts);
