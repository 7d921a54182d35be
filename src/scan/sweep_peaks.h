#pragma once

#include <vector>

#include "scan/sweep.h"

// The signals in a sweep: each point that stands at least riseDb above the lowest level between
// it and the next higher point on either side (its prominence), highest first. A flat top of
// equal points counts once, at its first point.
std::vector<SweepPoint> SweepPeaks(const std::vector<SweepPoint>& points, int riseDb);
