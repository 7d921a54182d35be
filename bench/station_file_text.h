#pragma once

#include <string>

// A station file of count stations with distinct names and frequencies spread over the short
// waves in no particular order, so that sorting has real work to do. Always the same text.
std::string StationFileText(int count);
