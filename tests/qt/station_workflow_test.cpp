// A listener's evening with the station list, through the real main window and the real dialog
// templates: add a station, edit it, save the list as a file, start a new list, open the file
// again and tune the station. Only the receiver, the timers and the file and message questions are
// scripted; every dialog is the Qt dialog the program shows, filled in and clicked like a user.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QTest>
#include <QTreeView>
#include <algorithm>
#include <deque>
#include <functional>
#include <string>

#include "base/control_ids.h"
#include "controller/receiver_controller.h"
#include "link/tuning_command.h"
#include "platform/qt/dialog_templates.h"
#include "platform/qt/display_controls.h"
#include "platform/qt/main_window.h"
#include "platform/qt/qt_dialog_window.h"
#include "platform/qt/qt_host.h"
#include "support/controller_test_access.h"
#include "support/scripted_serial_device.h"
#include "support/temp_dir.h"
#include "support/virtual_clock.h"
#include "ui/main_dialog.h"

namespace {

using Bytes = ScriptedSerialDevice::Bytes;

// The real dialogs, with a scripted user in front of them instead of a modal loop.
class ScriptedUserHost : public QtHost {
  public:
    using User = std::function<void(QtDialogWindow&)>;

    int MessageBox(const std::string& text, MessageButtons, MessageIcon) override {
        messages.push_back(text);
        return IDOK;
    }
    bool GetSaveFileName(const FileDialogOptions&, std::string& path) override {
        return Next(path);
    }
    bool GetOpenFileName(const FileDialogOptions&, std::string& path) override {
        return Next(path);
    }
    int RunModal(DialogLogic& logic) override {
        QDialog dialog;
        QtDialogWindow window(dialog);
        if (!BuildDialogTemplate(logic.TemplateId(), dialog, window)) return IDCANCEL;
        window.ForwardClicks([&logic, &window](int id) { logic.OnCommand(window, id); });
        logic.OnInitDialog(window);
        EXPECT_FALSE(users.empty()) << "no user for dialog " << logic.TemplateId();
        if (users.empty()) return IDCANCEL;
        User user = users.front();
        users.pop_front();
        user(window);
        return dialog.result();
    }

    std::deque<User> users;
    std::deque<std::string> files;
    std::vector<std::string> messages;

  private:
    bool Next(std::string& path) {
        if (files.empty()) return false;
        path = files.front();
        files.pop_front();
        return true;
    }
};

void Click(QtDialogWindow& window, int id) {
    auto* button = qobject_cast<QAbstractButton*>(window.Control(id));
    ASSERT_NE(button, nullptr) << "no button " << id;
    button->click();
}

void Type(QtDialogWindow& window, int id, const char* text) {
    auto* edit = qobject_cast<QLineEdit*>(window.Control(id));
    ASSERT_NE(edit, nullptr) << "no edit field " << id;
    edit->selectAll();
    QTest::keyClicks(edit, QString::fromLatin1(text));
}

class StationWorkflowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        window.SetDialog(&dialog);
        dialog.SetController(&controller);
        controller.SetMainView(&dialog);
        host.SetParentWindow(&window);
        window.show();
        dialog.OnInitDialog();
    }
    void TearDown() override { window.SetDialog(nullptr); }

    void ClickMain(int id) {
        auto* button = qobject_cast<QAbstractButton*>(window.Control(id));
        ASSERT_NE(button, nullptr);
        button->click();
    }
    QString RowText(int row, int column) const {
        return window.StationList()->model()->index(row, column).data().toString();
    }

    ScriptedSerialDevice device;
    VirtualTimerHost clock;
    ScriptedUserHost host;
    CReceiverController controller{device, clock, clock, host};
    MainWindow window;
    CMainDialog dialog{host, window};
    TempDir dir;
};

TEST_F(StationWorkflowTest, AddEditSaveOpenAndTune) {
    // Tune 7100 kHz USB from the window.
    window.FrequencyEntry()->setFocus();
    QTest::keyClicks(window.FrequencyEntry(), QStringLiteral("7100"));
    QTest::keyClick(window.FrequencyEntry(), Qt::Key_Return);
    ClickMain(IDC_MODE_USB);
    ASSERT_EQ(ControllerTestAccess::Settings(controller).Frequency, 7100000);

    // Add: the dialog offers the receiver's state; the user names the station.
    host.users.push_back([](QtDialogWindow& d) {
        EXPECT_EQ(d.GetText(IDC_EDIT_FREQUENCY), " 7100.000");
        Type(d, IDC_EDIT_NAME, "Evening net");
        Click(d, IDOK);
    });
    ClickMain(IDC_ADD);
    ASSERT_EQ(window.StationList()->model()->rowCount(), 1);
    EXPECT_EQ(RowText(0, 1), QStringLiteral("Evening net"));

    // Edit: a mistyped frequency is refused with the message, then corrected.
    host.users.push_back([](QtDialogWindow& d) {
        Type(d, IDC_EDIT_FREQUENCY, "7105,5");
        Click(d, IDOK);
        EXPECT_EQ(d.GetFocus(), IDC_EDIT_FREQUENCY);
        Type(d, IDC_EDIT_FREQUENCY, " 7105.5 ");
        Type(d, IDC_EDIT_PBSHIFT, "250.9");
        Click(d, IDOK);
    });
    window.SelectRow(0);
    ClickMain(IDC_EDIT);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0], "Illegal Input !\n(Please enter a number)");
    EXPECT_EQ(RowText(0, 0), QStringLiteral(" 7105.500"));

    // Save as: the file holds exactly the station, CR LF on every line.
    const std::string path = dir.File("evening.tts");
    host.files.push_back(path);
    host.users.push_back([](QtDialogWindow& d) { Click(d, IDC_FILE_SAVE_AS); });
    ClickMain(IDC_STATION_FILE);
    EXPECT_EQ(ReadWholeFile(path), "240951\r\n1\r\nEvening net|7105500|1|2|28|250\r\n");
    EXPECT_EQ(ControllerTestAccess::Stations(controller).IsModified(), 0);
    EXPECT_EQ(window.GetText(IDC_STATION_FILE_NAME), "evening.tts");

    // New, then Open the file again.
    host.users.push_back([](QtDialogWindow& d) { Click(d, IDC_FILE_NEW); });
    ClickMain(IDC_STATION_FILE);
    ASSERT_EQ(window.StationList()->model()->rowCount(), 0);
    host.files.push_back(path);
    host.users.push_back([](QtDialogWindow& d) { Click(d, IDC_FILE_OPEN); });
    ClickMain(IDC_STATION_FILE);
    ASSERT_EQ(window.StationList()->model()->rowCount(), 1);
    EXPECT_EQ(RowText(0, 1), QStringLiteral("Evening net"));

    // Somewhere else in AM, then Tune: the receiver gets the station's tuning, shift included.
    ClickMain(IDC_MODE_AM);
    controller.SetFrequency(6075000);
    device.ClearRecords();
    window.SelectRow(0);
    ClickMain(IDC_TUNE);

    TuningInput expected;
    expected.frequencyHz = 7105500;
    expected.mode = 1;
    expected.filterIndex = 28;
    expected.passbandShiftHz = 250;
    expected.cwFrequencyHz = ControllerTestAccess::Settings(controller).CWFrequency;
    const auto bytes = EncodeTuningCommand(ComputeTuningFactors(expected));
    ASSERT_FALSE(device.writes.empty());
    EXPECT_EQ(device.writes.back(), Bytes(bytes.begin(), bytes.end()));
    EXPECT_NE(std::find(device.writes.begin(), device.writes.end(), Bytes{'M', '1', '\r'}),
              device.writes.end());
    EXPECT_TRUE(qobject_cast<QAbstractButton*>(window.Control(IDC_MODE_USB))->isChecked());
    EXPECT_EQ(window.GetCheck(IDC_PBS_ON), 1);
    EXPECT_EQ(window.GetText(IDC_PBS_TEXT), "250");
    EXPECT_EQ(window.FrequencyReadout()->Text(), QStringLiteral("  7105.500 "));
}

TEST_F(StationWorkflowTest, AWindows1252NameShowsReadableAndAnUntouchedUpdKeepsItsBytes) {
    const std::string path = dir.File("windows.tts");
    const std::string file = "240951\r\n1\r\nEspa\xF1ol|6075000|0|2|28|0\r\n";
    ASSERT_TRUE(WriteWholeFile(path, file));
    ASSERT_EQ(ControllerTestAccess::Stations(controller).Load(path), 0);
    controller.RefreshStationList();
    EXPECT_EQ(RowText(0, 1), QStringLiteral("Español"));

    window.SelectRow(0);
    ClickMain(IDC_TUNE);
    host.users.push_back([](QtDialogWindow& d) {
        EXPECT_EQ(qobject_cast<QLineEdit*>(d.Control(IDC_EDIT_NAME))->text(),
                  QStringLiteral("Español"));
        Click(d, IDOK);
    });
    ClickMain(IDC_UPDATE);
    EXPECT_EQ(RowText(0, 1), QStringLiteral("Español"));
    ASSERT_EQ(ControllerTestAccess::Stations(controller).Save(path), 0);
    EXPECT_EQ(ReadWholeFile(path), file);
}

}  // namespace
