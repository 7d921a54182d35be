#include "platform/qt/qt_dialog_window.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSlider>

#include "base/control_ids.h"

namespace {

constexpr int kFirst = 201, kSecond = 202, kThird = 203;
constexpr int kEdit = 210, kLabel = 211, kEditableCombo = 212, kListCombo = 213, kSlider = 214;

class QtDialogWindowTest : public ::testing::Test {
  protected:
    QtDialogWindowTest() : window(dialog) {
        for (int id : {kFirst, kSecond, kThird}) {
            window.AddControl(id, new QRadioButton(QStringLiteral("r"), &dialog));
        }
        window.AddRadioGroup({kFirst, kSecond, kThird});
        window.AddControl(kEdit, new QLineEdit(&dialog));
        window.AddControl(kLabel, new QLabel(&dialog));
        auto* editable = new QComboBox(&dialog);
        editable->setEditable(true);
        window.AddControl(kEditableCombo, editable);
        window.AddControl(kListCombo, new QComboBox(&dialog));
        window.AddControl(kSlider, new QSlider(Qt::Horizontal, &dialog));
    }

    QRadioButton* Radio(int id) { return qobject_cast<QRadioButton*>(window.Control(id)); }

    QDialog dialog;
    QtDialogWindow window;
};

TEST_F(QtDialogWindowTest, RadioIndexChecksOneButtonOrNone) {
    EXPECT_EQ(window.GetRadioIndex(kFirst), -1);
    window.SetRadioIndex(kFirst, 2);
    EXPECT_EQ(window.GetRadioIndex(kFirst), 2);
    EXPECT_FALSE(Radio(kFirst)->isChecked());
    EXPECT_TRUE(Radio(kThird)->isChecked());

    window.SetRadioIndex(kFirst, -1);
    EXPECT_EQ(window.GetRadioIndex(kFirst), -1);
    EXPECT_FALSE(Radio(kThird)->isChecked());
}

TEST_F(QtDialogWindowTest, RadioGroupIsKnownOnlyByItsFirstButton) {
    window.SetRadioIndex(kFirst, 1);
    EXPECT_EQ(window.GetRadioIndex(kSecond), -1);
    window.SetRadioIndex(kSecond, 0);
    EXPECT_EQ(window.GetRadioIndex(kFirst), 1);
}

TEST_F(QtDialogWindowTest, ClickHandlerSeesTheCheckTheClickGave) {
    window.SetRadioIndex(kFirst, 0);
    std::vector<std::pair<int, int>> seen;
    window.ForwardClicks([&](int id) { seen.emplace_back(id, window.GetRadioIndex(kFirst)); });
    Radio(kSecond)->click();

    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0], std::make_pair(kSecond, 1));
}

TEST_F(QtDialogWindowTest, ClicksOfIgnoredButtonsAreNotForwarded) {
    int calls = 0;
    window.ForwardClicks([&](int) { ++calls; }, {kSecond});
    Radio(kSecond)->click();
    EXPECT_EQ(calls, 0);
}

TEST_F(QtDialogWindowTest, CheckedButtonOfAGroupCanBeUnchecked) {
    window.SetRadioIndex(kFirst, 1);
    window.SetCheck(kSecond, 0);
    EXPECT_EQ(window.GetCheck(kSecond), 0);
    EXPECT_EQ(window.GetRadioIndex(kFirst), -1);
}

TEST_F(QtDialogWindowTest, LabelTextIsNeverMarkup) {
    window.SetText(kLabel, "<b>Stationfile.tts</b>");
    EXPECT_EQ(qobject_cast<QLabel*>(window.Control(kLabel))->textFormat(), Qt::PlainText);
    EXPECT_EQ(window.GetText(kLabel), "<b>Stationfile.tts</b>");
}

TEST_F(QtDialogWindowTest, EditableComboKeepsItsTextWhenItemsAreAdded) {
    window.SetText(kEditableCombo, "/dev/ttyUSB0");
    window.AddListItem(kEditableCombo, "/dev/ttyS0");
    window.AddListItem(kEditableCombo, "/dev/ttyS1");
    EXPECT_EQ(window.GetText(kEditableCombo), "/dev/ttyUSB0");
}

TEST_F(QtDialogWindowTest, DropDownListSelectsByIndex) {
    for (const char* item : {"300", "330", "375"}) window.AddListItem(kListCombo, item);
    window.SetListSelection(kListCombo, 2);
    EXPECT_EQ(window.GetListSelection(kListCombo), 2);
    EXPECT_EQ(window.GetText(kListCombo), "375");
}

TEST_F(QtDialogWindowTest, SliderSetUpAndPositionsFromTheProgramAreSilent) {
    auto* slider = qobject_cast<QSlider*>(window.Control(kSlider));
    QSignalSpy moved(slider, &QSlider::valueChanged);
    window.SetupSlider(kSlider, -1000, 1000, 200, 1, 20);
    window.SetSliderPosition(kSlider, 250);

    EXPECT_EQ(moved.count(), 0);
    EXPECT_EQ(window.GetSliderPosition(kSlider), 250);
    EXPECT_EQ(slider->minimum(), -1000);
    EXPECT_EQ(slider->tickInterval(), 200);
    EXPECT_EQ(slider->singleStep(), 1);
    EXPECT_EQ(slider->pageStep(), 20);
}

TEST_F(QtDialogWindowTest, FocusIsReportedByIdAndSelectsTheFieldWhenAsked) {
    dialog.show();
    window.SetSelectTextOnFocus(true);
    window.SetText(kEdit, "14999.5");
    window.SetFocus(kEdit);

    EXPECT_EQ(window.GetFocus(), kEdit);
    EXPECT_EQ(qobject_cast<QLineEdit*>(window.Control(kEdit))->selectedText(),
              QStringLiteral("14999.5"));
}

TEST_F(QtDialogWindowTest, EndDialogSetsTheResult) {
    window.SetTitle("ZORIVAN  Station");
    window.EndDialog(IDOK);
    EXPECT_EQ(dialog.result(), IDOK);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("ZORIVAN  Station"));
}

}  // namespace
