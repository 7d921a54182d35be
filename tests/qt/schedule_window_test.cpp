#include "platform/qt/schedule_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QTest>
#include <QTreeView>

#include "controller/receiver_controller.h"
#include "platform/qt/main_window.h"
#include "schedule/schedule_commands.h"
#include "support/controller_test_access.h"
#include "support/fake_host.h"
#include "support/scripted_serial_device.h"
#include "support/temp_dir.h"
#include "support/virtual_clock.h"
#include "ui/main_dialog.h"

namespace {

// The program's main window and schedule window over the real logic, wired as main() wires
// them; the receiver, the timers and the host's modal parts are scripted.
class ScheduleWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        clock.SetUtc(UtcTime{3, 3, 2025, 12, 0, 0});
        const std::string path = temp.File("sked.csv");
        ASSERT_TRUE(WriteWholeFile(path,
                                   "6075;0000-2400;;D;DW;G;Eu\r\n"
                                   "8473;0000-2400;;;Coast Radio;-CW;Atl\r\n"
                                   "9580;0000-2400;;E;R.Exterior de Espa\xF1"
                                   "a;S;Am\r\n"));
        ControllerTestAccess::Settings(controller).ScheduleFile = path;
        window.SetDialog(&dialog);
        dialog.SetController(&controller);
        controller.SetMainView(&dialog);
        dialog.SetSchedule(&schedule);
        schedule.SetView(&scheduleWindow);
        schedule.LoadAtStart();
        window.show();
        QApplication::setActiveWindow(&window);
        dialog.OnInitDialog();
    }

    void TearDown() override {
        window.SetDialog(nullptr);
        scheduleWindow.hide();
        window.hide();
    }

    void TypeInMainWindow(char key) {
        QWidget* focus = window.focusWidget();
        QTest::keyClick(focus != nullptr ? focus : &window, key);
    }

    QString OnAirLine() { return qobject_cast<QLabel*>(window.Control(IDC_ON_AIR))->text(); }

    TempDir temp;
    ScriptedSerialDevice device;
    VirtualTimerHost clock;
    FakeHost host;
    CReceiverController controller{device, clock, clock, host};
    MainWindow window;
    CMainDialog dialog{host, window};
    ScheduleCommands schedule{controller, clock, host, dialog, window, window};
    ScheduleWindow scheduleWindow{schedule, &window};
};

TEST_F(ScheduleWindowTest, KeyBOpensTheListTheFilterNarrowsItEnterTunesInsertAdds) {
    EXPECT_EQ(OnAirLine(), QStringLiteral("On air: DW (G)"));
    EXPECT_FALSE(scheduleWindow.isVisible());
    TypeInMainWindow('b');
    ASSERT_TRUE(scheduleWindow.isVisible());
    QTableView* table = scheduleWindow.Table();
    EXPECT_EQ(table->model()->rowCount(), 3);

    QTest::keyClicks(scheduleWindow.FilterEdit(), QStringLiteral("espa"));
    ASSERT_EQ(table->model()->rowCount(), 1);
    EXPECT_EQ(table->model()->index(0, 4).data().toString(),
              QString::fromUtf8("R.Exterior de Espa\xC3\xB1"
                                "a"));
    // On a desktop the view, taking the focus, makes a row current without selecting it.
    table->selectionModel()->setCurrentIndex(table->model()->index(0, 0),
                                             QItemSelectionModel::NoUpdate);
    QTest::keyClick(scheduleWindow.FilterEdit(), Qt::Key_Return);
    QTest::keyClick(table, Qt::Key_Return);
    EXPECT_EQ(controller.Settings().Frequency, 9580000);
    // The row Enter in the filter arrived at is the selection Insert adds.
    QTest::keyClick(table, Qt::Key_Insert);
    EXPECT_EQ(window.StationList()->model()->rowCount(), 1);
    EXPECT_EQ(OnAirLine(), QString::fromUtf8("On air: R.Exterior de Espa\xC3\xB1"
                                             "a (S)"));

    scheduleWindow.FilterEdit()->clear();
    table->setCurrentIndex(table->model()->index(1, 0));  // Coast Radio, Morse
    QTest::keyClick(table, Qt::Key_Enter);
    EXPECT_EQ(controller.Settings().Frequency, 8473000);
    EXPECT_EQ(dialog.ModeIndex(), 3);
    scheduleWindow.NearTuned()->click();
    EXPECT_EQ(table->model()->rowCount(), 1);
    EXPECT_EQ(table->currentIndex().row(), 0);  // the tuned row stays current
}

}  // namespace
