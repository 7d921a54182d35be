#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "app/minimum_frequency.h"
#include "controller/receiver_controller.h"
#include "exchange/exchange_block.h"
#include "support/fake_copy_data_bus.h"
#include "support/fake_host.h"
#include "support/fake_main_window.h"
#include "support/scripted_serial_device.h"
#include "support/virtual_clock.h"
#include "ui/main_dialog.h"

using Bytes = std::vector<std::uint8_t>;

// The program as the exchange meets it: a started controller on a scripted receiver, the main
// dialog on an in-memory window, and an in-memory copy-data bus.
class ExchangeTest : public ::testing::Test {
  protected:
    ExchangeTest() {
        controller.SetMainView(&dialog);
        dialog.SetController(&controller);
        dialog.SetCopyDataBus(&bus);
    }

    void SetUp() override {
        MinimumFrequency = kDefaultMinimumFrequency;
        ProfileSettings& settings = controller.Settings();
        settings.Frequency = 7100000;
        settings.Mode = 1;
        settings.AGC = 3;
        settings.Filter = 10;
        settings.PBShiftActive = 1;
        settings.PBShift = 250;
        settings.DisplayMHz = 1;
    }
    void TearDown() override { MinimumFrequency = kDefaultMinimumFrequency; }

    // Loads stations into the list, oldest first, as from a station file (so the list is not
    // modified), and starts the window: the rows come sorted by frequency, as after every start.
    void Start(const std::vector<StationRecord>& oldestFirst = {}) {
        CStationList& stations = controller.Stations();
        std::string file = "240951\r\n1\r\n";
        for (const StationRecord& station : oldestFirst) {
            file += station.name + "|" + std::to_string(station.frequency) + "|" +
                    std::to_string(station.mode) + "|" + std::to_string(station.agc) + "|" +
                    std::to_string(station.filter) + "|" + std::to_string(station.passbandShift) +
                    "\r\n";
        }
        ASSERT_EQ(stations.Parse(file), 0);
        StationNode cursor = nullptr;
        StationNode node = nullptr;
        StationRecord record;
        while (stations.GetNext(cursor, node, record) == 0) {
            nodes.insert(nodes.begin(), node);
            if (cursor == nullptr) break;
        }
        dialog.OnInitDialog();
        clock.RunPending();
        device.ClearRecords();
        host.messages.clear();
    }

    int Receive(std::uint32_t value, const Bytes& block) {
        return dialog.OnCopyData(value, block.data(), block.size());
    }

    std::vector<std::string> MessageTexts() const {
        std::vector<std::string> texts;
        for (const FakeHost::Message& message : host.messages) texts.push_back(message.text);
        return texts;
    }

    // The commands written to the receiver, by their first byte ('N' tuning, 'M' mode, ...).
    std::string CommandLetters() const {
        std::string letters;
        for (const auto& write : device.writes) {
            if (!write.empty() && write[0] != 'X' && write[0] != '?') letters += char(write[0]);
        }
        return letters;
    }

    int RowOf(StationNode node) {
        for (int row = 0; row < window.RowCount(); ++row) {
            if (window.GetRowData(row) == node) return row;
        }
        return -1;
    }

    ScriptedSerialDevice device;
    VirtualTimerHost clock;
    FakeHost host;
    FakeMainWindow window;
    FakeCopyDataBus bus;
    CReceiverController controller{device, clock, clock, host};
    CMainDialog dialog{host, window};
    std::vector<StationNode> nodes;  // of the stations given to Start, oldest first
};
