#pragma once

#include <string>

// A station file of count stations with distinct names and frequencies spread over the short
// waves in no particular order, so that sorting has real work to do. Always the same text.
std::string StationFileText(int count);

// The same text written to path a line at a time, so that a million stations need no text in
// memory before the program reads them. False when the file cannot be written.
bool WriteStationFile(const std::string& path, int count);
