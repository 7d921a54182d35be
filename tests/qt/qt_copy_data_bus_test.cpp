#include "platform/qt/qt_copy_data_bus.h"
#include "support/controller_test_access.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <atomic>
#include <functional>
#include <thread>

#include "controller/receiver_controller.h"
#include "exchange/exchange_block.h"
#include "exchange/partner_title.h"
#include "platform/qt/main_window.h"
#include "support/fake_host.h"
#include "support/scripted_serial_device.h"
#include "support/temp_dir.h"
#include "support/virtual_clock.h"
#include "ui/main_dialog.h"

namespace {

// The real main window, dialog logic and controller on the real bus; the partner program runs
// on a thread of its own while the Qt event loop turns here.
class QtCopyDataBusTest : public ::testing::Test {
  protected:
    void SetUp() override {
        window.SetDialog(&dialog);
        dialog.SetController(&controller);
        controller.SetMainView(&dialog);
        dialog.OnInitDialog();
        ASSERT_EQ(exchange.Open(temp.File("bus")), 0);
        dialog.SetCopyDataBus(&exchange.Bus());
        ASSERT_EQ(partner.Open(temp.File("bus")), 0);
    }

    void TearDown() override { window.SetDialog(nullptr); }

    // Turns the event loop until the partner's work is done.
    void RunLoopWhile(const std::function<void()>& work) {
        std::atomic<bool> done{false};
        std::thread other([&] {
            work();
            done = true;
        });
        QTimer wake;  // so that the loop looks at the flag even when nothing else happens
        wake.start(5);
        while (!done) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        other.join();
    }

    std::string PartnerSeesTitle() {
        std::string title;
        RunLoopWhile([&] {
            BusWindow found;
            if (FindProgramWindow(partner, "ZORIVAN", found)) title = found.title;
        });
        return title;
    }

    ScriptedSerialDevice device;
    VirtualTimerHost clock;
    FakeHost host;
    MainWindow window;
    CMainDialog dialog{host, window};
    CReceiverController controller{device, clock, clock, host};
    TempDir temp;
    QtCopyDataBus exchange{window, dialog};
    LocalSocketBus partner;
};

TEST_F(QtCopyDataBusTest, PartnersSeeTheWindowTitleAsItChanges) {
    window.setWindowTitle("  ZORIVAN  first");
    EXPECT_EQ(PartnerSeesTitle(), "  ZORIVAN  first");
    dialog.SetTitle(kTitleNotActive);
    EXPECT_EQ(PartnerSeesTitle(), kTitleNotActive);
}

TEST_F(QtCopyDataBusTest, MessagesFromThePartnerReachTheMainDialog) {
    window.setWindowTitle("  ZORIVAN");
    bool sent = false;
    RunLoopWhile([&] {
        BusWindow target;
        if (!FindProgramWindow(partner, "ZORIVAN", target)) return;
        const std::vector<std::uint8_t> block = WriteExchangeBlock(1, 9580000, {});
        std::int32_t result = -1;
        sent = partner.SendCopyData(target.address, 1001, block.data(), block.size(), result);
    });
    EXPECT_TRUE(sent);
    EXPECT_EQ(ControllerTestAccess::Settings(controller).Frequency, 9580000);
}

}  // namespace
