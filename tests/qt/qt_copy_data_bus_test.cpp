#include "platform/qt/qt_copy_data_bus.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <functional>
#include <thread>

#include "controller/receiver_controller.h"
#include "exchange/exchange.h"
#include "exchange/exchange_block.h"
#include "exchange/partner_title.h"
#include "platform/qt/main_window.h"
#include "platform/qt/qt_host.h"
#include "support/controller_test_access.h"
#include "support/raw_bus_client.h"
#include "support/scripted_serial_device.h"
#include "support/temp_dir.h"
#include "support/virtual_clock.h"
#include "ui/main_dialog.h"

namespace {

std::vector<QMessageBox*> OpenMessageBoxes() {
    std::vector<QMessageBox*> boxes;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* box = qobject_cast<QMessageBox*>(widget);
        if (box != nullptr && box->isVisible()) boxes.push_back(box);
    }
    return boxes;
}

// Counts the message boxes shown while it lives, and how many were open at once at most.
class MessageBoxCount : public QObject {
  public:
    MessageBoxCount() { QApplication::instance()->installEventFilter(this); }

    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* box = qobject_cast<QMessageBox*>(watched);
        if (box != nullptr && event->type() == QEvent::Show) {
            ++shown;
            std::vector<QMessageBox*> others = OpenMessageBoxes();
            std::erase(others, box);
            mostOpen = std::max(mostOpen, others.size() + 1);
            text = box->text().toStdString();
        }
        return false;
    }

    int shown = 0;
    std::size_t mostOpen = 0;
    std::string text;
};

// The real main window, dialog logic and controller on the real bus, with real message boxes;
// the partner program runs on a thread of its own while the Qt event loop turns here.
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

    // Turns the event loop until the partner's work is done and until holds; message boxes
    // opened meanwhile are closed once the work is done.
    void RunLoopWhile(
        const std::function<void()>& work,
        const std::function<bool()>& until = [] { return true; }) {
        std::atomic<bool> done{false};
        std::thread other([&] {
            work();
            done = true;
        });
        QTimer wake;  // so that the loop looks at the flag even when nothing else happens
        QObject::connect(&wake, &QTimer::timeout, [&done] {
            if (done)
                for (QMessageBox* box : OpenMessageBoxes()) box->done(QMessageBox::Ok);
        });
        wake.start(5);
        while (!done || !until()) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
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
    QtHost host;
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

TEST_F(QtCopyDataBusTest, TheWindowHasNoTitleAndIsNotFoundBeforeTheFirstAliveCheck) {
    EXPECT_TRUE(window.windowTitle().isEmpty());
    EXPECT_EQ(PartnerSeesTitle(), "");
    clock.Advance(0);
    EXPECT_EQ(PartnerSeesTitle(), kTitleNotActive);
}

// A flood of bad messages: each is answered at once, and the one box they call for opens after
// its answer, so the box's loop goes on serving the partner without opening another.
TEST_F(QtCopyDataBusTest, BadMessagesAreAnsweredAtOnceAndOpenOneBoxAtATime) {
    window.setWindowTitle("  ZORIVAN");
    partner.SetTimeoutMs(300);  // a message left unanswered costs the test this much
    MessageBoxCount boxes;
    int answered = 0;
    RunLoopWhile(
        [&] {
            BusWindow target;
            if (!FindProgramWindow(partner, "ZORIVAN", target)) return;
            const std::vector<std::uint8_t> block = WriteExchangeBlock(1, 9580000, {});
            for (int message = 0; message < 5; ++message) {
                std::int32_t result = -1;
                if (partner.SendCopyData(target.address, 3001, block.data(), block.size(),
                                         result) &&
                    result == 0)
                    ++answered;
            }
        },
        [&boxes] { return boxes.shown > 0 && OpenMessageBoxes().empty(); });
    EXPECT_EQ(answered, 5);
    EXPECT_EQ(boxes.mostOpen, 1u);
    EXPECT_EQ(boxes.text, kUnknownTypeMessage);
}

// Requests are read as they come: a caller that connects and says nothing does not keep the
// window from answering the next, and is closed once its time is up.
TEST_F(QtCopyDataBusTest, ASilentCallerHoldsUpNothingAndIsClosedWhenItsTimeIsUp) {
    window.setWindowTitle("  ZORIVAN");
    exchange.Bus().SetTimeoutMs(300);
    const int silent = ConnectRaw(exchange.Bus().Address());
    ASSERT_GE(silent, 0);

    EXPECT_EQ(PartnerSeesTitle(), "  ZORIVAN");
    EXPECT_FALSE(ClosedByWindow(silent));
    EXPECT_TRUE(QTest::qWaitFor([silent] { return ClosedByWindow(silent); }, 10000));
    ::close(silent);
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
