#include "platform/qt/qt_host.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "base/control_ids.h"
#include "platform/qt/dialog_templates.h"
#include "platform/qt/file_dialog_filter.h"
#include "support/row_name.h"

namespace {

// Runs action on the modal window once it is open (modal windows run their own loop).
void WhenModalOpens(std::function<void(QWidget&)> action) {
    QTimer::singleShot(0, [action] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        action(*modal);
    });
}

QAbstractButton* ButtonWithText(QWidget& window, const QString& text) {
    for (QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        if (button->text().remove(QLatin1Char('&')) == text) return button;
    }
    return nullptr;
}

struct FilterCase {
    const char* name;
    const char* filter;
    QStringList expected;
};

class NameFilters : public ::testing::TestWithParam<FilterCase> {};

TEST_P(NameFilters, FromToolkitFilterText) {
    EXPECT_EQ(QtNameFilters(GetParam().filter), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Filters, NameFilters,
                         ::testing::Values(FilterCase{"StationFilesKeepTheirDescription",
                                                      "Station Files (*.tts)|*.tts||",
                                                      {QStringLiteral("Station Files (*.tts)")}},
                                           FilterCase{"PatternAddedWhenNotShown",
                                                      "Stations|*.tts||",
                                                      {QStringLiteral("Stations (*.tts)")}},
                                           FilterCase{"SeveralPatternsAndEntries",
                                                      "Text|*.txt;*.tts|All Files (*.*)|*.*||",
                                                      {QStringLiteral("Text (*.txt *.tts)"),
                                                       QStringLiteral("All Files (*.*)")}},
                                           FilterCase{"EmptyFilter", "", {}}),
                         RowName());

struct AnswerCase {
    const char* name;
    MessageButtons buttons;
    const char* press;  // a button caption, or empty for the Escape key
    int answer;
};

class MessageBoxAnswer : public ::testing::TestWithParam<AnswerCase> {};

TEST_P(MessageBoxAnswer, MapsToTheToolkitAnswer) {
    QtHost host;
    QString caption;
    WhenModalOpens([&caption](QWidget& box) {
        caption = box.windowTitle();
        const QString press = QString::fromUtf8(GetParam().press);
        if (press.isEmpty()) {
            QTest::keyClick(&box, Qt::Key_Escape);
        } else {
            ButtonWithText(box, press)->click();
        }
    });
    EXPECT_EQ(host.MessageBox("Mute RX-320 on Exit ?", GetParam().buttons, MessageIcon::Question),
              GetParam().answer);
    EXPECT_EQ(caption, QStringLiteral("ZORIVAN"));
}

INSTANTIATE_TEST_SUITE_P(
    Answers, MessageBoxAnswer,
    ::testing::Values(AnswerCase{"OkClicked", MessageButtons::Ok, "OK", IDOK},
                      AnswerCase{"OkEscaped", MessageButtons::Ok, "", IDOK},
                      AnswerCase{"YesClicked", MessageButtons::YesNo, "Yes", IDYES},
                      AnswerCase{"NoClicked", MessageButtons::YesNo, "No", IDNO},
                      AnswerCase{"YesNoEscapedIsNo", MessageButtons::YesNo, "", IDNO},
                      AnswerCase{"CancelClicked", MessageButtons::YesNoCancel, "Cancel", IDCANCEL},
                      AnswerCase{"YesNoCancelEscapedIsCancel", MessageButtons::YesNoCancel, "",
                                 IDCANCEL}),
    RowName());

TEST(QtHostMessageBox, ExclamationIsAWarning) {
    QtHost host;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    WhenModalOpens([&icon](QWidget& box) {
        icon = qobject_cast<QMessageBox*>(&box)->icon();
        QTest::keyClick(&box, Qt::Key_Return);
    });
    host.MessageBox("Unable to open the station file.", MessageButtons::Ok,
                    MessageIcon::Exclamation);
    EXPECT_EQ(icon, QMessageBox::Warning);
}

// A COM-port question as its logic would run it: OK takes the radio choice, Cancel (Escape,
// close box) is refused the first time to show that the logic decides.
class ComPortLogic : public DialogLogic {
  public:
    int TemplateId() const override { return IDD_COMPORT; }
    void OnInitDialog(DialogWindow& window) override { window.SetRadioIndex(IDC_CHOOSE_COM1, 0); }
    void OnCommand(DialogWindow& window, int id) override {
        commands.push_back(id);
        if (id == IDOK) {
            chosen = window.GetRadioIndex(IDC_CHOOSE_COM1);
            window.EndDialog(IDOK);
        } else if (id == IDCANCEL && ++cancels > 1) {
            window.EndDialog(IDCANCEL);
        }
    }
    std::vector<int> commands;
    int chosen = -1;
    int cancels = 0;
};

TEST(QtHostRunModal, ButtonsReachTheLogicAfterTheirCheck) {
    QtHost host;
    ComPortLogic logic;
    QString title;
    WhenModalOpens([&title](QWidget& dialog) {
        title = dialog.windowTitle();
        ButtonWithText(dialog, QStringLiteral("COM3"))->click();
        ButtonWithText(dialog, QStringLiteral("OK"))->click();
    });
    EXPECT_EQ(host.RunModal(logic), IDOK);
    EXPECT_EQ(logic.chosen, 2);
    EXPECT_EQ(title, QStringLiteral("ZORIVAN  COMPort"));
}

TEST(QtHostRunModal, EscapeIsTheLogicsCancelCommand) {
    QtHost host;
    ComPortLogic logic;
    WhenModalOpens([](QWidget& dialog) {
        QTest::keyClick(&dialog, Qt::Key_Escape);
        EXPECT_TRUE(dialog.isVisible());  // the logic kept it open
        dialog.close();
    });
    EXPECT_EQ(host.RunModal(logic), IDCANCEL);
    EXPECT_EQ(logic.commands, (std::vector<int>{IDCANCEL, IDCANCEL}));
}

TEST(QtHostRunModal, UnknownTemplateIsCancelled) {
    class Unknown : public DialogLogic {
      public:
        int TemplateId() const override { return 999; }
        void OnInitDialog(DialogWindow&) override { ADD_FAILURE() << "no window to initialise"; }
        void OnCommand(DialogWindow&, int) override {}
    } logic;
    QtHost host;
    EXPECT_EQ(host.RunModal(logic), IDCANCEL);
}

struct TemplateCase {
    const char* name;
    int templateId;
    const char* title;
    std::vector<int> ids;
    std::vector<std::vector<int>> radioGroups;
};

class DialogTemplate : public ::testing::TestWithParam<TemplateCase> {};

// Every id the dialog's logic addresses is there, and every radio group works as one.
TEST_P(DialogTemplate, HasItsControlsAndGroups) {
    QDialog dialog;
    QtDialogWindow window(dialog);
    ASSERT_TRUE(BuildDialogTemplate(GetParam().templateId, dialog, window));
    EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8(GetParam().title));
    for (int id : GetParam().ids) {
        EXPECT_NE(window.Control(id), nullptr) << "control " << id;
    }
    for (const std::vector<int>& group : GetParam().radioGroups) {
        const int last = static_cast<int>(group.size()) - 1;
        window.SetRadioIndex(group.front(), last);
        EXPECT_EQ(window.GetRadioIndex(group.front()), last);
        EXPECT_EQ(window.GetCheck(group.back()), 1);
        EXPECT_EQ(window.GetCheck(group.front()), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Templates, DialogTemplate,
    ::testing::Values(
        TemplateCase{"About",
                     IDD_ABOUTBOX,
                     "About ZORIVAN",
                     {IDC_ABOUT_VERSION, IDC_ABOUT_FIRMWARE, IDOK},
                     {}},
        TemplateCase{"ComPort",
                     IDD_COMPORT,
                     "ZORIVAN  COMPort",
                     {IDOK},
                     {{IDC_CHOOSE_COM1, IDC_CHOOSE_COM2, IDC_CHOOSE_COM3, IDC_CHOOSE_COM4}}},
        TemplateCase{
            "Configuration",
            IDD_CONFIGURATION,
            "ZORIVAN  Configuration",
            {IDC_CFG_POINT1, IDC_CFG_CORRECTION1, IDC_CFG_POINT2, IDC_CFG_CORRECTION2,
             IDC_CFG_CW_FREQUENCY, IDC_CFG_TIME_SLOW, IDC_CFG_TIME_FAST, IDC_CFG_PATH_COM1,
             IDC_CFG_PATH_COM2, IDC_CFG_PATH_COM3, IDC_CFG_PATH_COM4, IDOK, IDCANCEL},
            {{IDC_CFG_COM1, IDC_CFG_COM2, IDC_CFG_COM3, IDC_CFG_COM4}, {IDC_CFG_KHZ, IDC_CFG_MHZ}}},
        TemplateCase{
            "StationEdit",
            IDD_STATION_EDIT,
            "ZORIVAN  Station",
            {IDC_EDIT_NAME, IDC_EDIT_FREQUENCY, IDC_EDIT_FILTER, IDC_EDIT_PBSHIFT, IDOK, IDCANCEL},
            {{IDC_EDIT_MODE_AM, IDC_EDIT_MODE_USB, IDC_EDIT_MODE_LSB, IDC_EDIT_MODE_CW},
             {IDC_EDIT_AGC_SLOW, IDC_EDIT_AGC_MED, IDC_EDIT_AGC_FAST}}},
        TemplateCase{"StationFile",
                     IDD_STATION_FILE,
                     "ZORIVAN Station File",
                     {IDC_FILE_NEW, IDC_FILE_OPEN, IDC_FILE_SAVE, IDC_FILE_SAVE_AS, IDCANCEL},
                     {}}),
    RowName());

}  // namespace
