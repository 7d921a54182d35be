// Whatever value the profile reader hands out, the settings saved at exit write back unchanged,
// so the next start reads the same. A carriage return inside a line is no line end to the
// reader (only LF is, with a CR in front of it), yet the writer cut values at it: a station-file
// path read as "a<CR>b.tts" was saved as "a" and lost at the next start. And the window
// placement's flags and show command, written unsigned, were read signed: -1 was saved as
// 4294967295 and read back as 2147483647. Both found by fuzz/profile_fuzz.cpp.

#include <gtest/gtest.h>

#include <string>

#include "app/ini_profile.h"
#include "app/profile_settings.h"
#include "base/minimum_frequency.h"
#include "support/row_name.h"
#include "support/scripted_com_port_chooser.h"
#include "support/temp_dir.h"

namespace {

struct ValueCase {
    const char* name;
    const char* fileLine;  // the StationFile line as the file holds it, without its line end
    const char* lineEnd;
};

class ProfileRoundTripTest : public testing::Test {
  protected:
    void TearDown() override { MinimumFrequency = kDefaultMinimumFrequency; }

    ProfileSettings Load(const std::string& path) {
        IniProfileStore store(path);
        ScriptedComPortChooser chooser;
        ProfileSettings settings;
        LoadProfileSettings(store, chooser, settings);
        return settings;
    }

    // A start on the file at path and the exit save into it; the settings as that run had them.
    ProfileSettings RunOnce(const std::string& path) {
        IniProfileStore store(path);
        ScriptedComPortChooser chooser;
        ProfileSettings settings;
        LoadProfileSettings(store, chooser, settings);
        SaveProfileSettings(store, settings);
        EXPECT_EQ(store.Flush(), 0);
        return settings;
    }

    TempDir dir;
};

class ProfileValueRoundTripTest : public ProfileRoundTripTest,
                                  public testing::WithParamInterface<ValueCase> {};

TEST_P(ProfileValueRoundTripTest, StationFileReadsBackAfterTheExitSave) {
    const std::string path = dir.File("zorivan.INI");
    const std::string end = GetParam().lineEnd;
    ASSERT_TRUE(WriteWholeFile(path, "[RadioSettings]" + end + GetParam().fileLine + end));

    const ProfileSettings first = RunOnce(path);
    EXPECT_EQ(Load(path).StationFile, first.StationFile);
}

INSTANTIATE_TEST_SUITE_P(
    StationFilePaths, ProfileValueRoundTripTest,
    testing::Values(ValueCase{"CarriageReturnInsideLf", "StationFile=/home/u/a\rb.tts", "\n"},
                    ValueCase{"CarriageReturnInsideCrLf", "StationFile=/home/u/a\rb.tts", "\r\n"},
                    ValueCase{"EqualsSignThenCarriageReturn",
                              "StationFile==3\r/hoMe/user/stations.tts", "\n"}),
    RowName());

struct WindowPosCase {
    const char* name;
    const char* text;
};

class WindowPosRoundTripTest : public ProfileRoundTripTest,
                               public testing::WithParamInterface<WindowPosCase> {};

TEST_P(WindowPosRoundTripTest, PlacementReadsBackAfterTheExitSave) {
    const std::string path = dir.File("zorivan.INI");
    ASSERT_TRUE(WriteWholeFile(path, std::string("[Window]\nWindowPos=") + GetParam().text + "\n"));
    const ProfileSettings first = RunOnce(path);
    ASSERT_EQ(first.WindowPos.length, 44);
    EXPECT_EQ(FormatWindowPos(Load(path).WindowPos), FormatWindowPos(first.WindowPos));
}

INSTANTIATE_TEST_SUITE_P(
    Placements, WindowPosRoundTripTest,
    testing::Values(WindowPosCase{"NegativeShowCommand", "1,-1,1,1,1,1,1,1,1,1"},
                    WindowPosCase{"NegativeFlags", "-2,1,1,1,1,1,1,1,1,1"},
                    WindowPosCase{"FlagsBeyond32Bits", "99999999999,1,1,1,1,1,1,1,1,1"}),
    RowName());

}  // namespace
