#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/control_ids.h"
#include "controller/controller_fixture.h"
#include "support/controller_test_access.h"
#include "support/memory_profile_store.h"
#include "support/row_name.h"
#include "support/scripted_com_port_chooser.h"
#include "support/station_walk.h"
#include "support/temp_dir.h"

namespace {

constexpr StationFileOperation kNew = StationFileOperation::New;
constexpr StationFileOperation kOpen = StationFileOperation::Open;
constexpr StationFileOperation kSave = StationFileOperation::Save;
constexpr StationFileOperation kSaveAs = StationFileOperation::SaveAs;

const std::string kTwoStations =
    "240951\r\n1\r\nRadio Habana Cuba|6000000|0|2|28|0\r\nBBC|5875000|1|3|18|300\r\n";

class ControllerStationFileTest : public ControllerTest {
  protected:
    void SetUp() override {
        ControllerTest::SetUp();
        StationNode node = kNoStation;
        ASSERT_EQ(ControllerTestAccess::Stations(controller)
                      .Add(StationRecord("Current", 9610000, 0, 2, 28, 0), node),
                  0);
    }
    std::vector<std::string> MessageTexts() const {
        std::vector<std::string> texts;
        for (const FakeHost::Message& message : host.messages) texts.push_back(message.text);
        return texts;
    }
    std::vector<std::string> RowNames() const {
        std::vector<std::string> names;
        for (const RecordingMainView::Row& row : view.rows) names.push_back(row.name);
        return names;
    }

    TempDir dir;
};

TEST_F(ControllerStationFileTest, OpenSavesTheOldListFirstThenLoadsAndShowsTheNewOne) {
    ASSERT_TRUE(WriteWholeFile(dir.File("new.tts"), kTwoStations));
    controller.SetStationFileName(dir.File("new.tts"));

    EXPECT_EQ(controller.StationFileCommand(1, dir.File("old.tts"), kOpen), 0);

    EXPECT_EQ(ReadWholeFile(dir.File("old.tts")), "240951\r\n1\r\nCurrent|9610000|0|2|28|0\r\n");
    EXPECT_EQ(
        StationLines(ControllerTestAccess::Stations(controller)),
        (std::vector<std::string>{"BBC|5875000|1|3|18|300", "Radio Habana Cuba|6000000|0|2|28|0"}));
    EXPECT_EQ(RowNames(), (std::vector<std::string>{"BBC", "Radio Habana Cuba"}));
    EXPECT_EQ(view.sorts, 1);
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(view.texts[IDC_STATION_FILE_NAME], "new.tts");
}

TEST_F(ControllerStationFileTest, OpenWithoutSaveFirstLeavesTheSaveNameAlone) {
    ASSERT_TRUE(WriteWholeFile(dir.File("new.tts"), kTwoStations));
    controller.SetStationFileName(dir.File("new.tts"));
    EXPECT_EQ(controller.StationFileCommand(0, dir.File("old.tts"), kOpen), 0);
    EXPECT_EQ(ReadWholeFile(dir.File("old.tts")), "");
}

struct LoadErrorRow {
    std::string name;
    std::string contents;  // empty: no file at all
    int result;
    std::string message;
};

class ControllerStationLoadErrorTest : public ControllerStationFileTest,
                                       public testing::WithParamInterface<LoadErrorRow> {};

TEST_P(ControllerStationLoadErrorTest, ShowsOneMessageAndLeavesAnEmptyList) {
    const LoadErrorRow& row = GetParam();
    const std::string path = dir.File("broken.tts");
    if (!row.contents.empty()) {
        ASSERT_TRUE(WriteWholeFile(path, row.contents));
    }
    controller.SetStationFileName(path);

    EXPECT_EQ(controller.StationFileCommand(0, std::string(), kOpen), row.result);

    EXPECT_EQ(MessageTexts(), std::vector<std::string>{row.message});
    EXPECT_EQ(host.messages[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(host.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_TRUE(StationLines(ControllerTestAccess::Stations(controller)).empty());
    EXPECT_TRUE(view.rows.empty());
    EXPECT_EQ(view.rowDeletions, 1);
    EXPECT_EQ(ControllerTestAccess::Settings(controller).StationFile, path);
}

INSTANTIATE_TEST_SUITE_P(
    Files, ControllerStationLoadErrorTest,
    testing::Values(LoadErrorRow{"Missing", "", 1, "Unable to open the station file."},
                    LoadErrorRow{"BadLine", "240951\r\n1\r\nGood|6000000|0|2|28|0\r\nno fields\r\n",
                                 2, "Error reading the station file."},
                    LoadErrorRow{"WrongMagic", "240952\r\n1\r\n", 3,
                                 "Station file has wrong magic number."},
                    LoadErrorRow{"WrongVersion", "240951\r\n2\r\n", 4,
                                 "Station file has wrong version number."}),
    RowName());

TEST_F(ControllerStationFileTest, SaveFirstFailureIsShownAndTheCommandGoesOn) {
    controller.SetStationFileName(dir.File("missing.tts"));

    controller.StationFileCommand(1, dir.File("no/such/dir/old.tts"), kOpen);

    EXPECT_EQ(MessageTexts(), (std::vector<std::string>{"Unable to open the station file.",
                                                        "Unable to open the station file."}));
}

TEST_F(ControllerStationFileTest, NewSavesFirstThenClearsTheList) {
    EXPECT_EQ(controller.StationFileCommand(1, dir.File("old.tts"), kNew), 0);
    EXPECT_FALSE(ReadWholeFile(dir.File("old.tts")).empty());
    EXPECT_TRUE(StationLines(ControllerTestAccess::Stations(controller)).empty());
    EXPECT_EQ(view.rowDeletions, 1);
    EXPECT_TRUE(view.rows.empty());
}

TEST_F(ControllerStationFileTest, SaveAndSaveAsWriteToTheCurrentName) {
    for (StationFileOperation op : {kSave, kSaveAs}) {
        const std::string path = dir.File("saved" + std::to_string(static_cast<int>(op)) + ".tts");
        controller.SetStationFileName(path);
        EXPECT_EQ(controller.StationFileCommand(1, dir.File("ignored.tts"), op), 0);
        EXPECT_EQ(ReadWholeFile(path), "240951\r\n1\r\nCurrent|9610000|0|2|28|0\r\n");
        EXPECT_EQ(ControllerTestAccess::Stations(controller).IsModified(), 0)
            << static_cast<int>(op);
    }
    EXPECT_EQ(ReadWholeFile(dir.File("ignored.tts")), "");
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(ControllerStationFileTest, FailedSaveShowsItsMessageAndKeepsListAndName) {
    const std::string path = dir.File("no/such/dir/list.tts");
    controller.SetStationFileName(path);

    EXPECT_EQ(controller.StationFileCommand(0, std::string(), kSave), 1);

    EXPECT_EQ(MessageTexts(), std::vector<std::string>{"Unable to open the station file."});
    EXPECT_EQ(StationLines(ControllerTestAccess::Stations(controller)).size(), 1u);
    EXPECT_EQ(ControllerTestAccess::Settings(controller).StationFile, path);
}

TEST_F(ControllerStationFileTest, UnknownCommandDoesNothing) {
    EXPECT_EQ(
        controller.StationFileCommand(1, dir.File("old.tts"), static_cast<StationFileOperation>(5)),
        0);
    EXPECT_EQ(ReadWholeFile(dir.File("old.tts")), "");
    EXPECT_EQ(StationLines(ControllerTestAccess::Stations(controller)).size(), 1u);
    EXPECT_TRUE(view.calls.empty());
}

TEST_F(ControllerStationFileTest, StationFileNameShowsOnlyNameAndExtension) {
    controller.SetStationFileName("/home/op/lists/europe.tts");
    controller.SetStationFileName("");
    EXPECT_EQ(view.calls, (std::vector<std::string>{"ShowStationFileName(\"europe.tts\")",
                                                    "ShowStationFileName(\"\")"}));
    EXPECT_EQ(ControllerTestAccess::Settings(controller).StationFile, "");
}

TEST_F(ControllerStationFileTest, RefreshShowsEveryStationInTheChosenUnit) {
    ControllerTestAccess::Settings(controller).DisplayMHz = 1;
    controller.RefreshStationList();
    controller.RefreshStationList();
    ASSERT_EQ(view.rows.size(), 1u);
    EXPECT_EQ(view.rows[0].displayMHz, 1);
    EXPECT_EQ(view.rows[0].frequencyHz, 9610000);
    EXPECT_EQ(view.rowDeletions, 2);
}

TEST_F(ControllerStationFileTest, LoadSettingsAndStationsReadsTheProfileThenTheStationFile) {
    ASSERT_TRUE(WriteWholeFile(dir.File("list.tts"), kTwoStations));
    MemoryProfileStore store;
    store.Set("Configuration", "ComPort", "2");
    store.Set("RadioSettings", "Frequency", "7100000");
    store.Set("RadioSettings", "StationFile", dir.File("list.tts"));
    ScriptedComPortChooser chooser;

    controller.LoadSettingsAndStations(store, chooser);

    EXPECT_EQ(chooser.asked, 0);
    EXPECT_EQ(ControllerTestAccess::Settings(controller).ComPort, 2);
    EXPECT_EQ(ControllerTestAccess::Settings(controller).Frequency, 7100000);
    EXPECT_EQ(StationLines(ControllerTestAccess::Stations(controller)).size(), 2u);
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(ControllerStationFileTest, StationFileThatFailsAtStartUpIsReportedAndTheNameKept) {
    MemoryProfileStore store;
    store.Set("Configuration", "ComPort", "1");
    store.Set("RadioSettings", "StationFile", dir.File("gone.tts"));
    ScriptedComPortChooser chooser;

    controller.LoadSettingsAndStations(store, chooser);
    controller.Start();

    EXPECT_EQ(MessageTexts(), std::vector<std::string>{"Unable to open the station file."});
    EXPECT_TRUE(StationLines(ControllerTestAccess::Stations(controller)).empty());
    EXPECT_EQ(view.texts[IDC_STATION_FILE_NAME], "gone.tts");
}

TEST_F(ControllerStationFileTest, NoStationFileMeansNoMessage) {
    MemoryProfileStore store;
    store.Set("Configuration", "ComPort", "1");
    ScriptedComPortChooser chooser;
    controller.LoadSettingsAndStations(store, chooser);
    EXPECT_TRUE(host.messages.empty());
    // The list that was there before is left as it is.
    EXPECT_EQ(StationLines(ControllerTestAccess::Stations(controller)).size(), 1u);
}

TEST_F(ControllerStationFileTest, SaveSettingsAndFreeStationsWritesTheProfileAndEmptiesTheList) {
    ControllerTestAccess::Settings(controller).VolumeLevel = 40;
    StartActive();
    controller.Stop(1);
    MemoryProfileStore store;

    controller.SaveSettingsAndFreeStations(store);

    EXPECT_EQ(store.Get("RadioSettings", "VolumeLevel"), "40");
    EXPECT_GE(store.flushes, 1);
    EXPECT_TRUE(StationLines(ControllerTestAccess::Stations(controller)).empty());
}

}  // namespace
