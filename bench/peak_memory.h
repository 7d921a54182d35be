#pragma once

#include <benchmark/benchmark.h>

#include <string>

// The process's resident memory as Linux reports it, for benchmarks that show what a station
// costs. Bench-only: the program itself never looks.
class PeakMemory {
  public:
    // Hands freed heap back to the system and starts the peak afresh at the current size.
    PeakMemory();
    // Counters "bytes/station", the peak growth since construction per station, and
    // "beyond/station", the same less the station file's bytes per station (the text every
    // station brings, which any design keeps).
    void Report(benchmark::State& state, int count, long long fileBytes) const;

  private:
    long long startBytes_ = 0;
};
