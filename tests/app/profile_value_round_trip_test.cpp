// Whatever value the profile reader hands out, the settings saved at exit write back unchanged,
// so the next start reads the same. A carriage return inside a line is no line end to the
// reader (only LF is, with a CR in front of it), yet the writer cut values at it: a station-file
// path read as "a<CR>b.tts" was saved as "a" and lost at the next start. Found by
// fuzz/profile_fuzz.cpp.

#include <gtest/gtest.h>

#include <string>

#include "app/ini_profile.h"
#include "base/minimum_frequency.h"
#include "app/profile_settings.h"
#include "support/scripted_com_port_chooser.h"
#include "support/temp_dir.h"

namespace {

struct ValueCase {
    const char* name;
    const char* fileLine;  // the StationFile line as the file holds it, without its line end
    const char* lineEnd;
};

class ProfileValueRoundTripTest : public testing::TestWithParam<ValueCase> {
  protected:
    void TearDown() override { MinimumFrequency = kDefaultMinimumFrequency; }

    ProfileSettings Load(const std::string& path) {
        IniProfileStore store(path);
        ScriptedComPortChooser chooser;
        ProfileSettings settings;
        LoadProfileSettings(store, chooser, settings);
        return settings;
    }

    TempDir dir;
};

TEST_P(ProfileValueRoundTripTest, StationFileReadsBackAfterTheExitSave) {
    const std::string path = dir.File("zorivan.INI");
    const std::string end = GetParam().lineEnd;
    ASSERT_TRUE(WriteWholeFile(path, "[RadioSettings]" + end + GetParam().fileLine + end));

    ProfileSettings first;
    {
        IniProfileStore store(path);
        ScriptedComPortChooser chooser;
        LoadProfileSettings(store, chooser, first);
        SaveProfileSettings(store, first);
        ASSERT_EQ(store.Flush(), 0);
    }
    EXPECT_EQ(Load(path).StationFile, first.StationFile);
}

INSTANTIATE_TEST_SUITE_P(
    StationFilePaths, ProfileValueRoundTripTest,
    testing::Values(ValueCase{"CarriageReturnInsideLf", "StationFile=/home/u/a\rb.tts", "\n"},
                    ValueCase{"CarriageReturnInsideCrLf", "StationFile=/home/u/a\rb.tts", "\r\n"},
                    ValueCase{"EqualsSignThenCarriageReturn", "StationFile==3\r/hoMe/user/stations.tts", "\n"}),
    [](const testing::TestParamInfo<ValueCase>& row) { return std::string(row.param.name); });

}  // namespace
