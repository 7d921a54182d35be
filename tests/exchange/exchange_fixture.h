#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "base/minimum_frequency.h"
#include "exchange/exchange_block.h"
#include "support/controller_test_access.h"
#include "support/fake_copy_data_bus.h"
#include "support/main_window_rig.h"

using Bytes = std::vector<std::uint8_t>;

// The program as the exchange meets it: the window logic on fakes, and an in-memory copy-data
// bus. The receiver starts on 7.1 MHz USB, fast AGC, filter 10, shift on at 250 Hz, MHz display.
class ExchangeTest : public ::testing::Test {
  protected:
    ExchangeTest() {
        dialog.SetCopyDataBus(&bus);
        ProfileSettings& settings = ControllerTestAccess::Settings(controller);
        settings.Frequency = 7100000;
        settings.Mode = 1;
        settings.AGC = 3;
        settings.Filter = 10;
        settings.PBShiftActive = 1;
        settings.PBShift = 250;
        settings.DisplayMHz = 1;
    }

    // Loads stations, oldest first, as from a station file (so the list is not modified) and
    // starts the window: the rows come sorted by frequency, as after every start.
    void Start(const std::vector<StationRecord>& oldestFirst = {}) {
        CStationList& stations = ControllerTestAccess::Stations(controller);
        std::string file = "240951\r\n1\r\n";
        for (const StationRecord& station : oldestFirst) {
            file += station.name + "|" + std::to_string(station.frequency) + "|" +
                    std::to_string(station.mode) + "|" + std::to_string(station.agc) + "|" +
                    std::to_string(station.filter) + "|" + std::to_string(station.passbandShift) +
                    "\r\n";
        }
        ASSERT_EQ(stations.Parse(file), 0);
        StationNode cursor = kNoStation;
        StationNode node = kNoStation;
        StationRecord record;
        while (stations.GetNext(cursor, node, record) == 0) {
            nodes.insert(nodes.begin(), node);
            if (cursor == kNoStation) break;
        }
        rig.Start();
        host.messages.clear();
    }

    // One message, then the event loop turns once (a notice it calls for opens then).
    int Receive(std::uint32_t value, const Bytes& block) {
        const int result = dialog.OnCopyData(value, block.data(), block.size());
        host.RunPosted();
        return result;
    }

    std::vector<std::string> MessageTexts() const {
        std::vector<std::string> texts;
        for (const FakeHost::Message& message : host.messages) texts.push_back(message.text);
        return texts;
    }

    // The commands written to the receiver by their first byte ('N' tuning, 'M' mode, ...).
    std::string CommandLetters() const {
        std::string letters;
        for (const auto& command : rig.Commands()) {
            if (!command.empty()) letters += static_cast<char>(command[0]);
        }
        return letters;
    }

    int RowOf(StationNode node) {
        for (int row = 0; row < window.RowCount(); ++row) {
            if (window.GetRowData(row) == node) return row;
        }
        return -1;
    }

    MainWindowRig rig;
    ScriptedSerialDevice& device = rig.device;
    VirtualTimerHost& clock = rig.clock;
    FakeHost& host = rig.host;
    FakeMainWindow& window = rig.window;
    CReceiverController& controller = rig.controller;
    CMainDialog& dialog = rig.dialog;
    FakeCopyDataBus bus;
    std::vector<StationNode> nodes;  // of the stations given to Start, oldest first
};
