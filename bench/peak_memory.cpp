#include "peak_memory.h"

#include <malloc.h>

#include <fstream>

namespace {

// A "Vm...:  1234 kB" line of /proc/self/status in bytes, 0 when missing.
long long StatusBytes(const std::string& key) {
    std::ifstream status("/proc/self/status");
    std::string word;
    while (status >> word) {
        if (word == key) {
            long long kilobytes = 0;
            status >> kilobytes;
            return kilobytes * 1024;
        }
    }
    return 0;
}

}  // namespace

PeakMemory::PeakMemory() {
    malloc_trim(0);
    // 5 resets the peak resident size to the current one (Linux 4.0 and later).
    std::ofstream("/proc/self/clear_refs") << "5";
    startBytes_ = StatusBytes("VmRSS:");
}

void PeakMemory::Report(benchmark::State& state, int count, long long fileBytes) const {
    const double perStation = static_cast<double>(StatusBytes("VmHWM:") - startBytes_) / count;
    state.counters["bytes/station"] = perStation;
    state.counters["beyond/station"] = perStation - static_cast<double>(fileBytes) / count;
}
