#include "platform/qt/dialog_templates.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QLabel>

#include "base/control_ids.h"
#include "support/row_name.h"
#include "ui/about_dialog.h"

namespace {

// A long text the core writes into a template; it must land in a label that wraps, or the dialog
// grows wider than the screen.
struct WrappedStatic {
    const char* name;
    int templateId;
    int controlId;
};

class DialogTemplateStaticTest : public ::testing::TestWithParam<WrappedStatic> {};

TEST_P(DialogTemplateStaticTest, TemplateHoldsAWrappingLabelForTheCoreText) {
    QDialog dialog;
    QtDialogWindow window(dialog);
    ASSERT_TRUE(BuildDialogTemplate(GetParam().templateId, dialog, window));
    auto* label = qobject_cast<QLabel*>(window.Control(GetParam().controlId));
    ASSERT_NE(label, nullptr);
    EXPECT_TRUE(label->wordWrap());
}

INSTANTIATE_TEST_SUITE_P(Templates, DialogTemplateStaticTest,
                         ::testing::Values(WrappedStatic{"AboutKeyList", IDD_ABOUTBOX,
                                                         IDC_ABOUT_KEYS},
                                           WrappedStatic{"ConfigurationPortProblem",
                                                         IDD_CONFIGURATION, IDC_CFG_PORT_PROBLEM}),
                         RowName());

TEST(DialogTemplateTest, AboutBoxShowsTheKeyListTheCoreWrites) {
    QDialog dialog;
    QtDialogWindow window(dialog);
    ASSERT_TRUE(BuildDialogTemplate(IDD_ABOUTBOX, dialog, window));
    CAboutDialog about;
    about.OnInitDialog(window);
    auto* label = qobject_cast<QLabel*>(window.Control(IDC_ABOUT_KEYS));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text().toStdString(), kAboutKeysText);
}

}  // namespace
