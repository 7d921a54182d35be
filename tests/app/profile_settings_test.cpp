#include "app/profile_settings.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "app/ini_profile.h"
#include "base/minimum_frequency.h"
#include "link/com_port_map.h"
#include "support/memory_profile_store.h"
#include "support/row_name.h"
#include "support/scripted_com_port_chooser.h"
#include "support/temp_dir.h"

namespace {

// Every field away from its default, so that a load that forgets a field shows.
ProfileSettings Scrambled() {
    ProfileSettings s;
    for (int* field : {&s.Frequency,
                       &s.SteppingSpeed,
                       &s.TuningStepSize,
                       &s.Mode,
                       &s.AGC,
                       &s.Filter,
                       &s.PBShiftActive,
                       &s.PBShift,
                       &s.DisplaySignalStrength,
                       &s.SquelchLevel,
                       &s.UseSquelchLevel,
                       &s.VolumeLevel,
                       &s.VolumeOn,
                       &s.LineLevel,
                       &s.LineOn,
                       &s.ComPort,
                       &s.CWFrequency,
                       &s.FrequencyForCorrection,
                       &s.FrequencyForCorrection2,
                       &s.CorrectionFrequency,
                       &s.CorrectionFrequency2,
                       &s.DisplayMHz,
                       &s.TuningTimeSlow,
                       &s.TuningTimeFast,
                       &s.SignalLog}) {
        *field = 12345;
    }
    s.StationFile = "junk";
    s.ScheduleFile = "junk";
    s.SignalLogFile = "junk";
    s.WindowPos.length = 44;
    return s;
}

// Valid values, none of them a default.
ProfileSettings Distinct() {
    ProfileSettings s;
    s.Frequency = 9650000;
    s.SteppingSpeed = 1;
    s.TuningStepSize = 3;
    s.Mode = 2;
    s.AGC = 3;
    s.Filter = 5;
    s.PBShiftActive = 1;
    s.PBShift = -250;
    s.DisplaySignalStrength = 1;
    s.SquelchLevel = 40;
    s.UseSquelchLevel = 1;
    s.VolumeLevel = 30;
    s.VolumeOn = 0;
    s.LineLevel = 50;
    s.LineOn = 0;
    s.StationFile = "/home/user/short wave.tts";
    s.ComPort = 3;
    s.CWFrequency = -800;
    s.FrequencyForCorrection = 6000000;
    s.FrequencyForCorrection2 = 21000000;
    s.CorrectionFrequency = 120;
    s.CorrectionFrequency2 = -80;
    s.DisplayMHz = 1;
    s.TuningTimeSlow = 3000;
    s.TuningTimeFast = 300;
    s.WindowPos = ParseWindowPos("2,1,-1,-1,-1,-1,10,20,500,400");
    s.Ports.SetPath(2, "/dev/ttyUSB0");
    s.ScheduleFile = "/home/user/sked b25.csv";
    s.SignalLog = 1;
    s.SignalLogFile = "/home/user/signal log.csv";
    return s;
}

class ProfileSettingsTest : public ::testing::Test {
  protected:
    void SetUp() override { MinimumFrequency = kDefaultMinimumFrequency; }
    void TearDown() override { MinimumFrequency = kDefaultMinimumFrequency; }

    ProfileSettings Load() {
        ProfileSettings settings = Scrambled();
        LoadProfileSettings(store, chooser, settings);
        return settings;
    }

    MemoryProfileStore store;
    ScriptedComPortChooser chooser;
};

TEST_F(ProfileSettingsTest, EmptyProfileGivesEveryDefaultAndAsksForThePort) {
    chooser.answer = 0;
    const ProfileSettings s = Load();
    EXPECT_EQ(chooser.asked, 1);
    EXPECT_EQ(s.ComPort, 1);
    EXPECT_EQ(s.Frequency, 6075000);
    EXPECT_EQ(s.SteppingSpeed, 0);
    EXPECT_EQ(s.TuningStepSize, 7);
    EXPECT_EQ(s.Mode, 0);
    EXPECT_EQ(s.AGC, 2);
    EXPECT_EQ(s.Filter, 28);
    EXPECT_EQ(s.PBShiftActive, 0);
    EXPECT_EQ(s.PBShift, 0);
    EXPECT_EQ(s.DisplaySignalStrength, 1);
    EXPECT_EQ(s.SquelchLevel, 0);
    EXPECT_EQ(s.UseSquelchLevel, 0);
    EXPECT_EQ(s.VolumeLevel, 16);
    EXPECT_EQ(s.VolumeOn, 1);
    EXPECT_EQ(s.LineLevel, 16);
    EXPECT_EQ(s.LineOn, 1);
    EXPECT_EQ(s.StationFile, "");
    EXPECT_EQ(s.ScheduleFile, "");
    EXPECT_EQ(s.SignalLog, 0);
    EXPECT_EQ(s.SignalLogFile, "");
    EXPECT_EQ(s.CWFrequency, 700);
    EXPECT_EQ(s.FrequencyForCorrection, 5000000);
    EXPECT_EQ(s.FrequencyForCorrection2, 15000000);
    EXPECT_EQ(s.CorrectionFrequency, 0);
    EXPECT_EQ(s.CorrectionFrequency2, 0);
    EXPECT_EQ(s.DisplayMHz, 0);
    EXPECT_EQ(s.TuningTimeSlow, 2000);
    EXPECT_EQ(s.TuningTimeFast, 500);
    EXPECT_EQ(s.WindowPos.length, 0);
    EXPECT_EQ(MinimumFrequency, 100000);
    EXPECT_TRUE(store.writes.empty());
    EXPECT_EQ(store.flushes, 0);
    for (int port = 1; port <= 4; ++port) {
        EXPECT_EQ(s.Ports.PathOf(port), ComPortMap::DefaultPath(port));
    }
}

struct ComPortCase {
    const char* name;
    const char* stored;  // nullptr: no key
    int answer;          // the chooser's index
    bool asked;
    int expected;
};

class ComPortTest : public ProfileSettingsTest,
                    public ::testing::WithParamInterface<ComPortCase> {};

TEST_P(ComPortTest, AsksOnlyWithoutAUsablePort) {
    if (GetParam().stored != nullptr) store.Set("Configuration", "ComPort", GetParam().stored);
    chooser.answer = GetParam().answer;
    EXPECT_EQ(Load().ComPort, GetParam().expected);
    EXPECT_EQ(chooser.asked, GetParam().asked ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Ports, ComPortTest,
    ::testing::Values(ComPortCase{"Missing", nullptr, 2, true, 3},
                      ComPortCase{"Zero", "0", 2, true, 3}, ComPortCase{"Five", "5", 3, true, 4},
                      ComPortCase{"NotANumber", "COM2", 1, true, 2},
                      ComPortCase{"Four", "4", 2, false, 4}, ComPortCase{"One", "1", 2, false, 1},
                      ComPortCase{"ChooserClosedGivesCom1", "9", 0, true, 1},
                      ComPortCase{"ChooserOutOfRangeGivesCom1", "9", 7, true, 1}),
    RowName());

struct CorrectionCase {
    const char* name;
    std::optional<int> minimum;  // stored MinimumFrequency
    int point1, point2, correction1, correction2;
    int expectedPoint1, expectedPoint2, expectedCorrection1, expectedCorrection2;
};

class CorrectionTest : public ProfileSettingsTest,
                       public ::testing::WithParamInterface<CorrectionCase> {};

TEST_P(CorrectionTest, PairRules) {
    const CorrectionCase& c = GetParam();
    if (c.minimum) store.WriteInt("Configuration", "MinimumFrequency", *c.minimum);
    store.WriteInt("Configuration", "FrequencyForCorrection", c.point1);
    store.WriteInt("Configuration", "FrequencyForCorrection2", c.point2);
    store.WriteInt("Configuration", "CorrectionFrequency", c.correction1);
    store.WriteInt("Configuration", "CorrectionFrequency2", c.correction2);
    const ProfileSettings s = Load();
    EXPECT_EQ(s.FrequencyForCorrection, c.expectedPoint1);
    EXPECT_EQ(s.FrequencyForCorrection2, c.expectedPoint2);
    EXPECT_EQ(s.CorrectionFrequency, c.expectedCorrection1);
    EXPECT_EQ(s.CorrectionFrequency2, c.expectedCorrection2);
}

constexpr int kP1 = 5000000, kP2 = 15000000;

INSTANTIATE_TEST_SUITE_P(
    Points, CorrectionTest,
    ::testing::Values(
        CorrectionCase{
            "FarApartKept", {}, 7000000, 14000000, 100, 200, 7000000, 14000000, 100, 200},
        CorrectionCase{
            "ExactlyFiveMHzApartKept", {}, 5000000, 10000000, 10, 20, 5000000, 10000000, 10, 20},
        CorrectionCase{
            "ThreeMHzApartReplacedByDefaults", {}, 7000000, 10000000, 100, 200, kP1, kP2, 100, 100},
        CorrectionCase{"OnlyFirstPointSet", {}, 7000000, -1, 100, 50, kP1, kP2, 100, 100},
        CorrectionCase{"OnlySecondPointSet", {}, -1, 20000000, -40, 50, kP1, kP2, -40, -40},
        CorrectionCase{"PointAbove30MHzDropped", {}, 7000000, 30000001, 30, 0, kP1, kP2, 30, 30},
        CorrectionCase{"PointAt30MHzKept", {}, 7000000, 30000000, 30, 0, 7000000, 30000000, 30, 0},
        CorrectionCase{
            "PointBelowDefaultMinimumDropped", {}, 50000, 20000000, 10, 20, kP1, kP2, 10, 10},
        // The configured limit counts, not the value the profile started with.
        CorrectionCase{"PointAboveConfiguredMinimumKept", 10000, 50000, 20000000, 10, 20, 50000,
                       20000000, 10, 20},
        CorrectionCase{"CorrectionsSixHundredApartReset",
                       {},
                       7000000,
                       14000000,
                       300,
                       -300,
                       7000000,
                       14000000,
                       0,
                       0},
        CorrectionCase{"CorrectionsFiveHundredApartKept",
                       {},
                       7000000,
                       14000000,
                       250,
                       -250,
                       7000000,
                       14000000,
                       250,
                       -250},
        CorrectionCase{"CorrectionsResetThenDefaultPoints", {}, -1, -1, 300, -300, kP1, kP2, 0, 0},
        CorrectionCase{"CorrectionOutOfRangeIsZero",
                       {},
                       7000000,
                       14000000,
                       1001,
                       400,
                       7000000,
                       14000000,
                       0,
                       400},
        CorrectionCase{"NegativeCorrectionOutOfRangeIsZero",
                       {},
                       7000000,
                       14000000,
                       -200,
                       -1001,
                       7000000,
                       14000000,
                       -200,
                       0}),
    RowName());

struct RangeCase {
    const char* name;
    const char* section;
    int ProfileSettings::*field;
    int defaultValue, lowest, highest;
};

class RangeTest : public ProfileSettingsTest, public ::testing::WithParamInterface<RangeCase> {
  protected:
    int LoadStored(const std::string& text) {
        store.Set(GetParam().section, GetParam().name, text);
        return Load().*GetParam().field;
    }
};

TEST_P(RangeTest, ValuesOutsideTheRangeGiveTheDefault) {
    const RangeCase& c = GetParam();
    EXPECT_EQ(LoadStored(std::to_string(c.lowest)), c.lowest);
    EXPECT_EQ(LoadStored(std::to_string(c.highest)), c.highest);
    EXPECT_EQ(LoadStored(std::to_string(c.lowest - 1)), c.defaultValue);
    EXPECT_EQ(LoadStored(std::to_string(c.highest + 1)), c.defaultValue);
    EXPECT_EQ(LoadStored("none"), c.defaultValue);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, RangeTest,
    ::testing::Values(
        RangeCase{"Frequency", "RadioSettings", &ProfileSettings::Frequency, 6075000, 100000,
                  30000000},
        RangeCase{"TuningStepSize", "RadioSettings", &ProfileSettings::TuningStepSize, 7, 0, 11},
        RangeCase{"Mode", "RadioSettings", &ProfileSettings::Mode, 0, 0, 3},
        RangeCase{"AGC", "RadioSettings", &ProfileSettings::AGC, 2, 1, 3},
        RangeCase{"Filter", "RadioSettings", &ProfileSettings::Filter, 28, 0, 35},
        RangeCase{"PBShift", "RadioSettings", &ProfileSettings::PBShift, 0, -1000, 1000},
        RangeCase{"SquelchLevel", "RadioSettings", &ProfileSettings::SquelchLevel, 0, 0, 90},
        RangeCase{"VolumeLevel", "RadioSettings", &ProfileSettings::VolumeLevel, 16, 0, 63},
        RangeCase{"LineLevel", "RadioSettings", &ProfileSettings::LineLevel, 16, 0, 63},
        RangeCase{"CWFrequency", "Configuration", &ProfileSettings::CWFrequency, 700, -15000,
                  15000},
        RangeCase{"TuningTimeSlow", "Configuration", &ProfileSettings::TuningTimeSlow, 2000, 500,
                  5000},
        RangeCase{"TuningTimeFast", "Configuration", &ProfileSettings::TuningTimeFast, 500, 200,
                  1000}),
    RowName());

struct FlagCase {
    const char* name;
    const char* section;
    int ProfileSettings::*field;
    int defaultValue;
};

class FlagTest : public ProfileSettingsTest, public ::testing::WithParamInterface<FlagCase> {};

TEST_P(FlagTest, AnyNonzeroValueIsOne) {
    const FlagCase& c = GetParam();
    const std::vector<std::pair<std::string, int>> stored = {
        {"0", 0}, {"1", 1}, {"7", 1}, {"-3", 1}, {"junk", c.defaultValue}};
    for (const auto& [text, expected] : stored) {
        store.Set(c.section, c.name, text);
        EXPECT_EQ(Load().*c.field, expected) << "stored " << text;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Fields, FlagTest,
    ::testing::Values(
        FlagCase{"SteppingSpeed", "RadioSettings", &ProfileSettings::SteppingSpeed, 0},
        FlagCase{"PBShiftActive", "RadioSettings", &ProfileSettings::PBShiftActive, 0},
        FlagCase{"DisplaySignalStrength", "RadioSettings", &ProfileSettings::DisplaySignalStrength,
                 1},
        FlagCase{"VolumeOn", "RadioSettings", &ProfileSettings::VolumeOn, 1},
        FlagCase{"LineOn", "RadioSettings", &ProfileSettings::LineOn, 1},
        FlagCase{"DisplayMHz", "Configuration", &ProfileSettings::DisplayMHz, 0}),
    RowName());

struct SquelchCase {
    const char* name;
    const char* useSquelch;
    const char* displaySignal;  // nullptr: no key
    int expected;
};

class SquelchTest : public ProfileSettingsTest,
                    public ::testing::WithParamInterface<SquelchCase> {};

TEST_P(SquelchTest, SquelchNeedsTheSignalStrength) {
    store.Set("RadioSettings", "UseSquelchLevel", GetParam().useSquelch);
    if (GetParam().displaySignal != nullptr) {
        store.Set("RadioSettings", "DisplaySignalStrength", GetParam().displaySignal);
    }
    EXPECT_EQ(Load().UseSquelchLevel, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Rule, SquelchTest,
                         ::testing::Values(SquelchCase{"OnWithSignalShown", "1", "1", 1},
                                           SquelchCase{"OnWithSignalHidden", "1", "0", 0},
                                           SquelchCase{"AnyNonzeroWithSignalByDefault", "5",
                                                       nullptr, 1},
                                           SquelchCase{"OnWithSignalFlagSeven", "1", "7", 1},
                                           SquelchCase{"Off", "0", "1", 0}),
                         RowName());

struct MinimumCase {
    const char* name;
    const char* storedMinimum;    // nullptr: no key
    const char* storedFrequency;  // nullptr: no key
    int expectedMinimum;
    int expectedFrequency;
};

class MinimumFrequencyTest : public ProfileSettingsTest,
                             public ::testing::WithParamInterface<MinimumCase> {};

TEST_P(MinimumFrequencyTest, ClampsTheLimitAndChecksTheFrequencyAgainstIt) {
    if (GetParam().storedMinimum)
        store.Set("Configuration", "MinimumFrequency", GetParam().storedMinimum);
    if (GetParam().storedFrequency)
        store.Set("RadioSettings", "Frequency", GetParam().storedFrequency);
    MinimumFrequency = 55555;  // whatever the limit was before, the load sets it
    const ProfileSettings s = Load();
    EXPECT_EQ(MinimumFrequency, GetParam().expectedMinimum);
    EXPECT_EQ(s.Frequency, GetParam().expectedFrequency);
}

INSTANTIATE_TEST_SUITE_P(
    Limits, MinimumFrequencyTest,
    ::testing::Values(
        MinimumCase{"BelowRangeGives10kHz", "5000", nullptr, 10000, 6075000},
        MinimumCase{"AboveRangeGives100kHz", "250000", nullptr, 100000, 6075000},
        MinimumCase{"MissingGives100kHz", nullptr, nullptr, 100000, 6075000},
        MinimumCase{"NotANumberGives100kHz", "low", nullptr, 100000, 6075000},
        MinimumCase{"InRangeTaken", "47000", nullptr, 47000, 6075000},
        MinimumCase{"FrequencyAboveLowLimitKept", "10000", "50000", 10000, 50000},
        MinimumCase{"FrequencyBelowDefaultLimitReset", nullptr, "50000", 100000, 6075000},
        MinimumCase{"FrequencyAtLimitKept", "47000", "47000", 47000, 47000},
        MinimumCase{"FrequencyJustBelowLimitReset", "47000", "46999", 47000, 6075000}),
    RowName());

struct WindowPosCase {
    const char* name;
    const char* text;
    bool valid;
    int left, top;
};

class WindowPosTest : public ::testing::TestWithParam<WindowPosCase> {};

TEST_P(WindowPosTest, ParsesTenFieldsOrNothing) {
    const WindowPlacement p = ParseWindowPos(GetParam().text);
    EXPECT_EQ(p.length, GetParam().valid ? 44 : 0);
    if (GetParam().valid) {
        EXPECT_EQ(p.left, GetParam().left);
        EXPECT_EQ(p.top, GetParam().top);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, WindowPosTest,
    ::testing::Values(
        WindowPosCase{"TenValues", "2,1,-1,-1,-1,-1,10,20,500,400", true, 10, 20},
        WindowPosCase{"ThreeValues", "2,1,-1", false, 0, 0},
        WindowPosCase{"NineValues", "2,1,-1,-1,-1,-1,10,20,500", false, 0, 0},
        WindowPosCase{"Empty", "", false, 0, 0},
        WindowPosCase{"BlanksAfterCommasAllowed", "2, 1, -1, -1, -1, -1, 10, 20, 500, 400", true,
                      10, 20},
        WindowPosCase{"BlankBeforeCommaStops", "2 ,1,-1,-1,-1,-1,10,20,500,400", false, 0, 0},
        WindowPosCase{"EmptyFieldStops", "2,,1,-1,-1,-1,-1,10,20,500,400", false, 0, 0},
        WindowPosCase{"TextAfterTenthIgnored", "2,1,-1,-1,-1,-1,10,20,500,400xyz,7", true, 10, 20},
        WindowPosCase{"JunkInsideStops", "2,1,-1,-1,-1,-1,1x0,20,500,400", false, 0, 0}),
    RowName());

TEST(WindowPos, FormatsTheTenFieldsAndNothingForAnInvalidRecord) {
    WindowPlacement p = ParseWindowPos("2,1,-1,-1,-1,-1,10,20,500,400");
    EXPECT_EQ(FormatWindowPos(p), "2,1,-1,-1,-1,-1,10,20,500,400");
    p.length = 0;
    EXPECT_EQ(FormatWindowPos(p), "");
    // "%u" fields hold a -1 as the unsigned value it is on the host.
    EXPECT_EQ(ParseWindowPos("-1,0,0,0,0,0,0,0,0,0").flags, 4294967295u);
}

TEST_F(ProfileSettingsTest, PortsSectionMapsEachComPortToADevice) {
    store.Set("Ports", "COM1", "/dev/ttyUSB0");
    store.Set("ports", "com3", "/dev/pts/7");
    store.Set("Ports", "COM2", "");
    const ProfileSettings s = Load();
    EXPECT_EQ(s.Ports.PathOf(1), "/dev/ttyUSB0");
    EXPECT_EQ(s.Ports.PathOf(2), ComPortMap::DefaultPath(2));
    EXPECT_EQ(s.Ports.PathOf(3), "/dev/pts/7");
    EXPECT_EQ(s.Ports.PathOf(4), ComPortMap::DefaultPath(4));
}

TEST_F(ProfileSettingsTest, StoredWindowPositionAndStationFileAreTaken) {
    store.Set("Window", "WindowPos", "2,1,-1,-1,-1,-1,10,20,500,400");
    store.Set("RadioSettings", "StationFile", "/srv/list.tts");
    const ProfileSettings s = Load();
    EXPECT_EQ(s.WindowPos.length, 44);
    EXPECT_EQ(s.WindowPos.left, 10);
    EXPECT_EQ(s.WindowPos.top, 20);
    EXPECT_EQ(s.StationFile, "/srv/list.tts");
}

TEST_F(ProfileSettingsTest, SaveWritesEveryKeyButTheMinimumInOrderAndFlushes) {
    ProfileSettings s = Distinct();
    s.Frequency = 50;  // written as held, not checked
    SaveProfileSettings(store, s);
    std::vector<std::string> written;
    for (const auto& w : store.writes) written.push_back(w.section + "/" + w.key + "=" + w.value);
    const std::vector<std::string> expected = {
        "Window/WindowPos=2,1,-1,-1,-1,-1,10,20,500,400",
        "Configuration/ComPort=3",
        "Configuration/CWFrequency=-800",
        "Configuration/FrequencyForCorrection=6000000",
        "Configuration/FrequencyForCorrection2=21000000",
        "Configuration/CorrectionFrequency=120",
        "Configuration/CorrectionFrequency2=-80",
        "Configuration/DisplayMHz=1",
        "Configuration/TuningTimeSlow=3000",
        "Configuration/TuningTimeFast=300",
        "RadioSettings/Frequency=50",
        "RadioSettings/SteppingSpeed=1",
        "RadioSettings/TuningStepSize=3",
        "RadioSettings/Mode=2",
        "RadioSettings/AGC=3",
        "RadioSettings/Filter=5",
        "RadioSettings/PBShiftActive=1",
        "RadioSettings/PBShift=-250",
        "RadioSettings/DisplaySignalStrength=1",
        "RadioSettings/SquelchLevel=40",
        "RadioSettings/UseSquelchLevel=1",
        "RadioSettings/VolumeLevel=30",
        "RadioSettings/VolumeOn=0",
        "RadioSettings/LineLevel=50",
        "RadioSettings/LineOn=0",
        "RadioSettings/StationFile=/home/user/short wave.tts",
        "Ports/COM1=" + ComPortMap::DefaultPath(1),
        "Ports/COM2=/dev/ttyUSB0",
        "Ports/COM3=" + ComPortMap::DefaultPath(3),
        "Ports/COM4=" + ComPortMap::DefaultPath(4),
        "Schedule/File=/home/user/sked b25.csv",
        "Remote/Enabled=0",
        "Remote/Address=127.0.0.1",
        "Remote/Port=4532",
        "Log/SignalLog=1",
        "Log/SignalLogFile=/home/user/signal log.csv",
    };
    EXPECT_EQ(written, expected);
    EXPECT_EQ(store.flushes, 1);
}

TEST_F(ProfileSettingsTest, InvalidWindowPositionIsSavedEmpty) {
    ProfileSettings s = Distinct();
    s.WindowPos.length = 0;
    SaveProfileSettings(store, s);
    EXPECT_TRUE(store.Has("Window", "WindowPos"));
    EXPECT_EQ(store.Get("Window", "WindowPos"), "");
}

TEST_F(ProfileSettingsTest, SavedSettingsLoadBackUnchangedFromTheIniFile) {
    TempDir dir;
    const std::string path = dir.File("zorivan.INI");
    {
        IniProfileStore ini(path);
        SaveProfileSettings(ini, Distinct());
    }
    IniProfileStore ini(path);
    ProfileSettings loaded = Scrambled();
    LoadProfileSettings(ini, chooser, loaded);
    EXPECT_EQ(chooser.asked, 0);
    // Both records write the same keys and values exactly when every field came back.
    MemoryProfileStore original, reloaded;
    SaveProfileSettings(original, Distinct());
    SaveProfileSettings(reloaded, loaded);
    ASSERT_EQ(reloaded.writes.size(), original.writes.size());
    for (std::size_t i = 0; i < original.writes.size(); ++i) {
        EXPECT_EQ(reloaded.writes[i].value, original.writes[i].value) << original.writes[i].key;
    }
}

TEST_F(ProfileSettingsTest, SaveKeepsTheUsersMinimumCommentsAndForeignSections) {
    TempDir dir;
    const std::string path = dir.File("zorivan.INI");
    ASSERT_TRUE(WriteWholeFile(path,
                               "; my receiver\r\n"
                               "[Configuration]\r\n"
                               "MinimumFrequency=20000\r\n"
                               "ComPort=2\r\n"
                               "[Logbook]\r\n"
                               "Owner=DL0ABC\r\n"));
    {
        IniProfileStore ini(path);
        ProfileSettings s;
        LoadProfileSettings(ini, chooser, s);
        EXPECT_EQ(MinimumFrequency, 20000);
        s.Frequency = 25000;
        SaveProfileSettings(ini, s);
    }
    const std::string text = ReadWholeFile(path);
    EXPECT_EQ(text.rfind(
                  "; my receiver\r\n[Configuration]\r\nMinimumFrequency=20000\r\nComPort=2\r\n", 0),
              0u);
    EXPECT_NE(text.find("\r\n[Logbook]\r\nOwner=DL0ABC\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\nFrequency=25000\r\n"), std::string::npos);
    EXPECT_EQ(text.find("MinimumFrequency"), text.rfind("MinimumFrequency"));
    for (std::size_t i = text.find('\n'); i != std::string::npos; i = text.find('\n', i + 1)) {
        ASSERT_EQ(text[i - 1], '\r') << "bare line feed at " << i;
    }
}

}  // namespace
