#include "scan/sweep_peaks.h"

#include <algorithm>
#include <cstddef>

namespace {

// The lowest level walking from index in direction step until a higher point or the end.
int LowestBeforeHigher(const std::vector<SweepPoint>& points, std::size_t index, int step) {
    int lowest = points[index].levelDb;
    for (std::ptrdiff_t i = static_cast<std::ptrdiff_t>(index) + step;
         i >= 0 && i < static_cast<std::ptrdiff_t>(points.size()); i += step) {
        const int level = points[static_cast<std::size_t>(i)].levelDb;
        if (level > points[index].levelDb) break;
        lowest = std::min(lowest, level);
    }
    return lowest;
}

}  // namespace

std::vector<SweepPoint> SweepPeaks(const std::vector<SweepPoint>& points, int riseDb) {
    std::vector<SweepPoint> peaks;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const int level = points[i].levelDb;
        // A flat top counts at its first point only.
        if (i > 0 && points[i - 1].levelDb >= level) continue;
        std::size_t end = i;
        while (end + 1 < points.size() && points[end + 1].levelDb == level) ++end;
        if (end + 1 < points.size() && points[end + 1].levelDb > level) continue;
        const int base =
            std::max(LowestBeforeHigher(points, i, -1), LowestBeforeHigher(points, end, 1));
        if (level - base >= riseDb) peaks.push_back(points[i]);
    }
    std::stable_sort(peaks.begin(), peaks.end(), [](const SweepPoint& a, const SweepPoint& b) {
        return a.levelDb > b.levelDb;
    });
    return peaks;
}
