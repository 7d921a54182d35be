#include "ui/about_dialog.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "controller/receiver_controller.h"
#include "support/main_window_rig.h"
#include "support/scripted_dialog.h"
#include "ui/keyboard_commands.h"

namespace {

class RunAboutTest : public ::testing::Test {
  protected:
    void SetUp() override {
        rig.Start();
        rig.host.modalHandler = ShowDialogIn(shown, Press(IDOK));
    }

    MainWindowRig rig;
    FakeDialogWindow shown;
};

TEST_F(RunAboutTest, ShowsTheVersionsOfProgramAndReceiver) {
    rig.controller.ContinuousTuning(1, 1);
    RunAbout(rig.controller, rig.host);
    EXPECT_FALSE(rig.clock.IsRunning(kRepeatTimer));
    EXPECT_EQ(rig.host.modalTemplates, (std::vector<int>{IDD_ABOUTBOX}));
    EXPECT_EQ(shown.GetText(IDC_ABOUT_VERSION), "1.30-1");
    // The receiver reports 103.
    EXPECT_EQ(shown.GetText(IDC_ABOUT_FIRMWARE), "RX-320 Firmware Version:    1.03");
    EXPECT_EQ(shown.GetText(IDC_ABOUT_KEYS), kAboutKeysText);
    EXPECT_EQ(shown.endResult, IDOK);
}

TEST_F(RunAboutTest, ASilentReceiverIsNamedAndTheBoxStillOpens) {
    rig.device.AnswerTo({'?', 0x0D}, {});
    RunAbout(rig.controller, rig.host);
    EXPECT_EQ(shown.GetText(IDC_ABOUT_FIRMWARE), "RX-320 does not respond, please check.");
    EXPECT_EQ(shown.GetText(IDC_ABOUT_VERSION), "1.30-1");
}

TEST(FirmwareVersionText, RightAlignsTheVersionInFivePlaces) {
    EXPECT_EQ(FirmwareVersionText(0, 103), "RX-320 Firmware Version:    1.03");
    EXPECT_EQ(FirmwareVersionText(0, 1234), "RX-320 Firmware Version:   12.34");
    EXPECT_EQ(FirmwareVersionText(2, 103), "RX-320 does not respond, please check.");
}

// Every key the main window answers to is named in the About box's last line.
TEST(AboutKeysText, NamesEveryOneKeyCommand) {
    const std::string text = kAboutKeysText;
    std::set<std::string> words;
    std::string word;
    for (char c : text + " ") {
        if (c == ' ' || c == '/' || c == ',' || c == ';') {
            if (!word.empty()) words.insert(word);
            word.clear();
        } else {
            word += c;
        }
    }
    const std::string::size_type ctrl = text.find("Ctrl+");
    ASSERT_NE(ctrl, std::string::npos);
    const std::string ctrlPart = text.substr(ctrl);
    for (int character = 1; character < 127; ++character) {
        const KeyCommand command = KeyCommandFor(character);
        if (command == KeyCommand::None) continue;
        if (character < 32) {
            const char letter = static_cast<char>('A' + character - 1);
            EXPECT_NE(ctrlPart.find(std::string(" ") + letter + " "), std::string::npos)
                << "Ctrl+" << letter;
        } else if (character >= '0' && character <= '9') {
            EXPECT_EQ(words.count("0-9"), 1u);
        } else {
            EXPECT_EQ(words.count(std::string(1, static_cast<char>(character))), 1u)
                << static_cast<char>(character);
        }
    }
}

}  // namespace
