#pragma once

class StationRecord;

// A station's identity outside the list, also the data value of its list-view row.
using StationNode = StationRecord*;
