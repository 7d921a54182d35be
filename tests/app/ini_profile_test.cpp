#include "app/ini_profile.h"

#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <fstream>
#include <string>

#include "support/file_size_limit.h"
#include "support/row_name.h"
#include "support/temp_dir.h"

namespace {

constexpr const char* kMissing = "<missing>";

struct ReadCase {
    const char* name;
    std::string fileText;
    const char* section;
    const char* key;
    std::string expected;  // kMissing when the default must come back
};

class IniReadTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(IniReadTest, FindsTheValueAHumanWouldSee) {
    TempDir dir;
    const std::string path = dir.File("zorivan.INI");
    ASSERT_TRUE(WriteWholeFile(path, GetParam().fileText));
    IniProfileStore store(path);
    EXPECT_EQ(store.ReadString(GetParam().section, GetParam().key, kMissing), GetParam().expected);
}

using namespace std::string_literals;

INSTANTIATE_TEST_SUITE_P(
    Tolerance, IniReadTest,
    ::testing::Values(
        ReadCase{"BlanksAroundEverything", "  [ Window ]  \n\t WindowPos \t=  1,2 \t\n", "Window",
                 "WindowPos", "1,2"},
        ReadCase{"CrLfLineEnds", "[A]\r\nK=v\r\n[B]\r\nK=w\r\n", "A", "K", "v"},
        ReadCase{"CaseOfNamesIgnored", "[radiosettings]\nFREQUENCY=5\n", "RadioSettings",
                 "Frequency", "5"},
        ReadCase{"JunkAndCommentsSkipped",
                 "garbage line\n[A]\nno equals sign\n; K=comment\n# K=also\n=nameless\nK=v\n", "A",
                 "K", "v"},
        ReadCase{"KeyBeforeAnySectionBelongsToNone", "K=stray\n[A]\nOther=1\n", "A", "K", kMissing},
        ReadCase{"KeyOfAnotherSectionNotTaken", "[A]\nK=v\n[B]\n", "B", "K", kMissing},
        ReadCase{"FirstOfRepeatedKeysWins", "[A]\nK=first\nK=second\n", "A", "K", "first"},
        ReadCase{"RepeatedSectionFirstWins", "[A]\nK=first\n[A]\nK=second\n", "A", "K", "first"},
        ReadCase{"NoLineEndAtTheEnd", "[A]\nK=v", "A", "K", "v"},
        ReadCase{"EmptyValue", "[A]\nK=\n", "A", "K", ""},
        ReadCase{"EqualsSignInValueKept", "[A]\nK=a=b\n", "A", "K", "a=b"},
        ReadCase{"Utf8ByteOrderMark", "\xEF\xBB\xBF[A]\nK=v\n", "A", "K", "v"},
        ReadCase{"BinaryLinesSkipped", "[A]\n\xFF\xFE\0\0garbage\nK=v\n"s, "A", "K", "v"},
        ReadCase{"UnclosedBracketIsNoSection", "[A\nK=v\n", "A", "K", kMissing},
        ReadCase{"CrAloneIsNoLineEnd", "[A]\rK=v\n", "A", "K", kMissing}),
    RowName());

struct IntegerCase {
    const char* name;
    const char* stored;
    int expected;
};

class IniIntegerTest : public ::testing::TestWithParam<IntegerCase> {};

TEST_P(IniIntegerTest, ReadsLikePercentD) {
    TempDir dir;
    const std::string path = dir.File("p.INI");
    ASSERT_TRUE(WriteWholeFile(path, std::string("[A]\nK=") + GetParam().stored + "\n"));
    IniProfileStore store(path);
    EXPECT_EQ(store.ReadInt("A", "K", -77), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, IniIntegerTest,
    ::testing::Values(IntegerCase{"Plain", "6075000", 6075000}, IntegerCase{"Negative", "-1", -1},
                      IntegerCase{"TextAfterNumberIgnored", "12abc", 12},
                      IntegerCase{"NotANumberGivesDefault", "abc", -77},
                      IntegerCase{"EmptyGivesDefault", "", -77},
                      IntegerCase{"SignAloneGivesDefault", "-", -77},
                      IntegerCase{"TooLargeSaturates", "99999999999", INT_MAX}),
    RowName());

TEST(IniProfileStore, MissingFileReadsDefaultsAndIsNotCreatedWithoutWrites) {
    TempDir dir;
    const std::string path = dir.File("none.INI");
    IniProfileStore store(path);
    EXPECT_EQ(store.ReadInt("A", "K", 5), 5);
    EXPECT_EQ(store.ReadString("A", "K", "d"), "d");
    EXPECT_EQ(store.Flush(), 0);
    EXPECT_EQ(ReadWholeFile(path), "");
    EXPECT_FALSE(std::ifstream(path).good());
}

TEST(IniProfileStore, WritingChangesOnlyTheKeysWrittenAndKeepsEverythingElse) {
    TempDir dir;
    const std::string path = dir.File("p.INI");
    ASSERT_TRUE(WriteWholeFile(path,
                               "; written by hand\n"
                               "[Configuration]\n"
                               "MinimumFrequency = 20000   \n"
                               "ComPort=1\n"
                               "Unknown=keep me\n"
                               "\n"
                               "; about the next section\n"
                               "[Foreign]\n"
                               "X=1\n"
                               "[RadioSettings]\n"
                               "  Frequency = 100\n"));
    IniProfileStore store(path);
    store.WriteInt("configuration", "comport", 3);
    store.WriteInt("Configuration", "CWFrequency", 700);
    store.WriteInt("RadioSettings", "Frequency", 6075000);
    store.WriteString("Window", "WindowPos", "");
    ASSERT_EQ(store.Flush(), 0);
    EXPECT_EQ(ReadWholeFile(path),
              "; written by hand\n"
              "[Configuration]\n"
              "MinimumFrequency = 20000   \n"
              "ComPort=3\n"
              "Unknown=keep me\n"
              "CWFrequency=700\n"
              "\n"
              "; about the next section\n"
              "[Foreign]\n"
              "X=1\n"
              "[RadioSettings]\n"
              "  Frequency = 6075000\n"
              "\n"
              "[Window]\n"
              "WindowPos=\n");
}

TEST(IniProfileStore, FlushPutsTheWritesIntoTheFileAsItIsNowKeepingWhatChangedMeanwhile) {
    TempDir dir;
    const std::string path = dir.File("p.INI");
    ASSERT_TRUE(
        WriteWholeFile(path, "[Configuration]\r\nComPort=1\r\n[RadioSettings]\r\nMode=0\r\n"));
    IniProfileStore store(path);
    // Edited by hand while the program runs.
    ASSERT_TRUE(WriteWholeFile(path,
                               "; my receiver\r\n"
                               "[Configuration]\r\n"
                               "ComPort=4\r\n"
                               "MinimumFrequency=20000\r\n"
                               "[RadioSettings]\r\n"
                               "Mode=0\r\n"
                               "[Logbook]\r\n"
                               "Owner=DL0ABC\r\n"));
    store.WriteInt("Configuration", "ComPort", 2);
    store.WriteInt("Configuration", "CWFrequency", 700);
    store.WriteInt("RadioSettings", "Mode", 3);
    store.WriteString("Window", "WindowPos", "");
    store.WriteInt("Configuration", "ComPort", 3);
    ASSERT_EQ(store.Flush(), 0);
    EXPECT_EQ(ReadWholeFile(path),
              "; my receiver\r\n"
              "[Configuration]\r\n"
              "ComPort=3\r\n"
              "MinimumFrequency=20000\r\n"
              "CWFrequency=700\r\n"
              "[RadioSettings]\r\n"
              "Mode=3\r\n"
              "[Logbook]\r\n"
              "Owner=DL0ABC\r\n"
              "\r\n"
              "[Window]\r\n"
              "WindowPos=\r\n");
    EXPECT_EQ(store.ReadInt("Configuration", "MinimumFrequency", 0), 20000);

    // Only what was written since the last flush goes in again.
    ASSERT_TRUE(WriteWholeFile(path, "[Configuration]\nComPort=1\n"));
    store.WriteInt("RadioSettings", "Mode", 3);
    ASSERT_EQ(store.Flush(), 0);
    EXPECT_EQ(ReadWholeFile(path), "[Configuration]\nComPort=1\n\n[RadioSettings]\nMode=3\n");
}

struct LineEndCase {
    const char* name;
    std::string before;  // empty: no file
    std::string after;
};

class IniLineEndTest : public ::testing::TestWithParam<LineEndCase> {};

TEST_P(IniLineEndTest, KeepsTheFilesLineEnds) {
    TempDir dir;
    const std::string path = dir.File("p.INI");
    if (!GetParam().before.empty()) {
        ASSERT_TRUE(WriteWholeFile(path, GetParam().before));
    }
    IniProfileStore store(path);
    store.WriteInt("A", "K", 2);
    store.WriteInt("A", "New", 3);
    ASSERT_EQ(store.Flush(), 0);
    EXPECT_EQ(ReadWholeFile(path), GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(
    Styles, IniLineEndTest,
    ::testing::Values(LineEndCase{"CrLfStaysCrLf", "[A]\r\nK=1\r\n", "[A]\r\nK=2\r\nNew=3\r\n"},
                      LineEndCase{"LfStaysLf", "[A]\nK=1\n", "[A]\nK=2\nNew=3\n"},
                      LineEndCase{"NewFileGetsLf", "", "[A]\nK=2\nNew=3\n"},
                      LineEndCase{"ByteOrderMarkKept", "\xEF\xBB\xBF[A]\r\nK=1",
                                  "\xEF\xBB\xBF[A]\r\nK=2\r\nNew=3\r\n"}),
    RowName());

TEST(IniProfileStore, WritingTheValuesAlreadyThereLeavesTheFileUntouched) {
    TempDir dir;
    const std::string path = dir.File("p.INI");
    // No line end at the end and mixed ends: any rewrite would show.
    const std::string original = "[A]\r\nK = 5 \nS=text";
    ASSERT_TRUE(WriteWholeFile(path, original));
    IniProfileStore store(path);
    store.WriteInt("A", "K", 5);
    store.WriteString("a", "s", "text");
    EXPECT_EQ(store.Flush(), 0);
    EXPECT_EQ(ReadWholeFile(path), original);
}

TEST(IniProfileStore, ValueCannotBreakTheFileApart) {
    TempDir dir;
    const std::string path = dir.File("p.INI");
    {
        IniProfileStore store(path);
        store.WriteString("RadioSettings", "StationFile", "/tmp/a\n[Configuration]\nComPort=3");
        ASSERT_EQ(store.Flush(), 0);
    }
    IniProfileStore reread(path);
    EXPECT_EQ(reread.ReadString("RadioSettings", "StationFile", ""), "/tmp/a");
    EXPECT_EQ(reread.ReadInt("Configuration", "ComPort", 0), 0);
}

TEST(IniProfileStore, WrittenValuesReadBackFromANewStore) {
    TempDir dir;
    const std::string path = dir.File("p.INI");
    {
        IniProfileStore store(path);
        store.WriteInt("Configuration", "CWFrequency", -15000);
        store.WriteString("RadioSettings", "StationFile", "/home/u/my stations.tts");
        EXPECT_EQ(store.ReadInt("Configuration", "CWFrequency", 0), -15000);
        ASSERT_EQ(store.Flush(), 0);
    }
    IniProfileStore reread(path);
    EXPECT_EQ(reread.ReadInt("Configuration", "CWFrequency", 0), -15000);
    EXPECT_EQ(reread.ReadString("RadioSettings", "StationFile", ""), "/home/u/my stations.tts");
}

TEST(IniProfileStore, FailedFlushKeepsTheOldFileAndTheChangesPending) {
    TempDir dir;
    const std::string missingDir = dir.File("config");
    const std::string path = missingDir + "/p.INI";
    IniProfileStore store(path);
    store.WriteInt("A", "K", 1);
    EXPECT_EQ(store.Flush(), 1);

    ASSERT_TRUE(std::filesystem::create_directory(missingDir));
    EXPECT_EQ(store.Flush(), 0);
    EXPECT_EQ(ReadWholeFile(path), "[A]\nK=1\n");
}

TEST(IniProfileStore, ProfileThatCannotBeReadIsNeverWrittenOver) {
    if (RunningAsRoot()) GTEST_SKIP() << "root reads files without read permission";
    TempDir dir;
    const std::string path = dir.File("p.INI");
    ASSERT_TRUE(WriteWholeFile(path, "[A]\nK=precious\n"));
    std::filesystem::permissions(path, std::filesystem::perms::none);
    IniProfileStore store(path);
    EXPECT_EQ(store.ReadString("A", "K", "default"), "default");
    store.WriteInt("A", "Other", 1);
    EXPECT_EQ(store.Flush(), 2);
    std::filesystem::permissions(path, std::filesystem::perms::owner_read);
    EXPECT_EQ(ReadWholeFile(path), "[A]\nK=precious\n");
}

TEST(IniProfileStore, DirectoryInPlaceOfTheProfileReadsAsEmptyAndStays) {
    TempDir dir;
    const std::string path = dir.File("p.INI");
    ASSERT_TRUE(std::filesystem::create_directory(path));
    IniProfileStore store(path);
    EXPECT_EQ(store.ReadInt("A", "K", 3), 3);
    store.WriteInt("A", "K", 1);
    EXPECT_NE(store.Flush(), 0);
    EXPECT_TRUE(std::filesystem::is_directory(path));
}

TEST(IniProfileStore, HugeAndBinaryFilesReadWithoutHarm) {
    TempDir dir;
    const std::string path = dir.File("p.INI");
    std::string text = "[A]\n" + std::string(1 << 20, 'x') + "\n";
    for (int c = 0; c < 256; ++c) text += static_cast<char>(c);
    text += "\n[B]\nK=" + std::string(1 << 20, '7') + "\n";
    ASSERT_TRUE(WriteWholeFile(path, text));
    IniProfileStore store(path);
    EXPECT_EQ(store.ReadInt("B", "K", 0), INT_MAX);
    EXPECT_EQ(store.ReadString("A", "K", "none"), "none");
    store.WriteInt("A", "K", 1);
    ASSERT_EQ(store.Flush(), 0);
    EXPECT_EQ(IniProfileStore(path).ReadInt("A", "K", 0), 1);
}

}  // namespace
