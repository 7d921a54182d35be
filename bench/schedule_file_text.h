#pragma once

#include <string>

// An EiBi schedule file of count rows after the header, in CR LF and Windows-1252, its rows
// shaped like the real file's: frequencies from long to short waves with some decimals, windows
// that wrap past midnight, day names, digit lists, specials, Start/Stop dates and short rows.
// Always the same text.
std::string ScheduleFileText(int count);
