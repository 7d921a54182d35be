// hamlib's rigctl against the program's network control, the controller driving the receiver
// simulator: what the client sets reaches the receiver byte for byte and shows in the window.

#include <gtest/gtest.h>
#include <unistd.h>

#include "base/control_ids.h"
#include "controller/receiver_controller.h"
#include "platform/posix/posix_serial_device.h"
#include "remote/controller_remote_radio.h"
#include "support/controller_test_access.h"
#include "support/fake_host.h"
#include "support/recording_main_view.h"
#include "support/rigctl_client_run.h"
#include "support/sim_process.h"
#include "support/virtual_clock.h"

namespace {

constexpr int kLogWaitMs = 10000;

TEST(RemoteControlTest, RigctlTunesTheSimulatedReceiverAndTheWindowFollows) {
    if (::access(kRigctl, X_OK) != 0) GTEST_SKIP() << "rigctl (libhamlib-utils) not installed";
    SimProcess sim{BuiltSimulatorPath(), {"--no-line-delay", "--signal", "57", "--seed", "3"}};
    ASSERT_TRUE(sim.Started());
    PosixSerialDevice device;
    VirtualTimerHost clock;
    FakeHost host;
    RecordingMainView view;
    CReceiverController controller{device, clock, clock, host};
    controller.SetMainView(&view);
    ControllerTestAccess::Settings(controller).ComPort = 1;
    ControllerTestAccess::Settings(controller).Ports.SetPath(1, sim.DevicePath());
    ControllerTestAccess::Settings(controller).DisplaySignalStrength = 1;
    controller.Start();
    for (int i = 0; i < 10 && controller.HardwareActive() != 1; ++i) clock.Advance(kAlivePeriodMs);
    ASSERT_EQ(controller.HardwareActive(), 1);
    clock.Advance(kSignalPeriodMs);  // a meter reading for STRENGTH

    ControllerRemoteRadio radio(controller);
    TcpRemoteServer server(radio);
    ASSERT_EQ(server.Open(TcpRemoteServer::kDefaultAddress, 0), 0);
    const ClientRun run = RunClient(server, {"F", "7100000", "M", "USB", "2400", "L", "AF", "0.5",
                                             "f", "m", "l", "AF", "l", "STRENGTH"});
    ASSERT_TRUE(run.finished) << run.output;
    EXPECT_EQ(run.exitStatus, 0) << run.output;
    // 57 dB on the meter is 3 dB above S9 (54 dB).
    EXPECT_EQ(run.output, "7100000\nUSB\n2400\n0.507937\n3\n");

    // The last tuning command as the receiver reads it, and the audio level.
    EXPECT_NE(sim.WaitForLogLine("tune 7100000 Hz USB filter 2400 Hz pbs 0 Hz", kLogWaitMs), "");
    EXPECT_NE(sim.WaitForLogLine("56 00 1F 0D", kLogWaitMs), "") << "volume 32";
    EXPECT_EQ(controller.GetTuning().mode, kModeUsb);
    EXPECT_EQ(view.frequenciesShown.back(), 7100000);
    EXPECT_EQ(view.mode, kModeUsb);
    EXPECT_EQ(view.sliders[IDC_VOLUME_SLIDER], 32);
}

}  // namespace
