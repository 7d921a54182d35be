#include "app/com_port_dialog.h"

#include <gtest/gtest.h>

#include <string>

#include "support/fake_host.h"
#include "support/scripted_dialog.h"

namespace {

struct ChoiceCase {
    const char* name;
    int clicked;  // radio button the user clicks, 0 for none
    int button;   // how the dialog is left
    int index;    // expected choice
};

class ComPortDialogTest : public ::testing::TestWithParam<ChoiceCase> {
  protected:
    FakeHost host;
    FakeDialogWindow shown;
    CComPortDialog dialog{host};
};

TEST_P(ComPortDialogTest, OnlyOkTakesTheSelection) {
    const ChoiceCase& c = GetParam();
    bool com1Preselected = false;
    host.modalHandler = ShowDialogIn(shown, [&](DialogLogic& d, FakeDialogWindow& w) {
        com1Preselected = w.GetCheck(IDC_CHOOSE_COM1) == 1;
        if (c.clicked != 0) w.ClickRadio(c.clicked);
        d.OnCommand(w, c.button);
    });
    EXPECT_EQ(dialog.ChooseComPort(), c.index);
    EXPECT_TRUE(com1Preselected);
    EXPECT_EQ(host.modalTemplates, (std::vector<int>{IDD_COMPORT}));
    EXPECT_EQ(shown.endResult, c.button);
}

INSTANTIATE_TEST_SUITE_P(Choices, ComPortDialogTest,
                         ::testing::Values(ChoiceCase{"OkOnCom3", IDC_CHOOSE_COM3, IDOK, 2},
                                           ChoiceCase{"OkOnCom2", IDC_CHOOSE_COM2, IDOK, 1},
                                           ChoiceCase{"OkOnCom4", IDC_CHOOSE_COM4, IDOK, 3},
                                           ChoiceCase{"OkWithoutChange", 0, IDOK, 0},
                                           ChoiceCase{"ClosedAfterChoosingCom3", IDC_CHOOSE_COM3,
                                                      IDCANCEL, 0}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(ComPortDialog, EachAskingStartsAgainAtCom1) {
    FakeHost host;
    FakeDialogWindow shown;
    CComPortDialog dialog{host};
    host.modalHandler = ShowDialogIn(shown, [](DialogLogic& d, FakeDialogWindow& w) {
        w.ClickRadio(IDC_CHOOSE_COM4);
        d.OnCommand(w, IDOK);
    });
    ASSERT_EQ(dialog.ChooseComPort(), 3);
    host.modalHandler = ShowDialogIn(shown, Press(IDCANCEL));
    EXPECT_EQ(dialog.ChooseComPort(), 0);
}

}  // namespace
