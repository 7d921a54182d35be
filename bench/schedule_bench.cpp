// A broadcast schedule of 10,000 rows (a season of EiBi) and 100,000: loading it from memory
// and from a file, and asking what is on air now and what is on air near a frequency (a sweep
// over the short waves in 5 kHz steps, +/- 5 kHz). The complexity line under each load fits the
// cost to n; "cpu/station" is the cost per row.

#include <benchmark/benchmark.h>

#include <string>

#include "schedule/schedule.h"
#include "schedule_file_text.h"
#include "station_counters.h"
#include "support/temp_dir.h"

namespace {

void ScheduleLoadText(benchmark::State& state) {
    const std::string text = ScheduleFileText(static_cast<int>(state.range(0)));
    Schedule schedule;
    for (auto _ : state) {
        if (schedule.LoadText(text) != ScheduleLoadStatus::Loaded) state.SkipWithError("load");
    }
    if (schedule.Entries().size() != static_cast<std::size_t>(state.range(0))) {
        state.SkipWithError("rows missing");
    }
    CountStations(state);
}

void ScheduleLoadFile(benchmark::State& state) {
    TempDir dir;
    const std::string path = dir.File("sked.csv");
    WriteWholeFile(path, ScheduleFileText(static_cast<int>(state.range(0))));
    Schedule schedule;
    for (auto _ : state) {
        if (schedule.Load(path) != ScheduleLoadStatus::Loaded) state.SkipWithError("load");
    }
    CountStations(state);
}

UtcTime Evening() {
    UtcTime time;
    time.year = 2025;
    time.month = 12;
    time.day = 24;
    time.hour = 19;
    time.minute = 45;
    return time;
}

void ScheduleOnAirNow(benchmark::State& state) {
    Schedule schedule;
    schedule.LoadText(ScheduleFileText(static_cast<int>(state.range(0))));
    std::size_t found = 0;
    for (auto _ : state) found = schedule.OnAirAt(Evening()).size();
    state.counters["on air"] = static_cast<double>(found);
    CountStations(state);
}

void ScheduleOnAirNearFrequency(benchmark::State& state) {
    Schedule schedule;
    schedule.LoadText(ScheduleFileText(static_cast<int>(state.range(0))));
    int frequencyHz = 150000;
    for (auto _ : state) {
        benchmark::DoNotOptimize(schedule.OnAirNear(frequencyHz, 5000, Evening()));
        frequencyHz = frequencyHz >= 26000000 ? 150000 : frequencyHz + 5000;
    }
}

#define SCHEDULE_ROWS(name) \
    BENCHMARK(name)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity()

SCHEDULE_ROWS(ScheduleLoadText);
SCHEDULE_ROWS(ScheduleLoadFile);
BENCHMARK(ScheduleOnAirNow)->Arg(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(ScheduleOnAirNearFrequency)->Arg(10000)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
