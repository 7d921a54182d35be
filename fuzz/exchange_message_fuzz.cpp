// Copy-data messages from a hostile or broken partner, a whole run of them, into the real main
// dialog and controller on fakes: nothing crashes, the receiver stays within its tuning range,
// the list view shows exactly the stations in the list, and the list still saves and loads.

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "base/minimum_frequency.h"
#include "exchange/exchange_value.h"
#include "fuzz_check.h"
#include "support/controller_test_access.h"
#include "support/fake_copy_data_bus.h"
#include "support/main_window_rig.h"

namespace {

constexpr int kMostMessages = 16;

std::uint32_t MessageValue(FuzzedDataProvider& input) {
    // Mostly the messages the partner sends, sometimes any value.
    switch (input.ConsumeIntegralInRange(0, 2)) {
        case 0:
            return kTuneMessage + input.ConsumeIntegralInRange<std::uint32_t>(0, 4);
        case 1:
            return kStationMessage + input.ConsumeIntegralInRange<std::uint32_t>(0, 4);
        default:
            return input.ConsumeIntegral<std::uint32_t>();
    }
}

std::set<StationNode> StationNodes(const CStationList& list) {
    std::set<StationNode> nodes;
    StationNode cursor = kNoStation;
    StationNode node = kNoStation;
    StationRecord record;
    if (list.GetNext(cursor, node, record) != 0) return nodes;
    cursor = kNoStation;
    while (list.GetNext(cursor, node, record) == 0) {
        nodes.insert(node);
        if (cursor == kNoStation) break;
    }
    return nodes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    FakeCopyDataBus bus;
    bus.AddWindow("ZELKA station database");
    MainWindowRig program;
    program.dialog.SetCopyDataBus(&bus);
    const bool withStation = input.ConsumeBool();
    if (withStation) {
        StationNode node = kNoStation;
        ControllerTestAccess::Stations(program.controller)
            .Add(StationRecord("Known", 7100000, 1, 2, 10, 0), node);
    }
    program.dialog.OnInitDialog();
    program.clock.RunPending();

    for (int i = 0; i < kMostMessages && input.remaining_bytes() > 0; ++i) {
        const std::uint32_t value = MessageValue(input);
        const std::vector<std::uint8_t> block =
            input.ConsumeBytes<std::uint8_t>(input.ConsumeIntegralInRange<std::size_t>(0, 400));
        program.dialog.OnCopyData(value, block.data(), block.size());
        if (input.ConsumeIntegralInRange(0, 7) == 0) program.dialog.OnCommand(IDC_ZEL);
    }

    const CReceiverLink& link = ControllerTestAccess::Link(program.controller);
    FUZZ_CHECK(link.Frequency() >= MinimumFrequency && link.Frequency() <= kMaximumFrequency);
    FUZZ_CHECK(ControllerTestAccess::Settings(program.controller).Frequency == link.Frequency());

    const std::set<StationNode> nodes =
        StationNodes(ControllerTestAccess::Stations(program.controller));
    std::set<StationNode> shown;
    for (int row = 0; row < program.window.RowCount(); ++row) {
        shown.insert(program.window.GetRowData(row));
    }
    FUZZ_CHECK(static_cast<int>(shown.size()) == program.window.RowCount());
    FUZZ_CHECK(shown == nodes);

    // Whatever the partner sent, the list saves into a file that loads back whole.
    CStationList reread;
    FUZZ_CHECK(reread.Parse(ControllerTestAccess::Stations(program.controller).Serialize()) == 0);
    FUZZ_CHECK(StationNodes(reread).size() == nodes.size());
    return 0;
}
