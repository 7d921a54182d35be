#pragma once

#include <string>
#include <vector>

#include "scan/sweep.h"

// A sweep as CSV text: a header line, then one "frequency Hz,level dB" line per point.
std::string SweepCsvText(const std::vector<SweepPoint>& points);
// Writes it to path, replacing the file whole; ReplaceFileContents' result (0 written).
int SaveSweepCsv(const std::string& path, const std::vector<SweepPoint>& points);
