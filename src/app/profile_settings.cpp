#include "app/profile_settings.h"

#include <cstdio>
#include <cstdlib>

#include "base/minimum_frequency.h"
#include "app/profile_store.h"
#include "link/filter_table.h"
#include "base/number_text.h"

namespace {

constexpr const char* kRadio = "RadioSettings";
constexpr const char* kConfiguration = "Configuration";
constexpr const char* kWindow = "Window";
constexpr const char* kPorts = "Ports";

constexpr int kPlacementFields = 10;
// Correction points closer than this cannot define a slope worth trusting.
constexpr int kMinimumPointDistanceHz = 5000000;
// Two corrections further apart than this mean one of them is wrong.
constexpr int kMaximumCorrectionDifferenceHz = 500;
constexpr int kDefaultFirstPointHz = 5000000;
constexpr int kDefaultSecondPointHz = 15000000;

int ReadRanged(ProfileStore& store, const char* section, const char* key, int defaultValue,
               int lowest, int highest) {
    const int value = store.ReadInt(section, key, defaultValue);
    return (value < lowest || value > highest) ? defaultValue : value;
}

int ReadFlag(ProfileStore& store, const char* section, const char* key, int defaultValue) {
    return store.ReadInt(section, key, defaultValue) != 0 ? 1 : 0;
}

// A negative point means "not set"; a set point outside the tuning range is dropped.
int ReadCorrectionPoint(ProfileStore& store, const char* key) {
    const int point = store.ReadInt(kConfiguration, key, -1);
    if (point >= 0 && (point < MinimumFrequency || point > kMaximumFrequency)) return -1;
    return point;
}

int ReadMinimumFrequency(ProfileStore& store) {
    const int value = store.ReadInt(kConfiguration, "MinimumFrequency", kDefaultMinimumFrequency);
    if (value < kLowestMinimumFrequency) return kLowestMinimumFrequency;
    if (value > kDefaultMinimumFrequency) return kDefaultMinimumFrequency;
    return value;
}

void LoadCorrection(ProfileStore& store, ProfileSettings& settings) {
    settings.FrequencyForCorrection = ReadCorrectionPoint(store, "FrequencyForCorrection");
    settings.FrequencyForCorrection2 = ReadCorrectionPoint(store, "FrequencyForCorrection2");
    if (settings.FrequencyForCorrection >= 0 && settings.FrequencyForCorrection2 >= 0 &&
        std::abs(static_cast<long long>(settings.FrequencyForCorrection) -
                 settings.FrequencyForCorrection2) < kMinimumPointDistanceHz) {
        settings.FrequencyForCorrection = -1;
        settings.FrequencyForCorrection2 = -1;
    }
    settings.CorrectionFrequency =
        ReadRanged(store, kConfiguration, "CorrectionFrequency", 0, -1000, 1000);
    settings.CorrectionFrequency2 =
        ReadRanged(store, kConfiguration, "CorrectionFrequency2", 0, -1000, 1000);
    if (std::abs(settings.CorrectionFrequency - settings.CorrectionFrequency2) >
        kMaximumCorrectionDifferenceHz) {
        settings.CorrectionFrequency = 0;
        settings.CorrectionFrequency2 = 0;
    }
    // Without two usable points the correction is one constant over the whole range.
    if (settings.FrequencyForCorrection < 0 || settings.FrequencyForCorrection2 < 0) {
        settings.FrequencyForCorrection = kDefaultFirstPointHz;
        settings.FrequencyForCorrection2 = kDefaultSecondPointHz;
        settings.CorrectionFrequency2 = settings.CorrectionFrequency;
    }
}

void LoadConfiguration(ProfileStore& store, ComPortChooser& chooser, ProfileSettings& settings) {
    settings.ComPort = store.ReadInt(kConfiguration, "ComPort", 0);
    if (settings.ComPort < 1 || settings.ComPort > ComPortMap::kPortCount) {
        const int index = chooser.ChooseComPort();
        settings.ComPort = (index >= 0 && index < ComPortMap::kPortCount) ? index + 1 : 1;
    }
    settings.CWFrequency = ReadRanged(store, kConfiguration, "CWFrequency", 700, -15000, 15000);
    LoadCorrection(store, settings);
    settings.DisplayMHz = ReadFlag(store, kConfiguration, "DisplayMHz", 0);
    settings.TuningTimeSlow = ReadRanged(store, kConfiguration, "TuningTimeSlow", 2000, 500, 5000);
    settings.TuningTimeFast = ReadRanged(store, kConfiguration, "TuningTimeFast", 500, 200, 1000);
}

void LoadRadioSettings(ProfileStore& store, ProfileSettings& settings) {
    settings.Frequency =
        ReadRanged(store, kRadio, "Frequency", 6075000, MinimumFrequency, kMaximumFrequency);
    settings.SteppingSpeed = ReadFlag(store, kRadio, "SteppingSpeed", 0);
    settings.TuningStepSize = ReadRanged(store, kRadio, "TuningStepSize", 7, 0, 11);
    settings.Mode = ReadRanged(store, kRadio, "Mode", 0, 0, 3);
    settings.AGC = ReadRanged(store, kRadio, "AGC", 2, 1, 3);
    settings.Filter = ReadRanged(store, kRadio, "Filter", FilterTable::kDefaultIndex, 0,
                                 FilterTable::kRowCount - 1);
    settings.PBShiftActive = ReadFlag(store, kRadio, "PBShiftActive", 0);
    settings.PBShift = ReadRanged(store, kRadio, "PBShift", 0, -1000, 1000);
    settings.DisplaySignalStrength = ReadFlag(store, kRadio, "DisplaySignalStrength", 1);
    settings.SquelchLevel = ReadRanged(store, kRadio, "SquelchLevel", 0, 0, 90);
    // Squelch works on the polled signal strength, so it cannot be on without it.
    settings.UseSquelchLevel =
        (store.ReadInt(kRadio, "UseSquelchLevel", 0) != 0 && settings.DisplaySignalStrength == 1)
            ? 1
            : 0;
    settings.VolumeLevel = ReadRanged(store, kRadio, "VolumeLevel", 16, 0, 63);
    settings.VolumeOn = ReadFlag(store, kRadio, "VolumeOn", 1);
    settings.LineLevel = ReadRanged(store, kRadio, "LineLevel", 16, 0, 63);
    settings.LineOn = ReadFlag(store, kRadio, "LineOn", 1);
    settings.StationFile = store.ReadString(kRadio, "StationFile", "");
}

std::string PortKey(int port) {
    return "COM" + std::to_string(port);
}

void LoadPorts(ProfileStore& store, ProfileSettings& settings) {
    for (int port = 1; port <= ComPortMap::kPortCount; ++port) {
        settings.Ports.SetPath(
            port, store.ReadString(kPorts, PortKey(port), ComPortMap::DefaultPath(port)));
    }
}

// One field of the placement text: "%u"/"%d" skips blanks and takes a sign and digits. Every
// field but the last must be followed directly by the comma; the last may be followed by anything.
bool IsPlacementField(const std::string& piece, bool isLast) {
    int ignored = 0;
    if (!ReadIntegerPrefix(piece, ignored)) return false;
    if (isLast) return true;
    const std::size_t firstDigit = piece.find_first_of("0123456789");
    return piece.find_first_not_of("0123456789", firstDigit) == std::string::npos;
}

// A "%u" field: a minus sign wraps the value around and a longer number keeps its low 32 bits, so
// that "-1" reads as 4294967295, the text it is written back as, and reads the same again.
unsigned ReadUnsignedField(const std::string& piece) {
    return static_cast<unsigned>(std::strtoull(piece.c_str(), nullptr, 10) & 0xFFFFFFFFu);
}

int ReadSignedField(const std::string& piece) {
    int value = 0;
    ReadIntegerPrefix(piece, value);
    return value;
}

}  // namespace

WindowPlacement ParseWindowPos(const std::string& text) {
    WindowPlacement placement;
    std::string fields[kPlacementFields];
    std::size_t start = 0;
    for (int i = 0; i < kPlacementFields; ++i) {
        if (start > text.size()) return placement;
        const bool isLast = i == kPlacementFields - 1;
        std::size_t comma = isLast ? std::string::npos : text.find(',', start);
        if (comma == std::string::npos) comma = text.size();
        fields[i] = text.substr(start, comma - start);
        if (!IsPlacementField(fields[i], isLast)) return placement;
        start = comma + 1;
    }
    placement.length = kValidPlacementLength;
    placement.flags = ReadUnsignedField(fields[0]);
    placement.showCmd = ReadUnsignedField(fields[1]);
    placement.minX = ReadSignedField(fields[2]);
    placement.minY = ReadSignedField(fields[3]);
    placement.maxX = ReadSignedField(fields[4]);
    placement.maxY = ReadSignedField(fields[5]);
    placement.left = ReadSignedField(fields[6]);
    placement.top = ReadSignedField(fields[7]);
    placement.right = ReadSignedField(fields[8]);
    placement.bottom = ReadSignedField(fields[9]);
    return placement;
}

std::string FormatWindowPos(const WindowPlacement& placement) {
    if (placement.length != kValidPlacementLength) return {};
    char text[160];
    std::snprintf(text, sizeof text, "%u,%u,%d,%d,%d,%d,%d,%d,%d,%d", placement.flags,
                  placement.showCmd, placement.minX, placement.minY, placement.maxX, placement.maxY,
                  placement.left, placement.top, placement.right, placement.bottom);
    return text;
}

void LoadProfileSettings(ProfileStore& store, ComPortChooser& chooser, ProfileSettings& settings) {
    // Read before anything that is checked against it, so that the correction points and the
    // frequency meet the limit the user configured.
    MinimumFrequency = ReadMinimumFrequency(store);
    settings.WindowPos = ParseWindowPos(store.ReadString(kWindow, "WindowPos", ""));
    LoadConfiguration(store, chooser, settings);
    LoadRadioSettings(store, settings);
    LoadPorts(store, settings);
    settings.ScheduleFile = store.ReadString("Schedule", "File", "");
}

void SaveProfileSettings(ProfileStore& store, const ProfileSettings& settings) {
    store.WriteString(kWindow, "WindowPos", FormatWindowPos(settings.WindowPos));

    store.WriteInt(kConfiguration, "ComPort", settings.ComPort);
    store.WriteInt(kConfiguration, "CWFrequency", settings.CWFrequency);
    store.WriteInt(kConfiguration, "FrequencyForCorrection", settings.FrequencyForCorrection);
    store.WriteInt(kConfiguration, "FrequencyForCorrection2", settings.FrequencyForCorrection2);
    store.WriteInt(kConfiguration, "CorrectionFrequency", settings.CorrectionFrequency);
    store.WriteInt(kConfiguration, "CorrectionFrequency2", settings.CorrectionFrequency2);
    store.WriteInt(kConfiguration, "DisplayMHz", settings.DisplayMHz);
    store.WriteInt(kConfiguration, "TuningTimeSlow", settings.TuningTimeSlow);
    store.WriteInt(kConfiguration, "TuningTimeFast", settings.TuningTimeFast);

    store.WriteInt(kRadio, "Frequency", settings.Frequency);
    store.WriteInt(kRadio, "SteppingSpeed", settings.SteppingSpeed);
    store.WriteInt(kRadio, "TuningStepSize", settings.TuningStepSize);
    store.WriteInt(kRadio, "Mode", settings.Mode);
    store.WriteInt(kRadio, "AGC", settings.AGC);
    store.WriteInt(kRadio, "Filter", settings.Filter);
    store.WriteInt(kRadio, "PBShiftActive", settings.PBShiftActive);
    store.WriteInt(kRadio, "PBShift", settings.PBShift);
    store.WriteInt(kRadio, "DisplaySignalStrength", settings.DisplaySignalStrength);
    store.WriteInt(kRadio, "SquelchLevel", settings.SquelchLevel);
    store.WriteInt(kRadio, "UseSquelchLevel", settings.UseSquelchLevel);
    store.WriteInt(kRadio, "VolumeLevel", settings.VolumeLevel);
    store.WriteInt(kRadio, "VolumeOn", settings.VolumeOn);
    store.WriteInt(kRadio, "LineLevel", settings.LineLevel);
    store.WriteInt(kRadio, "LineOn", settings.LineOn);
    store.WriteString(kRadio, "StationFile", settings.StationFile);

    // Written so that the user finds where each port leads and can change it.
    for (int port = 1; port <= ComPortMap::kPortCount; ++port) {
        store.WriteString(kPorts, PortKey(port), settings.Ports.PathOf(port));
    }
    store.WriteString("Schedule", "File", settings.ScheduleFile);
    store.Flush();
}
