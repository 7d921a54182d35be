#pragma once

#include <string>

#include "stations/station_record.h"

// One station line of the station file, without its line end:
// name|frequency|mode|agc|filter|passbandShift.

// Reads a line into station's values. Each field starts after the "|" characters in front of it,
// so an empty field vanishes and the later fields move up; the last field runs to the end of the
// line. Numbers are read like "%d" (blanks and sign allowed, text after them ignored) and brought
// into their ranges without complaint. False when a field is missing or a number is not one.
bool ParseStationLine(const std::string& line, StationRecord& station);

// The line for station, numbers in plain decimal, the name unchanged.
std::string FormatStationLine(const StationRecord& station);

// Brings every value of station into its range: frequency MinimumFrequency..30 MHz, mode 0..3,
// AGC 1..3, filter 0..35, passband shift -1000..1000 Hz.
void BringIntoRange(StationRecord& station);

// A station file ends a record at a line break, so a name cannot carry one: each CR and LF in
// name becomes a blank.
void BlankLineBreaks(std::string& name);
