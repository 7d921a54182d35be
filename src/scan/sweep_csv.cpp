#include "scan/sweep_csv.h"

#include "app/atomic_file.h"
#include "scan/csv_text.h"

std::string SweepCsvText(const std::vector<SweepPoint>& points) {
    std::string text = CsvLine({"Frequency Hz", "Level dB"});
    for (const SweepPoint& point : points)
        text += CsvLine({std::to_string(point.frequencyHz), std::to_string(point.levelDb)});
    return text;
}

int SaveSweepCsv(const std::string& path, const std::vector<SweepPoint>& points) {
    return ReplaceFileContents(path, SweepCsvText(points));
}
