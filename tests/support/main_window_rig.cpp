#include "support/main_window_rig.h"

#include <gtest/gtest.h>

#include "base/minimum_frequency.h"
#include "support/controller_test_access.h"

namespace {

const ScriptedSerialDevice::Bytes kVersionQuery{'?', 0x0D};
const ScriptedSerialDevice::Bytes kSignalQuery{'X', 0x0D};

}  // namespace

MainWindowRig::MainWindowRig() {
    MinimumFrequency = kDefaultMinimumFrequency;
    controller.SetMainView(&dialog);
    dialog.SetController(&controller);
    device.AnswerTo(kVersionQuery, {'V', 'E', 'R', ' ', '1', '0', '3', 0x0D});
    device.AnswerTo(kSignalQuery, {'X', 0x00, 0x40, 0x0D});
}

MainWindowRig::~MainWindowRig() {
    controller.SetMainView(nullptr);
    MinimumFrequency = kDefaultMinimumFrequency;
}

void MainWindowRig::Start() {
    dialog.OnInitDialog();
    clock.RunPending();
    EXPECT_EQ(controller.HardwareActive(), 1);
    device.ClearRecords();
}

StationNode MainWindowRig::AddStation(const StationRecord& station) {
    StationNode node = kNoStation;
    EXPECT_EQ(ControllerTestAccess::Stations(controller).Add(station, node), 0);
    return node;
}

StationRecord MainWindowRig::StationAt(int row) {
    StationRecord station;
    EXPECT_EQ(ControllerTestAccess::Stations(controller).Get(window.GetRowData(row), station), 0);
    return station;
}

std::vector<ScriptedSerialDevice::Bytes> MainWindowRig::Commands() const {
    std::vector<ScriptedSerialDevice::Bytes> commands;
    for (const auto& write : device.writes) {
        if (write != kVersionQuery && write != kSignalQuery) commands.push_back(write);
    }
    return commands;
}
