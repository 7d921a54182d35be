#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "base/minimum_frequency.h"
#include "stations/station_list.h"
#include "support/file_size_limit.h"
#include "support/row_name.h"
#include "support/station_walk.h"
#include "support/temp_dir.h"

namespace {

using namespace std::string_literals;
using Lines = std::vector<std::string>;

constexpr const char* kHeader = "240951\r\n1\r\n";

class StationFileTest : public ::testing::Test {
  protected:
    void SetUp() override { MinimumFrequency = kDefaultMinimumFrequency; }
    void TearDown() override { MinimumFrequency = kDefaultMinimumFrequency; }

    // Loads text through a real file, so that reading is part of the test.
    int LoadText(const std::string& text) {
        const std::string path = dir.File("load.tts");
        EXPECT_TRUE(WriteWholeFile(path, text));
        return list.Load(path);
    }

    void AddStation(const std::string& name, int frequencyHz) {
        StationNode node = kNoStation;
        ASSERT_EQ(list.Add(StationRecord(name, frequencyHz, 1, 3, 12, -200), node), 0);
    }

    TempDir dir;
    CStationList list;
};

struct LoadCase {
    const char* name;
    std::string text;
    int result;
    Lines stations;  // after the load, front first
};

class StationLoadTest : public StationFileTest, public ::testing::WithParamInterface<LoadCase> {};

TEST_P(StationLoadTest, ResultAndStations) {
    AddStation("left over", 7000000);  // a load replaces whatever was there
    EXPECT_EQ(LoadText(GetParam().text), GetParam().result);
    EXPECT_EQ(StationLines(list), GetParam().stations);
    // Success or failure, nothing is left to save.
    EXPECT_EQ(list.IsModified(), 0);
}

// Text in memory and a file read a line at a time are one format.
TEST_P(StationLoadTest, TextInMemoryReadsAsTheFileDoes) {
    CStationList fromText;
    EXPECT_EQ(fromText.Parse(GetParam().text), GetParam().result);
    EXPECT_EQ(StationLines(fromText), GetParam().stations);
}

INSTANTIATE_TEST_SUITE_P(
    Files, StationLoadTest,
    ::testing::Values(
        LoadCase{"HeaderOnlyIsAnEmptyList", kHeader, 0, {}}, LoadCase{"EmptyFile", "", 2, {}},
        LoadCase{"MagicLineAlone", "240951\r\n", 2, {}},
        LoadCase{"MagicWithBlanksAndText", "   240951 stations\r\n1 first version\r\n", 0, {}},
        LoadCase{"MagicNotANumber", "magic\r\n1\r\n", 2, {}},
        LoadCase{"WrongMagic", "240952\r\n1\r\n", 3, {}}, LoadCase{"TruncatedMagic", "2409", 3, {}},
        LoadCase{"VersionTwo", "240951\r\n2\r\n", 4, {}},
        LoadCase{"VersionNotANumber", "240951\r\nv1\r\n", 2, {}},
        LoadCase{"VersionLineBlank", "240951\r\n\r\n", 2, {}},
        LoadCase{"OneStation",
                 kHeader + "Example|6075000|0|2|28|0\r\n"s,
                 0,
                 {"Example|6075000|0|2|28|0"}},
        LoadCase{"ReverseOrderOfTheLines",
                 kHeader + "First|6000000|0|2|28|0\r\nSecond|7000000|1|1|3|50\r\n"s,
                 0,
                 {"Second|7000000|1|1|3|50", "First|6000000|0|2|28|0"}},
        LoadCase{
            "LastLineWithoutLineEnd", kHeader + "A|6075000|0|2|28|0"s, 0, {"A|6075000|0|2|28|0"}},
        LoadCase{"EmptyFieldVanishes",
                 kHeader + "Example||6075000|0|2|28|0\r\n"s,
                 0,
                 {"Example|6075000|0|2|28|0"}},
        LoadCase{"SeventhFieldIgnored",
                 kHeader + "A|6075000|0|2|28|0|extra|more\r\n"s,
                 0,
                 {"A|6075000|0|2|28|0"}},
        LoadCase{"BlanksAroundNumbers",
                 kHeader + "A| 6075000 | 1|\t2 | 28| -5 \r\n"s,
                 0,
                 {"A|6075000|1|2|28|-5"}},
        LoadCase{"NameWithBlanksAtBothEnds",
                 kHeader + "  Radio X  |6075000|0|2|28|0\r\n"s,
                 0,
                 {"  Radio X  |6075000|0|2|28|0"}},
        LoadCase{"BareLineFeeds",
                 "240951\n1\nA|6075000|0|2|28|0\nB|9000000|3|1|0|1\n",
                 0,
                 {"B|9000000|3|1|0|1", "A|6075000|0|2|28|0"}},
        LoadCase{"FiveFields", kHeader + "A|6075000|0|2|28\r\n"s, 2, {}},
        LoadCase{"EmptyName", kHeader + "|6075000|0|2|28|0\r\n"s, 2, {}},
        LoadCase{"EmptySixthField", kHeader + "A|6075000|0|2|28|\r\n"s, 2, {}},
        LoadCase{"SixthFieldStartsWithSeparator", kHeader + "A|6075000|0|2|28||0\r\n"s, 2, {}},
        LoadCase{"NumberFieldNotANumber", kHeader + "A|six|0|2|28|0\r\n"s, 2, {}},
        LoadCase{"BlankLineAfterHeader", kHeader + "\r\nA|6075000|0|2|28|0\r\n"s, 2, {}},
        LoadCase{"BlankLastLine", kHeader + "A|6075000|0|2|28|0\r\n\r\n"s, 2, {}},
        LoadCase{"BadLastLineLeavesNothing",
                 kHeader + "A|6075000|0|2|28|0\r\nB|7000000|0|2|28|0\r\nbroken\r\n"s,
                 2,
                 {}},
        LoadCase{"TruncatedStationLine", kHeader + "A|6075000|0|2|28|0\r\nB|70"s, 2, {}},
        LoadCase{"BinaryHeader", "\0\xFF\xFE\x01\r\n1\r\n"s, 2, {}},
        LoadCase{"BinaryStationLine", kHeader + "\xFF\0\xFF\0|\0|\xFF\r\n"s, 2, {}},
        LoadCase{"NulInsideNameReadWhole",
                 kHeader + "A\0B|6075000|0|2|28|0\r\n"s,
                 0,
                 {"A\0B|6075000|0|2|28|0"s}}),
    RowName());

struct ClampCase {
    const char* name;
    int minimum;  // MinimumFrequency in force
    const char* line;
    const char* loaded;
};

class StationClampTest : public StationFileTest, public ::testing::WithParamInterface<ClampCase> {};

TEST_P(StationClampTest, ValuesComeIntoRangeWithoutError) {
    MinimumFrequency = GetParam().minimum;
    ASSERT_EQ(LoadText(kHeader + std::string(GetParam().line) + "\r\n"), 0);
    EXPECT_EQ(StationLines(list), Lines{GetParam().loaded});
}

INSTANTIATE_TEST_SUITE_P(
    Values, StationClampTest,
    ::testing::Values(
        ClampCase{"FrequencyBelowMinimum", 100000, "A|50|0|2|28|0", "A|100000|0|2|28|0"},
        ClampCase{"FrequencyBelowLowerMinimum", 10000, "A|50|0|2|28|0", "A|10000|0|2|28|0"},
        ClampCase{"FrequencyAboveLowerMinimumKept", 10000, "A|50000|0|2|28|0", "A|50000|0|2|28|0"},
        ClampCase{"FrequencyAbove30MHz", 100000, "A|31000000|0|2|28|0", "A|30000000|0|2|28|0"},
        ClampCase{"FrequencyBeyond32Bits", 100000, "A|99999999999|0|2|28|0", "A|30000000|0|2|28|0"},
        ClampCase{"ModeSeven", 100000, "A|6075000|7|2|28|0", "A|6075000|3|2|28|0"},
        ClampCase{"ModeNegative", 100000, "A|6075000|-1|2|28|0", "A|6075000|0|2|28|0"},
        ClampCase{"AgcZero", 100000, "A|6075000|0|0|28|0", "A|6075000|0|1|28|0"},
        ClampCase{"AgcNine", 100000, "A|6075000|0|9|28|0", "A|6075000|0|3|28|0"},
        ClampCase{"FilterForty", 100000, "A|6075000|0|2|40|0", "A|6075000|0|2|35|0"},
        ClampCase{"FilterNegative", 100000, "A|6075000|0|2|-1|0", "A|6075000|0|2|0|0"},
        ClampCase{"ShiftFiveThousand", 100000, "A|6075000|0|2|28|5000", "A|6075000|0|2|28|1000"},
        ClampCase{"ShiftMinusFiveThousand", 100000, "A|6075000|0|2|28|-5000",
                  "A|6075000|0|2|28|-1000"}),
    RowName());

TEST_F(StationFileTest, CrLfAndLfFilesLoadAlike) {
    const std::string lf = "240951\n1\n Name |6075000|0|2|28|0\nB|7000000|1|1|3|50\n";
    std::string crlf;
    for (char c : lf) crlf += c == '\n' ? "\r\n" : std::string(1, c);
    ASSERT_EQ(LoadText(lf), 0);
    const Lines fromLf = StationLines(list);
    ASSERT_EQ(LoadText(crlf), 0);
    EXPECT_EQ(StationLines(list), fromLf);
    EXPECT_EQ(fromLf.size(), 2u);
}

TEST_F(StationFileTest, MissingFileGivesOneAndAnEmptyList) {
    AddStation("kept?", 7000000);
    EXPECT_EQ(list.Load(dir.File("absent.tts")), 1);
    EXPECT_TRUE(StationLines(list).empty());
}

TEST_F(StationFileTest, DirectoryInsteadOfAFileCannotBeOpened) {
    EXPECT_EQ(list.Load(dir.Path()), 1);
    EXPECT_TRUE(StationLines(list).empty());
}

TEST_F(StationFileTest, SaveWritesCrLfLinesFrontFirstAndClearsTheFlag) {
    AddStation("Older", 6000000);
    AddStation(" Newer ", 9650000);
    const std::string path = dir.File("out.tts");
    ASSERT_EQ(list.Save(path), 0);
    EXPECT_EQ(ReadWholeFile(path),
              "240951\r\n1\r\n Newer |9650000|1|3|12|-200\r\nOlder|6000000|1|3|12|-200\r\n");
    EXPECT_EQ(list.IsModified(), 0);
}

TEST_F(StationFileTest, EmptyListSavesTheTwoHeaderLines) {
    const std::string path = dir.File("empty.tts");
    ASSERT_EQ(list.Save(path), 0);
    EXPECT_EQ(ReadWholeFile(path), kHeader);
}

TEST_F(StationFileTest, LoadAndSaveReversesTheLinesAndKeepsBlanksInNames) {
    ASSERT_EQ(LoadText(kHeader + "  One  |6000000|0|2|28|0\r\nTwo|7000000|1|1|3|50\r\n"s), 0);
    const std::string path = dir.File("again.tts");
    ASSERT_EQ(list.Save(path), 0);
    EXPECT_EQ(ReadWholeFile(path),
              kHeader + "Two|7000000|1|1|3|50\r\n  One  |6000000|0|2|28|0\r\n"s);
    CStationList reread;
    ASSERT_EQ(reread.Load(path), 0);
    EXPECT_EQ(StationLines(reread), (Lines{"  One  |6000000|0|2|28|0", "Two|7000000|1|1|3|50"}));
}

struct SaveFailureCase {
    const char* name;
    std::string (*target)(const TempDir& dir);
};

class StationSaveFailureTest : public StationFileTest,
                               public ::testing::WithParamInterface<SaveFailureCase> {};

TEST_P(StationSaveFailureTest, CannotCreateGivesOneAndChangesNothing) {
    ASSERT_TRUE(WriteWholeFile(dir.File("plain"), "not a directory"));
    AddStation("A", 6075000);
    const std::string path = GetParam().target(dir);
    EXPECT_EQ(list.Save(path), 1);
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_EQ(list.IsModified(), 1);
    EXPECT_EQ(StationLines(list), (Lines{"A|6075000|1|3|12|-200"}));
}

INSTANTIATE_TEST_SUITE_P(
    Paths, StationSaveFailureTest,
    ::testing::Values(SaveFailureCase{"DirectoryMissing",
                                      [](const TempDir& d) {
                                          return d.File("no such dir") + "/s.tts";
                                      }},
                      SaveFailureCase{"ParentIsARegularFile",
                                      [](const TempDir& d) { return d.File("plain") + "/s.tts"; }}),
    RowName());

TEST_F(StationFileTest, ReadOnlyDirectoryGivesOneAndKeepsTheOldFile) {
    if (RunningAsRoot()) GTEST_SKIP() << "root writes into read-only directories";
    const std::string path = dir.File("list.tts");
    const std::string old = kHeader + "Old|6075000|0|2|28|0\r\n"s;
    ASSERT_TRUE(WriteWholeFile(path, old));
    // The file too: a writable one would be written in place.
    std::filesystem::permissions(path, std::filesystem::perms(0400));
    std::filesystem::permissions(dir.Path(), std::filesystem::perms(0500));
    AddStation("New", 7000000);
    EXPECT_EQ(list.Save(path), 1);
    std::filesystem::permissions(dir.Path(), std::filesystem::perms(0700));
    EXPECT_EQ(ReadWholeFile(path), old);
    EXPECT_EQ(list.IsModified(), 1);
}

TEST_F(StationFileTest, FailedWriteGivesTwoAndLeavesThePreviousFileAsItWas) {
    const std::string path = dir.File("list.tts");
    const std::string old = kHeader + "Old|6075000|0|2|28|0\r\n"s;
    ASSERT_TRUE(WriteWholeFile(path, old));
    for (int i = 0; i < 100; ++i) AddStation("A station with a long enough name", 7000000 + i);
    int result = 0;
    {
        // Every file of this process is limited to 64 bytes while the save runs.
        FileSizeLimit limit(64);
        if (!limit.Active()) GTEST_SKIP() << "cannot limit the file size here";
        result = list.Save(path);
    }
    EXPECT_EQ(result, 2);
    EXPECT_EQ(ReadWholeFile(path), old);
    EXPECT_EQ(list.IsModified(), 1);
    // The temporary file is gone as well: only the old file is left.
    int files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.Path())) {
        ++files;
    }
    EXPECT_EQ(files, 1);
}

TEST_F(StationFileTest, WriteFailingAfterTheFirstPiecesLeavesThePreviousFileAsItWas) {
    const std::string path = dir.File("list.tts");
    const std::string old = kHeader + "Old|6075000|0|2|28|0\r\n"s;
    ASSERT_TRUE(WriteWholeFile(path, old));
    for (int i = 0; i < 10000; ++i) AddStation("A station with a long enough name", 7000000 + i);
    int result = 0;
    {
        // The save is written in pieces; the limit falls after some of them went out.
        FileSizeLimit limit(200000);
        if (!limit.Active()) GTEST_SKIP() << "cannot limit the file size here";
        result = list.Save(path);
    }
    EXPECT_EQ(result, 2);
    EXPECT_EQ(ReadWholeFile(path), old);
    EXPECT_EQ(DirectoryEntries(dir.Path()).size(), 1u);
    ASSERT_EQ(list.Save(path), 0);
    EXPECT_EQ(ReadWholeFile(path), list.Serialize());
}

TEST_F(StationFileTest, MegabyteNameReadsWhole) {
    const std::string name(1 << 20, 'n');
    ASSERT_EQ(LoadText(kHeader + name + "|6075000|0|2|28|0\r\n"), 0);
    EXPECT_EQ(StationLines(list), Lines{name + "|6075000|0|2|28|0"});
}

TEST_F(StationFileTest, MegabyteLineOfJunkIsAReadError) {
    EXPECT_EQ(LoadText(kHeader + std::string(1 << 20, '\xFF') + "\r\n"), 2);
    EXPECT_EQ(LoadText(kHeader + std::string(1 << 20, '|') + "\r\n"), 2);
    EXPECT_TRUE(StationLines(list).empty());
}

TEST_F(StationFileTest, HundredThousandStationsLoadSaveAndLoadAgain) {
    std::string text = kHeader;
    for (int i = 0; i < 100000; ++i) {
        text += "S" + std::to_string(i) + "|" + std::to_string(100000 + i) + "|0|2|28|0\r\n";
    }
    ASSERT_EQ(LoadText(text), 0);
    const Lines loaded = StationLines(list);
    ASSERT_EQ(loaded.size(), 100000u);
    EXPECT_EQ(loaded.front(), "S99999|199999|0|2|28|0");
    const std::string path = dir.File("big.tts");
    ASSERT_EQ(list.Save(path), 0);
    CStationList reread;
    ASSERT_EQ(reread.Load(path), 0);
    const Lines reloaded = StationLines(reread);
    ASSERT_EQ(reloaded.size(), 100000u);
    EXPECT_EQ(reloaded.front(), "S0|100000|0|2|28|0");
    EXPECT_EQ(reloaded.back(), "S99999|199999|0|2|28|0");
}

}  // namespace
