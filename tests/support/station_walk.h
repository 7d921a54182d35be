#pragma once

#include <string>
#include <vector>

#include "stations/station_list.h"

// The stations of list as station-file lines (no line ends), front first, taken by the walk every
// user of the list makes: GetNext from a null cursor until the cursor comes back null.
std::vector<std::string> StationLines(const CStationList& list);
