#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "base/minimum_frequency.h"
#include "controller/receiver_controller.h"
#include "link/tuning_command.h"
#include "support/controller_test_access.h"
#include "support/fake_host.h"
#include "support/recording_main_view.h"
#include "support/scripted_serial_device.h"
#include "support/virtual_clock.h"

using Bytes = ScriptedSerialDevice::Bytes;

inline const Bytes kVersionQuery{'?', 0x0D};
inline const Bytes kSignalQuery{'X', 0x0D};
// What the receiver answers to "?" CR: 8 bytes, of which the program reads 7.
inline const Bytes kVersionReply{'V', 'E', 'R', ' ', '1', '0', '3', 0x0D};

// The receiver's audio commands carry attenuation: 63 - level.
inline Bytes VolumeCommand(int level) {
    return {'V', 0x00, static_cast<std::uint8_t>(63 - level), 0x0D};
}
inline Bytes LineCommand(int level) {
    return {'A', 0x00, static_cast<std::uint8_t>(63 - level), 0x0D};
}

// The smallest raw reading the receiver can send for levelDb; -1 when no raw value gives it
// (the dB scale is coarse at the bottom: 10 dB, for one, falls between raw 3 and raw 4).
inline int RawForDb(int levelDb) {
    for (int raw = 1; raw <= 0xFFFF; ++raw) {
        if (SignalLevelDb(static_cast<std::uint8_t>(raw >> 8), static_cast<std::uint8_t>(raw)) ==
            levelDb)
            return raw;
    }
    return -1;
}

// A started controller on a scripted receiver, a virtual clock and a recording main window.
// The receiver answers both queries until told otherwise.
class ControllerTest : public testing::Test {
  protected:
    ControllerTest() { controller.SetMainView(&view); }

    void SetUp() override {
        MinimumFrequency = kDefaultMinimumFrequency;
        AnswerVersion();
        SetSignalDb(40);
    }
    void TearDown() override { MinimumFrequency = kDefaultMinimumFrequency; }

    void AnswerVersion() { device.AnswerTo(kVersionQuery, kVersionReply); }
    void SetSignalDb(int levelDb) {
        const int raw = RawForDb(levelDb);
        ASSERT_GE(raw, 0) << "the receiver cannot report " << levelDb << " dB";
        device.AnswerTo(kSignalQuery, {'X', static_cast<std::uint8_t>(raw >> 8),
                                       static_cast<std::uint8_t>(raw), 0x0D});
    }
    // The receiver stops answering, as when it is switched off or its cable is pulled.
    void GoSilent() {
        device.AnswerTo(kVersionQuery, {});
        device.AnswerTo(kSignalQuery, {});
    }

    // Start and the first alive check; afterwards the records hold only what the test does.
    void StartActive() {
        controller.Start();
        clock.RunPending();
        ASSERT_EQ(controller.HardwareActive(), 1);
        device.ClearRecords();
        view.Clear();
    }

    // The writes that were commands, not queries, in order.
    std::vector<Bytes> Commands() const {
        std::vector<Bytes> commands;
        for (const Bytes& write : device.writes) {
            if (write != kVersionQuery && write != kSignalQuery) commands.push_back(write);
        }
        return commands;
    }
    int QueriesOf(const Bytes& query) const {
        int count = 0;
        for (const Bytes& write : device.writes) count += write == query ? 1 : 0;
        return count;
    }

    ScriptedSerialDevice device;
    VirtualTimerHost clock;
    FakeHost host;
    RecordingMainView view;
    CReceiverController controller{device, clock, clock, host};
};

// An active controller ticked one signal poll at a time, for the meter and the squelch.
class ControllerSignalTest : public ControllerTest {
  protected:
    // One signal tick with the receiver reporting levelDb; returns the commands it sent.
    std::vector<Bytes> Tick(int levelDb) {
        SetSignalDb(levelDb);
        device.ClearRecords();
        clock.Advance(kSignalPeriodMs);
        return Commands();
    }
    void StartWithSquelch(int levelDb) {
        ControllerTestAccess::Settings(controller).UseSquelchLevel = 1;
        ControllerTestAccess::Settings(controller).SquelchLevel = levelDb;
        ControllerTestAccess::Settings(controller).VolumeLevel = 40;
        ControllerTestAccess::Settings(controller).LineLevel = 20;
        StartActive();
    }
    int LastLamp() const { return view.lampStates.empty() ? -1 : view.lampStates.back(); }
};
