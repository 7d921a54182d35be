// What the receiver sends back, arbitrary: the pure reply decoders, the link's queries over a
// scripted line that delivers stale bytes, short replies and junk, and the controller's polling
// on top. Nothing crashes, every result is one the interface names, and a failed query reports 0.

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <vector>

#include "base/minimum_frequency.h"
#include "controller/receiver_controller.h"
#include "fuzz_check.h"
#include "link/receiver_link.h"
#include "link/tuning_command.h"
#include "support/controller_test_access.h"
#include "support/fake_host.h"
#include "support/recording_main_view.h"
#include "support/scripted_serial_device.h"
#include "support/virtual_clock.h"

namespace {

using Bytes = ScriptedSerialDevice::Bytes;

constexpr int kMostSteps = 24;

void CheckDecoders(FuzzedDataProvider& input) {
    std::uint8_t reply[7] = {};
    for (std::uint8_t& byte : reply) byte = input.ConsumeIntegral<std::uint8_t>();
    // The C library's own "%d" over bytes 3 to 6 is the reference for the version.
    char text[5] = {};
    std::memcpy(text, reply + 3, 4);
    int expected = 0;
    const bool scanned = std::sscanf(text, "%d", &expected) == 1;
    int version = 0;
    FUZZ_CHECK(ParseVersionReply(reply, version) == scanned);
    if (scanned) FUZZ_CHECK(version == expected);
    const int levelDb = SignalLevelDb(reply[1], reply[2]);
    FUZZ_CHECK(levelDb >= 0 && levelDb <= 96);
}

// Puts some bytes on the scripted line, in one of the ways a real line delivers them.
void Deliver(FuzzedDataProvider& input, ScriptedSerialDevice& device) {
    const Bytes bytes = input.ConsumeBytes<std::uint8_t>(input.ConsumeIntegralInRange(0, 12));
    switch (input.ConsumeIntegralInRange(0, 3)) {
        case 0:
            device.QueueReply(bytes);
            break;
        case 1:
            device.QueueStaleInput(bytes);
            break;
        case 2:
            device.AnswerTo({'X', 0x0D}, bytes);
            break;
        default:
            device.AnswerTo({'?', 0x0D}, bytes);
            break;
    }
}

void QueryTheLink(FuzzedDataProvider& input) {
    ScriptedSerialDevice device;
    ComPortMap ports;
    CReceiverLink link(device, ports);
    if (input.ConsumeBool()) FUZZ_CHECK(link.Connect(1) == 0);
    for (int step = 0; step < kMostSteps && input.remaining_bytes() > 0; ++step) {
        Deliver(input, device);
        device.readBudget = input.ConsumeBool() ? -1 : input.ConsumeIntegralInRange(0, 8);
        device.failPurge = input.ConsumeIntegralInRange(0, 15) == 0;
        const int expectedIfClosed = link.IsOpen() ? -1 : 1;
        int value = -1;
        int result = 0;
        switch (input.ConsumeIntegralInRange(0, 2)) {
            case 0:
                result = link.QuerySignalStrength(value);
                FUZZ_CHECK(value >= 0 && value <= 96);
                break;
            case 1:
                result = link.QueryVersion(value);
                break;
            default:
                result = link.NotResponding();
                FUZZ_CHECK(result == 0 || result == 1);
                continue;
        }
        FUZZ_CHECK(result >= 0 && result <= 2);
        if (expectedIfClosed != -1) FUZZ_CHECK(result == expectedIfClosed);
        if (result != 0) FUZZ_CHECK(value == 0);
    }
}

void PollWithTheController(FuzzedDataProvider& input) {
    MinimumFrequency = kDefaultMinimumFrequency;
    ScriptedSerialDevice device;
    VirtualTimerHost clock;
    FakeHost host;
    RecordingMainView view;
    CReceiverController controller(device, clock, clock, host);
    controller.SetMainView(&view);
    ControllerTestAccess::Settings(controller).UseSquelchLevel = input.ConsumeBool() ? 1 : 0;
    ControllerTestAccess::Settings(controller).SquelchLevel = input.ConsumeIntegralInRange(0, 90);
    controller.Start();
    for (int step = 0; step < kMostSteps && input.remaining_bytes() > 0; ++step) {
        Deliver(input, device);
        clock.Advance(kSignalPeriodMs * input.ConsumeIntegralInRange(0, 15));
        const int active = controller.HardwareActive();
        FUZZ_CHECK(active >= -1 && active <= 1);
        if (!view.titles.empty()) {
            FUZZ_CHECK(view.Title() == (active == 1 ? kTitleActive : kTitleNotActive));
        }
        for (const RecordingMainView::Meter& meter : view.meter) {
            FUZZ_CHECK(meter.currentDb >= 0 && meter.currentDb <= 96);
            FUZZ_CHECK(meter.averageDb >= 0 && meter.averageDb <= 96);
        }
        view.meter.clear();
    }
    controller.Stop(0);
    controller.SetMainView(nullptr);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    CheckDecoders(input);
    if (input.ConsumeBool()) {
        QueryTheLink(input);
    } else {
        PollWithTheController(input);
    }
    return 0;
}
