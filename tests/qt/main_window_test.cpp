#include "platform/qt/main_window.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QTest>
#include <QTreeView>
#include <QWheelEvent>

#include "base/control_ids.h"
#include "controller/receiver_controller.h"
#include "platform/qt/display_controls.h"
#include "support/controller_test_access.h"
#include "support/fake_host.h"
#include "support/scripted_serial_device.h"
#include "support/virtual_clock.h"
#include "ui/main_dialog.h"

namespace {

using Bytes = ScriptedSerialDevice::Bytes;

// The real main window over the real dialog logic and controller; only the receiver, the timers
// and the host's modal parts are scripted.
class MainWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        window.SetDialog(&dialog);
        dialog.SetController(&controller);
        controller.SetMainView(&dialog);
        window.show();
        QApplication::setActiveWindow(&window);
        dialog.OnInitDialog();
        device.ClearRecords();
    }

    void TearDown() override {
        window.SetDialog(nullptr);
        window.hide();
    }

    QAbstractButton* Button(int id) { return qobject_cast<QAbstractButton*>(window.Control(id)); }
    QAbstractSlider* Slider(int id) { return qobject_cast<QAbstractSlider*>(window.Control(id)); }

    // Keys go where the keyboard sends them: to the control that has the focus.
    void Type(const char* keys) {
        for (const char* key = keys; *key != '\0'; ++key) {
            QWidget* focus = window.focusWidget();
            QTest::keyClick(focus != nullptr ? focus : &window, *key);
        }
    }

    // A wheel turn over a control that does not use it, as it arrives at the window. (Qt passes
    // only real wheel events on from a control to its parents, not ones a test sends.)
    void Wheel(QWidget* over, int delta) {
        const QPoint inside = over->mapTo(&window, over->rect().center());
        QWheelEvent event(QPointF(inside), QPointF(window.mapToGlobal(inside)), QPoint(),
                          QPoint(0, delta), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&window, &event);
    }

    std::vector<Bytes> Commands(std::uint8_t letter) const {
        std::vector<Bytes> found;
        for (const Bytes& write : device.writes) {
            if (!write.empty() && write.front() == letter) found.push_back(write);
        }
        return found;
    }

    int Frequency() const { return controller.Settings().Frequency; }

    // A station in the list, selected.
    void AddSelectedStation(int frequencyHz) {
        StationNode node = kNoStation;
        ASSERT_EQ(ControllerTestAccess::Stations(controller)
                      .Add(StationRecord("Test", frequencyHz, 0, 2, 28, 0), node),
                  0);
        controller.RefreshStationList();
        window.SelectRow(0);
    }

    ScriptedSerialDevice device;
    VirtualTimerHost clock;
    FakeHost host;
    CReceiverController controller{device, clock, clock, host};
    MainWindow window;
    CMainDialog dialog{host, window};
};

TEST_F(MainWindowTest, StartShowsTheStoredStateInTheControls) {
    EXPECT_EQ(window.FrequencyReadout()->Text(), QStringLiteral("  6075.000 "));
    EXPECT_TRUE(Button(IDC_MODE_AM)->isChecked());
    EXPECT_TRUE(Button(IDC_AGC_MED)->isChecked());
    EXPECT_TRUE(Button(IDC_STEP_5KHZ)->isChecked());
    EXPECT_EQ(Slider(IDC_VOLUME_SLIDER)->value(), 16);
    EXPECT_EQ(Slider(IDC_PBS_SLIDER)->minimum(), -1000);
    EXPECT_EQ(Slider(IDC_PBS_SLIDER)->pageStep(), 20);
}

TEST_F(MainWindowTest, UsbClickSendsTheModeAndThenATuningCommand) {
    Button(IDC_MODE_USB)->click();

    ASSERT_GE(device.writes.size(), 2u);
    EXPECT_EQ(device.writes[0], (Bytes{'M', '1', '\r'}));
    EXPECT_EQ(device.writes[1].size(), 8u);
    EXPECT_EQ(device.writes[1].front(), 'N');
    EXPECT_TRUE(Button(IDC_MODE_USB)->isChecked());
    EXPECT_FALSE(Button(IDC_MODE_AM)->isChecked());
    EXPECT_EQ(dialog.ModeIndex(), 1);
}

TEST_F(MainWindowTest, ClickedCheckBoxReachesTheLogicWithItsNewState) {
    Button(IDC_VOLUME_ON)->click();  // was on

    EXPECT_EQ(ControllerTestAccess::Settings(controller).VolumeOn, 0);
    ASSERT_EQ(Commands('V').size(), 1u);
}

TEST_F(MainWindowTest, MovingTheVolumeSliderSendsTheVolume) {
    Slider(IDC_VOLUME_SLIDER)->triggerAction(QAbstractSlider::SliderPageStepAdd);

    EXPECT_EQ(ControllerTestAccess::Settings(controller).VolumeLevel, 20);
    EXPECT_EQ(Commands('V').size(), 1u);
}

TEST_F(MainWindowTest, SliderPositionSetByTheProgramSendsNothing) {
    controller.SetVolumeLevel(30);
    device.ClearRecords();
    dialog.ShowVolume(1, 40);

    EXPECT_TRUE(device.writes.empty());
    EXPECT_EQ(ControllerTestAccess::Settings(controller).VolumeLevel, 30);
}

TEST_F(MainWindowTest, EnterKeyInTheEntryTunesOnce) {
    window.FrequencyEntry()->setFocus();
    window.FrequencyEntry()->setText(QStringLiteral("7100"));
    QTest::keyClick(window.FrequencyEntry(), Qt::Key_Return);

    EXPECT_EQ(Frequency(), 7100000);
    EXPECT_EQ(Commands('N').size(), 1u);
    EXPECT_TRUE(window.FrequencyEntry()->text().isEmpty());
    EXPECT_EQ(window.FrequencyReadout()->Text(), QStringLiteral("  7100.000 "));
}

TEST_F(MainWindowTest, OneWheelNotchIsOneStep) {
    Wheel(window.FrequencyReadout(), 120);

    EXPECT_EQ(Frequency(), 6080000);
    EXPECT_EQ(Commands('N').size(), 1u);
}

TEST_F(MainWindowTest, FineWheelTurnsAddUpToANotch) {
    Wheel(window.FrequencyReadout(), -60);
    EXPECT_TRUE(Commands('N').empty());
    Wheel(window.FrequencyReadout(), -60);

    EXPECT_EQ(Frequency(), 6070000);
    EXPECT_EQ(Commands('N').size(), 1u);
}

TEST_F(MainWindowTest, WheelOverTheStationListDoesNotTune) {
    Wheel(window.StationList()->viewport(), 120);

    EXPECT_EQ(Frequency(), 6075000);
    EXPECT_TRUE(Commands('N').empty());
}

TEST_F(MainWindowTest, DigitsTypedOnTheStationListGoToTheEntryAndZTunes) {
    window.StationList()->setFocus();
    Type("9580");
    EXPECT_EQ(window.FrequencyEntry()->text(), QStringLiteral("9580"));
    EXPECT_EQ(window.focusWidget(), window.FrequencyEntry());
    Type("z");

    EXPECT_EQ(Frequency(), 9580000);
    EXPECT_EQ(Commands('N').size(), 1u);
}

TEST_F(MainWindowTest, CommandLettersInTheEntryAreCommandsNotText) {
    AddSelectedStation(7100000);
    window.FrequencyEntry()->setFocus();
    Type("1e");

    EXPECT_EQ(window.FrequencyEntry()->text(), QStringLiteral("1"));
    ASSERT_EQ(host.modalTemplates.size(), 1u);
    EXPECT_EQ(host.modalTemplates[0], IDD_STATION_EDIT);
}

TEST_F(MainWindowTest, CapitalTStepsUpAndCtrlVTogglesTheVolume) {
    window.FrequencyEntry()->setFocus();
    Type("T");
    QTest::keyClick(window.FrequencyEntry(), Qt::Key_V, Qt::ControlModifier);

    EXPECT_EQ(Frequency(), 6080000);
    EXPECT_EQ(ControllerTestAccess::Settings(controller).VolumeOn, 0);
    EXPECT_FALSE(Button(IDC_VOLUME_ON)->isChecked());
    EXPECT_TRUE(window.FrequencyEntry()->text().isEmpty());
}

TEST_F(MainWindowTest, F1OpensTheAboutBoxFromAnyControl) {
    window.StationList()->setFocus();
    QTest::keyClick(window.StationList(), Qt::Key_F1);

    ASSERT_EQ(host.modalTemplates.size(), 1u);
    EXPECT_EQ(host.modalTemplates[0], IDD_ABOUTBOX);
}

TEST_F(MainWindowTest, OtherCharactersReachTheFocusedControl) {
    window.FrequencyEntry()->setFocus();
    Type("-,");

    EXPECT_EQ(window.FrequencyEntry()->text(), QStringLiteral("-,"));
    EXPECT_TRUE(device.writes.empty());
}

TEST_F(MainWindowTest, HoldingUpStepsOnceAtPressAndStopsAtRelease) {
    QTest::mousePress(Button(IDC_UP), Qt::LeftButton);
    EXPECT_EQ(Frequency(), 6080000);
    QTest::mouseRelease(Button(IDC_UP), Qt::LeftButton);
    clock.Advance(2000);

    EXPECT_EQ(Frequency(), 6080000);
    EXPECT_EQ(Commands('N').size(), 1u);
}

TEST_F(MainWindowTest, FrequencyHeaderClickSortsTheRows) {
    StationNode node = kNoStation;
    ControllerTestAccess::Stations(controller)
        .Add(StationRecord("Low", 5000000, 0, 2, 28, 0), node);
    ControllerTestAccess::Stations(controller)
        .Add(StationRecord("High", 9000000, 0, 2, 28, 0), node);
    controller.RefreshStationList();
    // A new station goes to the top, whatever its frequency.
    window.InsertRow(0, "29000.000", "Highest", kNoStation);

    emit window.StationList()->header()->sectionClicked(0);

    ASSERT_EQ(window.RowCount(), 3);
    EXPECT_EQ(window.GetRowText(0, 1), "Low");
    EXPECT_EQ(window.GetRowText(1, 1), "High");
    EXPECT_EQ(window.GetRowText(2, 1), "Highest");
}

TEST_F(MainWindowTest, RefreshSortsByFrequencyAndKeepsTheOldestFirstAmongEquals) {
    StationNode node = kNoStation;
    for (const char* name : {"Old", "Lower", "New"}) {
        const int frequencyHz = name[0] == 'L' ? 5000000 : 9000000;
        ControllerTestAccess::Stations(controller)
            .Add(StationRecord(name, frequencyHz, 0, 2, 28, 0), node);
    }
    controller.RefreshStationList();

    ASSERT_EQ(window.RowCount(), 3);
    EXPECT_EQ(window.GetRowText(0, 1), "Lower");
    EXPECT_EQ(window.GetRowText(1, 1), "Old");
    EXPECT_EQ(window.GetRowText(2, 1), "New");
    EXPECT_EQ(window.GetRowData(2), node);
    EXPECT_EQ(window.FindRow(node), 2);
}

TEST_F(MainWindowTest, HeaderSortsMoveTheSelectionWithItsStation) {
    StationNode node = kNoStation;
    for (const char* name : {"Bravo", "Alpha", "Charlie"}) {
        ControllerTestAccess::Stations(controller)
            .Add(StationRecord(name, 6000000 - name[0] * 1000, 0, 2, 28, 0), node);
    }
    controller.RefreshStationList();
    window.SelectRow(window.FindRow(node));  // Charlie, the lowest frequency, at the top

    emit window.StationList()->header()->sectionClicked(1);
    window.InsertRow(0, "29000.000", "Zulu", kNoStation);
    EXPECT_EQ(window.GetRowText(window.GetSelectedRow(), 1), "Charlie");
    window.DeleteRow(0);
    emit window.StationList()->header()->sectionClicked(0);

    ASSERT_EQ(window.GetSelectedRow(), 0);
    EXPECT_EQ(window.GetRowData(0), node);
    EXPECT_EQ(window.StationList()->currentIndex().row(), 0);
}

TEST_F(MainWindowTest, DoubleClickOnAStationTunesIt) {
    AddSelectedStation(7100000);
    QTreeView* list = window.StationList();
    emit list->doubleClicked(list->model()->index(0, 0));

    EXPECT_EQ(Frequency(), 7100000);
}

TEST_F(MainWindowTest, DoubleClickBelowTheRowsTunesTheSelectedStation) {
    AddSelectedStation(7100000);
    QWidget* viewport = window.StationList()->viewport();
    const QPoint belowTheRows(viewport->width() / 2, viewport->height() - 4);
    ASSERT_FALSE(window.StationList()->indexAt(belowTheRows).isValid());

    QTest::mouseDClick(viewport, Qt::LeftButton, Qt::NoModifier, belowTheRows);

    EXPECT_EQ(Frequency(), 7100000);
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(MainWindowTest, AfterADeleteNoStationIsSelected) {
    StationNode node = kNoStation;
    for (int frequencyHz : {6000000, 7000000, 8000000}) {
        ControllerTestAccess::Stations(controller)
            .Add(StationRecord("Test", frequencyHz, 0, 2, 28, 0), node);
    }
    controller.RefreshStationList();
    window.SelectRow(1);
    host.QueueAnswer(IDYES);
    Button(IDC_DELETE)->click();
    ASSERT_EQ(window.RowCount(), 2);
    EXPECT_EQ(window.GetSelectedRow(), -1);

    // So "x" asks for a station instead of tuning the one that moved up.
    window.StationList()->setFocus();
    Type("x");
    EXPECT_EQ(Frequency(), 6075000);
    EXPECT_EQ(host.messages.back().text,
              "No station selected !\n(Please select a station to be used for tuning)");
}

TEST_F(MainWindowTest, ExitAnsweredCancelKeepsTheWindowOpen) {
    host.QueueAnswer(IDCANCEL);
    QTest::keyClick(&window, Qt::Key_Escape);

    EXPECT_FALSE(window.Ended());
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(device.isOpen);
}

TEST_F(MainWindowTest, ExitAnsweredNoClosesTheWindowAndThePort) {
    host.QueueAnswer(IDNO);
    Button(IDCANCEL)->click();

    EXPECT_TRUE(window.Ended());
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(device.isOpen);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "Mute RX-320 on Exit ?");
}

TEST_F(MainWindowTest, CloseBoxRunsTheExitQuestion) {
    host.QueueAnswer(IDCANCEL);
    EXPECT_FALSE(window.close());
    EXPECT_EQ(host.messages.size(), 1u);
}

TEST_F(MainWindowTest, StationRowsKeepTheirRecordAndSelectionThroughAReorder) {
    // The largest node a row can carry comes back whole.
    const StationNode nodes[3] = {StationNode{1}, StationNode{2}, StationNode{UINTPTR_MAX}};
    for (int i = 0; i < 3; ++i) window.InsertRow(i, std::to_string(i), "n", nodes[i]);
    window.SelectRow(2);
    window.ReorderRows({2, 0, 1});

    EXPECT_EQ(window.GetRowData(0), nodes[2]);
    EXPECT_EQ(window.GetRowData(1), nodes[0]);
    EXPECT_EQ(window.GetSelectedRow(), 0);
    window.ReorderRows({0, 0, 1});  // not a permutation: ignored
    EXPECT_EQ(window.GetRowData(1), nodes[0]);
}

TEST_F(MainWindowTest, PlacementRoundTripsThroughMoveWindowTo) {
    window.MoveWindowTo(10, 20);
    WindowPlacement placement;
    ASSERT_TRUE(window.GetWindowPlacement(placement));

    EXPECT_EQ(placement.length, 44);
    EXPECT_EQ(placement.left, 10);
    EXPECT_EQ(placement.top, 20);
    EXPECT_EQ(placement.right - placement.left, window.frameGeometry().width());
}

// Where a window stands when it is shown, before the window system maps it.
class ShownPosition : public QObject {
  public:
    explicit ShownPosition(QWidget& window) : window_(window) { window.installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Show) position = window_.pos();
        return false;
    }
    QPoint position{-1, -1};

  private:
    QWidget& window_;
};

TEST_F(MainWindowTest, StoredPlacementIsTakenBeforeTheWindowIsShown) {
    ControllerTestAccess::Settings(controller).WindowPos =
        WindowPlacement{44, 0, 1, -1, -1, -1, -1, 120, 80, 700, 500};
    MainWindow second;
    CMainDialog secondDialog{host, second};
    second.SetDialog(&secondDialog);
    secondDialog.SetController(&controller);
    controller.SetMainView(&secondDialog);
    ShownPosition shown(second);

    // The program's order: shown first, initialised once it is on the screen.
    second.show();
    secondDialog.OnInitDialog();
    QCoreApplication::processEvents();

    EXPECT_EQ(shown.position, QPoint(120, 80));
    EXPECT_EQ(second.pos(), QPoint(120, 80));
    second.SetDialog(nullptr);
    controller.SetMainView(&dialog);
}

TEST_F(MainWindowTest, PlacementOffEveryScreenComesBackOntoTheDesktop) {
    window.MoveWindowTo(-50000, -50000);

    EXPECT_NE(QGuiApplication::screenAt(window.frameGeometry().topLeft()), nullptr);
}

}  // namespace
