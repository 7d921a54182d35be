#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "base/radio_limits.h"

// hamlib's modes and passbands on this receiver's four modes and filter table.

// "AM", "USB", "LSB" or "CW" for mode 0..3.
const char* ModeName(int mode);
std::uint64_t ModeBit(int mode);
std::uint64_t AllModesMask();
// The names separated by blanks, in hamlib's bit order, as "M ?" lists them.
std::string ModeNames();
// The receiver's mode for a hamlib mode name, -1 when it has none. The data, reversed-CW and
// synchronous-AM variants are received in the mode they derive from.
int ModeFromName(std::string_view name);

int FilterWidthHz(int filterIndex);
// Rows 34 and 35 repeat row 33's filter so that the window's last group has nine buttons; a
// client sees each filter once.
bool IsDistinctFilter(int filterIndex);
// The filter for a passband a client asks for: the distinct row of the nearest width, the wider
// on a tie; the current row when its width is that one already.
int NearestFilterIndex(int widthHz, int currentIndex);
// The filter a mode gets when a client asks for the default passband.
int NormalFilterIndex(int mode);
