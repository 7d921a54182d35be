#include "stations/commands/station_file_dialog.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "controller/receiver_controller.h"
#include "support/controller_test_access.h"
#include "support/main_window_rig.h"
#include "support/scripted_dialog.h"
#include "support/station_walk.h"
#include "support/temp_dir.h"

namespace {

using Lines = std::vector<std::string>;

constexpr const char* kSaveQuestion =
    "The current station file has been modfified.\nDo you want to save it ?";
constexpr const char* kStationFilter = "Station Files (*.tts)|*.tts||";

class StationFileDialogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        pathA = dir.File("a.tts");
        pathB = dir.File("b.tts");
        ASSERT_TRUE(WriteWholeFile(pathB, "240951\r\n1\r\nFrom B|9580000|0|2|28|0\r\n"));
    }

    CStationList& Stations() { return ControllerTestAccess::Stations(rig.controller); }
    // A list of two stations that has been changed since it was loaded.
    void ModifiedList(const std::string& currentFile) {
        ASSERT_EQ(Stations().Parse("240951\r\n1\r\nOne|6075000|0|2|28|0\r\n"), 0);
        StationNode node = kNoStation;
        ASSERT_EQ(Stations().Add(StationRecord("Two", 7100000, 1, 3, 20, 0), node), 0);
        rig.controller.SetStationFileName(currentFile);
        rig.controller.RefreshStationList();
    }
    // The same list, just loaded, so not modified.
    void UnmodifiedList(const std::string& currentFile) {
        ModifiedList(currentFile);
        ASSERT_EQ(Stations().Parse(Stations().Serialize()), 0);
    }
    // Opens the Station File dialog and presses one of its buttons.
    void Press(int buttonId) {
        rig.host.modalHandler = ShowDialogIn(shown, ::Press(buttonId));
        RunStationFileDialog(rig.controller, rig.host);
    }
    // The options of the one file dialog shown; title, first name and overwrite prompt vary.
    void ExpectFileDialog(const char* title, const char* initialName, bool overwritePrompt) {
        ASSERT_EQ(rig.host.fileDialogs.size(), 1u);
        const FileDialogOptions& options = rig.host.fileDialogs[0];
        EXPECT_EQ(options.title, title);
        EXPECT_EQ(options.initialName, initialName);
        EXPECT_EQ(options.defaultExtension, "tts");
        EXPECT_EQ(options.filter, kStationFilter);
        EXPECT_EQ(options.overwritePrompt, overwritePrompt);
        EXPECT_TRUE(options.hideReadOnly);
    }
    std::string Label() { return rig.window.GetText(IDC_STATION_FILE_NAME); }
    std::string CurrentFile() { return ControllerTestAccess::Settings(rig.controller).StationFile; }
    static bool Exists(const std::string& path) { return std::filesystem::exists(path); }

    TempDir dir;
    std::string pathA, pathB;
    MainWindowRig rig;
    FakeDialogWindow shown;
};

TEST_F(StationFileDialogTest, NewOnAnUnmodifiedListAsksNothingAndLeavesNoFile) {
    UnmodifiedList(pathA);
    ASSERT_EQ(Label(), "a.tts");
    Press(IDC_FILE_NEW);
    EXPECT_EQ(shown.endResult, IDOK);
    EXPECT_TRUE(rig.host.messages.empty());
    EXPECT_TRUE(rig.host.fileDialogs.empty());
    EXPECT_TRUE(StationLines(Stations()).empty());
    EXPECT_EQ(rig.window.RowCount(), 0);
    EXPECT_EQ(CurrentFile(), "");
    EXPECT_EQ(Label(), "");
    EXPECT_FALSE(Exists(pathA));
}

TEST_F(StationFileDialogTest, NewOnAModifiedListAnsweredNoSavesNothing) {
    ModifiedList(pathA);
    rig.host.QueueAnswer(IDNO);
    Press(IDC_FILE_NEW);
    ASSERT_EQ(rig.host.messages.size(), 1u);
    EXPECT_EQ(rig.host.messages[0].text, kSaveQuestion);
    EXPECT_EQ(rig.host.messages[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(rig.host.messages[0].icon, MessageIcon::Question);
    EXPECT_FALSE(Exists(pathA));
    EXPECT_TRUE(StationLines(Stations()).empty());
    EXPECT_EQ(Stations().IsModified(), 0);
}

TEST_F(StationFileDialogTest, NewAnsweredYesSavesToTheCurrentFileFirst) {
    ModifiedList(pathA);
    const std::string written = Stations().Serialize();
    rig.host.QueueAnswer(IDYES);
    Press(IDC_FILE_NEW);
    EXPECT_TRUE(rig.host.fileDialogs.empty());
    EXPECT_EQ(ReadWholeFile(pathA), written);
    EXPECT_TRUE(StationLines(Stations()).empty());
    EXPECT_EQ(CurrentFile(), "");
}

TEST_F(StationFileDialogTest, NewAnsweredYesWithoutAFileAndSaveCancelledChangesNothing) {
    ModifiedList("");
    const Lines before = StationLines(Stations());
    rig.host.QueueAnswer(IDYES);
    rig.host.QueueFile("");
    rig.window.SetText(IDC_STATION_FILE_NAME, "untouched");
    Press(IDC_FILE_NEW);
    EXPECT_EQ(shown.endResult, IDOK);
    ExpectFileDialog("ZORIVAN Save Station File", "Stationfile.tts", true);
    EXPECT_EQ(StationLines(Stations()), before);
    EXPECT_EQ(Stations().IsModified(), 1);
    EXPECT_EQ(rig.window.RowCount(), 2);
    EXPECT_EQ(Label(), "untouched");
}

TEST_F(StationFileDialogTest, NewAnsweredYesWithoutAFileSavesToTheChosenOne) {
    ModifiedList("");
    const std::string written = Stations().Serialize();
    rig.host.QueueAnswer(IDYES);
    rig.host.QueueFile(pathA);
    Press(IDC_FILE_NEW);
    EXPECT_EQ(ReadWholeFile(pathA), written);
    EXPECT_TRUE(StationLines(Stations()).empty());
    // The chosen file only took the old list; the new one has no file yet.
    EXPECT_EQ(CurrentFile(), "");
}

TEST_F(StationFileDialogTest, OpenAnsweredYesThenCancelledSavesNothing) {
    ModifiedList(pathA);
    const Lines before = StationLines(Stations());
    rig.host.QueueAnswer(IDYES);
    rig.host.QueueFile("");
    Press(IDC_FILE_OPEN);
    EXPECT_EQ(shown.endResult, IDOK);
    EXPECT_FALSE(Exists(pathA));
    EXPECT_EQ(StationLines(Stations()), before);
    EXPECT_EQ(Stations().IsModified(), 1);
    EXPECT_EQ(CurrentFile(), pathA);
}

TEST_F(StationFileDialogTest, OpenAnsweredYesSavesToTheOldFileAndLoadsTheChosenOne) {
    ModifiedList(pathA);
    const std::string written = Stations().Serialize();
    rig.host.QueueAnswer(IDYES);
    rig.host.QueueFile(pathB);
    Press(IDC_FILE_OPEN);
    ExpectFileDialog("ZORIVAN Open Station File", "", false);
    EXPECT_EQ(ReadWholeFile(pathA), written);
    EXPECT_EQ(StationLines(Stations()), (Lines{"From B|9580000|0|2|28|0"}));
    EXPECT_EQ(Stations().IsModified(), 0);
    EXPECT_EQ(CurrentFile(), pathB);
    EXPECT_EQ(Label(), "b.tts");
    ASSERT_EQ(rig.window.RowCount(), 1);
    EXPECT_EQ(rig.window.rows[0].name, "From B");
}

TEST_F(StationFileDialogTest, OpenAnsweredNoLoadsWithoutSaving) {
    ModifiedList(pathA);
    rig.host.QueueAnswer(IDNO);
    rig.host.QueueFile(pathB);
    Press(IDC_FILE_OPEN);
    EXPECT_FALSE(Exists(pathA));
    EXPECT_EQ(StationLines(Stations()), (Lines{"From B|9580000|0|2|28|0"}));
}

TEST_F(StationFileDialogTest, OpenOfAFileWithTheWrongMagicLeavesAnEmptyListUnderItsName) {
    UnmodifiedList(pathA);
    const std::string wrong = dir.File("wrong.tts");
    ASSERT_TRUE(WriteWholeFile(wrong, "240952\r\n1\r\nX|6075000|0|2|28|0\r\n"));
    rig.host.QueueFile(wrong);
    Press(IDC_FILE_OPEN);
    ASSERT_EQ(rig.host.messages.size(), 1u);
    EXPECT_EQ(rig.host.messages[0].text, "Station file has wrong magic number.");
    EXPECT_TRUE(StationLines(Stations()).empty());
    EXPECT_EQ(rig.window.RowCount(), 0);
    EXPECT_EQ(CurrentFile(), wrong);
    EXPECT_EQ(Label(), "wrong.tts");
}

TEST_F(StationFileDialogTest, SaveWithACurrentFileWritesWithoutAskingEvenWhenUnchanged) {
    UnmodifiedList(pathA);
    Press(IDC_FILE_SAVE);
    EXPECT_TRUE(rig.host.fileDialogs.empty());
    EXPECT_EQ(ReadWholeFile(pathA), Stations().Serialize());
}

TEST_F(StationFileDialogTest, SaveWithoutAFileAsksForOneWithTheDefaultName) {
    ModifiedList("");
    rig.host.QueueFile(pathA);
    Press(IDC_FILE_SAVE);
    ExpectFileDialog("ZORIVAN Save Station File", "Stationfile.tts", true);
    EXPECT_EQ(ReadWholeFile(pathA), Stations().Serialize());
    EXPECT_EQ(Stations().IsModified(), 0);
    EXPECT_EQ(CurrentFile(), pathA);
    EXPECT_EQ(Label(), "a.tts");
}

TEST_F(StationFileDialogTest, SaveWithoutAFileCancelledChangesNothing) {
    ModifiedList("");
    Press(IDC_FILE_SAVE);
    EXPECT_EQ(shown.endResult, IDOK);
    EXPECT_EQ(rig.host.fileDialogs.size(), 1u);
    EXPECT_EQ(Stations().IsModified(), 1);
    EXPECT_EQ(CurrentFile(), "");
}

TEST_F(StationFileDialogTest, SaveAsTakesTheNameAsTheHostCompletesIt) {
    UnmodifiedList(pathA);
    // The host adds the default extension to a typed name; the fake hands the name on as given.
    const std::string typed = dir.File("mylist");
    rig.host.QueueFile(typed);
    Press(IDC_FILE_SAVE_AS);
    ExpectFileDialog("ZORIVAN Save Station File", "", true);
    EXPECT_EQ(ReadWholeFile(typed), Stations().Serialize());
    EXPECT_EQ(CurrentFile(), typed);
    EXPECT_EQ(Label(), "mylist");
    EXPECT_FALSE(Exists(pathA));
}

TEST_F(StationFileDialogTest, SaveAsCancelledKeepsTheCurrentFile) {
    UnmodifiedList(pathA);
    Press(IDC_FILE_SAVE_AS);
    EXPECT_EQ(shown.endResult, IDOK);
    EXPECT_EQ(CurrentFile(), pathA);
    EXPECT_FALSE(Exists(pathA));
}

TEST_F(StationFileDialogTest, CancelDoesNothing) {
    ModifiedList(pathA);
    Press(IDCANCEL);
    EXPECT_EQ(shown.endResult, IDCANCEL);
    EXPECT_TRUE(rig.host.messages.empty());
    EXPECT_EQ(Stations().IsModified(), 1);
}

TEST_F(StationFileDialogTest, OpeningTheDialogStopsContinuousTuning) {
    rig.controller.ContinuousTuning(-1, 1);
    ASSERT_TRUE(rig.clock.IsRunning(kRepeatTimer));
    Press(IDCANCEL);
    EXPECT_FALSE(rig.clock.IsRunning(kRepeatTimer));
    EXPECT_EQ(rig.host.modalTemplates, (std::vector<int>{IDD_STATION_FILE}));
}

TEST_F(StationFileDialogTest, TheDialogGoesByTheModifiedFlagItWasOpenedWith) {
    ModifiedList(pathA);
    CStationFileDialog dialog(rig.controller, rig.host, pathA, 0);
    FakeDialogWindow window;
    dialog.OnCommand(window, IDC_FILE_NEW);
    EXPECT_TRUE(rig.host.messages.empty());
    EXPECT_EQ(window.endResult, IDOK);
}

struct ExitCase {
    const char* name;
    bool modified;
    bool hasFile;
    int answer;       // to the save question
    bool chooseFile;  // in the save dialog, when one is shown
    int questions;    // expected
    int fileDialogs;  // expected
    bool savedToA;    // expected
};

class SaveOnExitTest : public StationFileDialogTest,
                       public ::testing::WithParamInterface<ExitCase> {};

TEST_P(SaveOnExitTest, TheQuestionAtExitSavesOnlyWhenAsked) {
    const ExitCase& c = GetParam();
    if (c.modified) {
        ModifiedList(c.hasFile ? pathA : "");
    } else {
        UnmodifiedList(c.hasFile ? pathA : "");
    }
    rig.host.QueueAnswer(c.answer);
    rig.host.QueueFile(c.chooseFile ? pathA : "");
    const std::string written = Stations().Serialize();

    SaveModifiedListOnExit(rig.controller, rig.host);

    EXPECT_EQ(static_cast<int>(rig.host.messages.size()), c.questions);
    if (c.questions > 0) {
        EXPECT_EQ(rig.host.messages[0].text, kSaveQuestion);
    }
    ASSERT_EQ(static_cast<int>(rig.host.fileDialogs.size()), c.fileDialogs);
    if (c.fileDialogs > 0) {
        EXPECT_EQ(rig.host.fileDialogs[0].initialName, "Stationfile.tts");
    }
    EXPECT_EQ(Exists(pathA), c.savedToA);
    if (c.savedToA) {
        EXPECT_EQ(ReadWholeFile(pathA), written);
        EXPECT_EQ(CurrentFile(), pathA);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Answers, SaveOnExitTest,
    ::testing::Values(ExitCase{"Unmodified", false, true, IDYES, false, 0, 0, false},
                      ExitCase{"AnsweredNo", true, true, IDNO, false, 1, 0, false},
                      ExitCase{"YesWithFile", true, true, IDYES, false, 1, 0, true},
                      ExitCase{"YesWithoutFileCancelled", true, false, IDYES, false, 1, 1, false},
                      ExitCase{"YesWithoutFileChosen", true, false, IDYES, true, 1, 1, true}),
    [](const auto& row) { return std::string(row.param.name); });

}  // namespace
