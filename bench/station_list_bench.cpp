// Station files of 1,000 to 1,000,000 stations: reading and writing them, and filling and
// sorting the list view the way the program does after every load (the controller's refresh
// through the main dialog into a list view, then the sort by frequency). The complexity line
// under each family fits the cost to n; "cpu/station" shows directly whether it grows.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>

#include "base/minimum_frequency.h"
#include "controller/receiver_controller.h"
#include "deque_list_window.h"
#include "null_serial_device.h"
#include "peak_memory.h"
#include "station_counters.h"
#include "station_file_text.h"
#include "stations/station_list.h"
#include "support/controller_test_access.h"
#include "support/fake_host.h"
#include "support/temp_dir.h"
#include "support/virtual_clock.h"
#include "ui/main_dialog.h"

namespace {

void StationFileLoad(benchmark::State& state) {
    MinimumFrequency = kDefaultMinimumFrequency;
    TempDir dir;
    const std::string path = dir.File("stations.tts");
    WriteStationFile(path, static_cast<int>(state.range(0)));
    CStationList list;
    for (auto _ : state) {
        if (list.Load(path) != 0) state.SkipWithError("load failed");
    }
    CountStations(state);
}

// What the loaded list holds at its peak, per station: one load from a fresh list.
void StationFileLoadMemory(benchmark::State& state) {
    MinimumFrequency = kDefaultMinimumFrequency;
    const int count = static_cast<int>(state.range(0));
    TempDir dir;
    const std::string path = dir.File("stations.tts");
    WriteStationFile(path, count);
    const auto fileBytes = static_cast<long long>(std::filesystem::file_size(path));
    for (auto _ : state) {
        state.PauseTiming();
        auto list = std::make_unique<CStationList>();
        const PeakMemory memory;
        state.ResumeTiming();
        if (list->Load(path) != 0) state.SkipWithError("load failed");
        state.PauseTiming();
        memory.Report(state, count, fileBytes);
        list.reset();
        state.ResumeTiming();
    }
}

void StationFileParse(benchmark::State& state) {
    MinimumFrequency = kDefaultMinimumFrequency;
    const std::string text = StationFileText(static_cast<int>(state.range(0)));
    CStationList list;
    for (auto _ : state) {
        if (list.Parse(text) != 0) state.SkipWithError("parse failed");
    }
    CountStations(state);
}

// Includes the flush to the disk that makes a save safe against a crash.
void StationFileSave(benchmark::State& state) {
    MinimumFrequency = kDefaultMinimumFrequency;
    TempDir dir;
    const std::string path = dir.File("stations.tts");
    CStationList list;
    list.Parse(StationFileText(static_cast<int>(state.range(0))));
    for (auto _ : state) {
        if (list.Save(path) != 0) state.SkipWithError("save failed");
    }
    CountStations(state);
}

void StationFileSerialize(benchmark::State& state) {
    MinimumFrequency = kDefaultMinimumFrequency;
    CStationList list;
    list.Parse(StationFileText(static_cast<int>(state.range(0))));
    for (auto _ : state) {
        benchmark::DoNotOptimize(list.Serialize());
    }
    CountStations(state);
}

// The program's window logic on a silent receiver, its list view in memory, with count stations
// in the list.
struct CoreProgram {
    explicit CoreProgram(int count) {
        MinimumFrequency = kDefaultMinimumFrequency;
        controller.SetMainView(&dialog);
        dialog.SetController(&controller);
        dialog.OnInitDialog();
        ControllerTestAccess::Stations(controller).Parse(StationFileText(count));
    }
    ~CoreProgram() { controller.SetMainView(nullptr); }

    NullSerialDevice device;
    VirtualTimerHost clock;
    FakeHost host;
    DequeListWindow window;
    CReceiverController controller{device, clock, clock, host};
    CMainDialog dialog{host, window};
};

// The program's refresh: every row deleted, one inserted per station, then sorted by frequency.
void ListViewFillAndSort(benchmark::State& state) {
    CoreProgram program(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        program.controller.RefreshStationList();
    }
    if (program.window.RowCount() != state.range(0)) state.SkipWithError("rows missing");
    CountStations(state);
}

// A click on the "Station" header, then on the "Frequency" header: sorted by name and back, so
// that every sort starts from the other order.
void ListViewSortByNameAndBack(benchmark::State& state) {
    CoreProgram program(static_cast<int>(state.range(0)));
    program.controller.RefreshStationList();
    for (auto _ : state) {
        program.dialog.OnHeaderClick(1);
        program.dialog.OnHeaderClick(0);
    }
    CountStations(state);
}

#define STATION_COUNTS(name)            \
    BENCHMARK(name)                     \
        ->Arg(1000)                     \
        ->Arg(10000)                    \
        ->Arg(100000)                   \
        ->Arg(1000000)                  \
        ->Unit(benchmark::kMillisecond) \
        ->Complexity()

STATION_COUNTS(StationFileLoad);
STATION_COUNTS(StationFileParse);
STATION_COUNTS(StationFileSave);
BENCHMARK(StationFileLoadMemory)
    ->Arg(1000)
    ->Arg(100000)
    ->Arg(1000000)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
STATION_COUNTS(StationFileSerialize);
STATION_COUNTS(ListViewFillAndSort);
STATION_COUNTS(ListViewSortByNameAndBack);

}  // namespace

BENCHMARK_MAIN();
