#pragma once

#include <benchmark/benchmark.h>

// For benchmarks whose argument is a number of stations: the n of the complexity fit, and
// "cpu/station", CPU time per station (shown in ns, us, ...), which stays flat while the cost
// grows linearly.
inline void CountStations(benchmark::State& state) {
    state.SetComplexityN(state.range(0));
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.counters["cpu/station"] =
        benchmark::Counter(static_cast<double>(state.iterations() * state.range(0)),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
