// The station list in the real Qt main window (offscreen): the program's refresh after a load
// (every row deleted, one inserted per station, sorted by frequency) and clicks on the column
// headers, each followed by the event processing that lays out and paints the visible window.
// 1,000 to 1,000,000 stations; "cpu/station" shows how the cost grows. QtProgramMemory loads a
// file into the shown window once and reports what a station costs at the peak.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdlib>
#include <filesystem>
#include <memory>

#include "base/minimum_frequency.h"
#include "controller/receiver_controller.h"
#include "null_serial_device.h"
#include "peak_memory.h"
#include "platform/qt/main_window.h"
#include "station_counters.h"
#include "station_file_text.h"
#include "support/controller_test_access.h"
#include "support/fake_host.h"
#include "support/temp_dir.h"
#include "support/virtual_clock.h"
#include "ui/main_dialog.h"

namespace {

// The program's window on a silent receiver, shown, with count stations in its list.
struct QtProgram {
    explicit QtProgram(int count) {
        MinimumFrequency = kDefaultMinimumFrequency;
        window.SetDialog(&dialog);
        dialog.SetController(&controller);
        controller.SetMainView(&dialog);
        window.show();
        dialog.OnInitDialog();
        if (count > 0) ControllerTestAccess::Stations(controller).Parse(StationFileText(count));
        QApplication::processEvents();
    }
    ~QtProgram() {
        controller.SetMainView(nullptr);
        window.SetDialog(nullptr);
    }

    NullSerialDevice device;
    VirtualTimerHost clock;
    FakeHost host;
    CReceiverController controller{device, clock, clock, host};
    MainWindow window;
    CMainDialog dialog{host, window};
};

void QtListFillAndSort(benchmark::State& state) {
    QtProgram program(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        program.controller.RefreshStationList();
        QApplication::processEvents();
    }
    if (program.window.RowCount() != state.range(0)) state.SkipWithError("rows missing");
    CountStations(state);
}

// A click on the "Station" header, then on the "Frequency" header, each shown.
void QtListSortByNameAndBack(benchmark::State& state) {
    QtProgram program(static_cast<int>(state.range(0)));
    program.controller.RefreshStationList();
    QApplication::processEvents();
    for (auto _ : state) {
        program.dialog.OnHeaderClick(1);
        QApplication::processEvents();
        program.dialog.OnHeaderClick(0);
        QApplication::processEvents();
    }
    CountStations(state);
}

// The program after File/Open: the file read, the list filled and sorted, the window shown.
void QtProgramMemory(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    TempDir dir;
    const std::string path = dir.File("stations.tts");
    WriteStationFile(path, count);
    const auto fileBytes = static_cast<long long>(std::filesystem::file_size(path));
    for (auto _ : state) {
        state.PauseTiming();
        auto program = std::make_unique<QtProgram>(0);
        const PeakMemory memory;
        state.ResumeTiming();
        if (ControllerTestAccess::Stations(program->controller).Load(path) != 0) {
            state.SkipWithError("load failed");
        }
        program->controller.RefreshStationList();
        QApplication::processEvents();
        state.PauseTiming();
        memory.Report(state, count, fileBytes);
        program.reset();
        state.ResumeTiming();
    }
}

// A filled list is repainted whenever the window is: the cost of one full repaint.
void QtWindowRepaint(benchmark::State& state) {
    QtProgram program(static_cast<int>(state.range(0)));
    program.controller.RefreshStationList();
    QApplication::processEvents();
    for (auto _ : state) {
        program.window.repaint();
    }
}

BENCHMARK(QtListFillAndSort)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();
BENCHMARK(QtListSortByNameAndBack)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();
BENCHMARK(QtProgramMemory)
    ->Arg(1000)
    ->Arg(100000)
    ->Arg(1000000)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(QtWindowRepaint)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    // Offscreen unless the caller chose a platform: no display is needed.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
