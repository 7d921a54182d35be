#include "app/profile_keys.h"

#include <algorithm>
#include <cstdlib>

#include "app/profile_store.h"
#include "base/minimum_frequency.h"
#include "base/radio_limits.h"

namespace {

constexpr const char* kRadio = "RadioSettings";
constexpr const char* kConfiguration = "Configuration";
constexpr const char* kWindow = "Window";
constexpr const char* kPorts = "Ports";
constexpr const char* kSchedule = "Schedule";
constexpr const char* kRemote = "Remote";
constexpr const char* kLog = "Log";

// Stored meanings: no port chosen yet, and a correction point that is not set.
constexpr int kNoComPort = 0;
constexpr int kNoCorrectionPoint = -1;

using Kind = ProfileKeyKind;
using PS = ProfileSettings;

int InRangeOrDefault(int value, int defaultValue, int lowest, int highest) {
    return (value < lowest || value > highest) ? defaultValue : value;
}

int ReadNumber(const ProfileKey& row, ProfileStore& store) {
    return store.ReadInt(row.section, row.key, row.defaultValue);
}

void WriteNumber(const ProfileKey& row, ProfileStore& store, const ProfileSettings& settings) {
    store.WriteInt(row.section, row.key, settings.*row.number);
}

// Clamped rather than reset to the default: a limit typed past either end means that end.
void ReadMinimumFrequency(const ProfileKey& row, ProfileStore& store, ComPortChooser&,
                          ProfileSettings&) {
    MinimumFrequency = std::clamp(ReadNumber(row, store), row.lowest, row.highest);
}

void ReadWindowPos(const ProfileKey& row, ProfileStore& store, ComPortChooser&,
                   ProfileSettings& settings) {
    settings.WindowPos = ParseWindowPos(store.ReadString(row.section, row.key, row.defaultText));
}

void WriteWindowPos(const ProfileKey& row, ProfileStore& store, const ProfileSettings& settings) {
    store.WriteString(row.section, row.key, FormatWindowPos(settings.WindowPos));
}

// The one key that asks the user: without a usable port the program cannot start.
void ReadComPort(const ProfileKey& row, ProfileStore& store, ComPortChooser& chooser,
                 ProfileSettings& settings) {
    settings.ComPort = ReadNumber(row, store);
    if (settings.ComPort < row.lowest || settings.ComPort > row.highest) {
        const int index = chooser.ChooseComPort();
        settings.ComPort =
            (index >= 0 && index < ComPortMap::kPortCount) ? index + 1 : kDefaultComPort;
    }
}

void WriteComPort(const ProfileKey& row, ProfileStore& store, const ProfileSettings& settings) {
    store.WriteInt(row.section, row.key, settings.ComPort);
}

template <int port>
void ReadPortPath(const ProfileKey& row, ProfileStore& store, ComPortChooser&,
                  ProfileSettings& settings) {
    settings.Ports.SetPath(port,
                           store.ReadString(row.section, row.key, ComPortMap::DefaultPath(port)));
}

// Written so that the user finds where each port leads and can change it.
template <int port>
void WritePortPath(const ProfileKey& row, ProfileStore& store, const ProfileSettings& settings) {
    store.WriteString(row.section, row.key, settings.Ports.PathOf(port));
}

// Points closer than kCorrectionPointsMinimumApartHz cannot define a slope worth trusting.
void DropPointsTooClose(ProfileSettings& s) {
    if (s.FrequencyForCorrection >= 0 && s.FrequencyForCorrection2 >= 0 &&
        std::abs(static_cast<long long>(s.FrequencyForCorrection) - s.FrequencyForCorrection2) <
            kCorrectionPointsMinimumApartHz) {
        s.FrequencyForCorrection = kNoCorrectionPoint;
        s.FrequencyForCorrection2 = kNoCorrectionPoint;
    }
}

void SettleCorrection(ProfileSettings& s) {
    // Two corrections that far apart mean one of them is wrong.
    if (std::abs(s.CorrectionFrequency - s.CorrectionFrequency2) > kCorrectionsMaximumApartHz) {
        s.CorrectionFrequency = kDefaultCorrectionHz;
        s.CorrectionFrequency2 = kDefaultCorrectionHz;
    }
    // Without two usable points the correction is one constant over the whole range.
    if (s.FrequencyForCorrection < 0 || s.FrequencyForCorrection2 < 0) {
        s.FrequencyForCorrection = kDefaultCorrectionPoint1Hz;
        s.FrequencyForCorrection2 = kDefaultCorrectionPoint2Hz;
        s.CorrectionFrequency2 = s.CorrectionFrequency;
    }
}

// Squelch works on the polled signal strength, so it cannot be on without it.
void SquelchNeedsSignalStrength(ProfileSettings& s) {
    if (s.DisplaySignalStrength != 1) s.UseSquelchLevel = 0;
}

constexpr ProfileKey Ranged(const char* section, const char* key, int PS::*field, int defaultValue,
                            int lowest, int highest, ProfileKey::Settle settle = nullptr) {
    return {.section = section,
            .key = key,
            .kind = Kind::kRanged,
            .number = field,
            .defaultValue = defaultValue,
            .lowest = lowest,
            .highest = highest,
            .settle = settle};
}

constexpr ProfileKey Flag(const char* section, const char* key, int PS::*field, int defaultValue,
                          ProfileKey::Settle settle = nullptr) {
    return {.section = section,
            .key = key,
            .kind = Kind::kFlag,
            .number = field,
            .defaultValue = defaultValue,
            .settle = settle};
}

constexpr ProfileKey Frequency(const char* section, const char* key, int PS::*field,
                               int defaultValue, ProfileKey::Settle settle = nullptr) {
    return {.section = section,
            .key = key,
            .kind = Kind::kFrequency,
            .number = field,
            .defaultValue = defaultValue,
            .settle = settle};
}

constexpr ProfileKey Text(const char* section, const char* key, std::string PS::*field,
                          const char* defaultText = "") {
    return {.section = section,
            .key = key,
            .kind = Kind::kText,
            .text = field,
            .defaultText = defaultText};
}

// The range, when given, is the reader's to apply.
constexpr ProfileKey Special(const char* section, const char* key, ProfileKey::Reader read,
                             ProfileKey::Writer write, int defaultValue = 0, int lowest = 0,
                             int highest = 0) {
    return {.section = section,
            .key = key,
            .kind = Kind::kSpecial,
            .defaultValue = defaultValue,
            .lowest = lowest,
            .highest = highest,
            .read = read,
            .write = write};
}

constexpr ProfileKey::Writer kNeverWritten = nullptr;

constexpr ProfileKey kKeys[] = {
    // Read first, so that the frequencies below meet the limit the user configured. Only the
    // user sets it, by editing the profile.
    Special(kConfiguration, "MinimumFrequency", ReadMinimumFrequency, kNeverWritten,
            kDefaultMinimumFrequency, kLowestMinimumFrequency, kDefaultMinimumFrequency),
    Special(kWindow, "WindowPos", ReadWindowPos, WriteWindowPos),

    Special(kConfiguration, "ComPort", ReadComPort, WriteComPort, kNoComPort, 1,
            ComPortMap::kPortCount),
    Ranged(kConfiguration, "CWFrequency", &PS::CWFrequency, kDefaultCwFrequencyHz,
           -kCwFrequencyLimitHz, kCwFrequencyLimitHz),
    Frequency(kConfiguration, "FrequencyForCorrection", &PS::FrequencyForCorrection,
              kNoCorrectionPoint),
    Frequency(kConfiguration, "FrequencyForCorrection2", &PS::FrequencyForCorrection2,
              kNoCorrectionPoint, DropPointsTooClose),
    Ranged(kConfiguration, "CorrectionFrequency", &PS::CorrectionFrequency, kDefaultCorrectionHz,
           -kCorrectionLimitHz, kCorrectionLimitHz),
    Ranged(kConfiguration, "CorrectionFrequency2", &PS::CorrectionFrequency2, kDefaultCorrectionHz,
           -kCorrectionLimitHz, kCorrectionLimitHz, SettleCorrection),
    Flag(kConfiguration, "DisplayMHz", &PS::DisplayMHz, kDefaultDisplayMHz),
    Ranged(kConfiguration, "TuningTimeSlow", &PS::TuningTimeSlow, kDefaultTuningTimeSlowMs,
           kTuningTimeSlowMinMs, kTuningTimeSlowMaxMs),
    Ranged(kConfiguration, "TuningTimeFast", &PS::TuningTimeFast, kDefaultTuningTimeFastMs,
           kTuningTimeFastMinMs, kTuningTimeFastMaxMs),

    Frequency(kRadio, "Frequency", &PS::Frequency, kDefaultFrequency),
    Flag(kRadio, "SteppingSpeed", &PS::SteppingSpeed, kDefaultSteppingSpeed),
    Ranged(kRadio, "TuningStepSize", &PS::TuningStepSize, kDefaultStepIndex, 0, kStepCount - 1),
    Ranged(kRadio, "Mode", &PS::Mode, kDefaultMode, 0, kModeCount - 1),
    Ranged(kRadio, "AGC", &PS::AGC, kDefaultAgc, kAgcSlow, kAgcFast),
    Ranged(kRadio, "Filter", &PS::Filter, kDefaultFilterIndex, 0, kFilterRowCount - 1),
    Flag(kRadio, "PBShiftActive", &PS::PBShiftActive, kDefaultPassbandShiftActive),
    Ranged(kRadio, "PBShift", &PS::PBShift, kDefaultPassbandShiftHz, -kPassbandShiftLimitHz,
           kPassbandShiftLimitHz),
    Flag(kRadio, "DisplaySignalStrength", &PS::DisplaySignalStrength,
         kDefaultDisplaySignalStrength),
    Ranged(kRadio, "SquelchLevel", &PS::SquelchLevel, kDefaultSquelchLevelDb, kSquelchLevelMinDb,
           kSquelchLevelMaxDb),
    Flag(kRadio, "UseSquelchLevel", &PS::UseSquelchLevel, kDefaultUseSquelchLevel,
         SquelchNeedsSignalStrength),
    Ranged(kRadio, "VolumeLevel", &PS::VolumeLevel, kDefaultLevel, kLowestLevel, kHighestLevel),
    Flag(kRadio, "VolumeOn", &PS::VolumeOn, kDefaultVolumeOn),
    Ranged(kRadio, "LineLevel", &PS::LineLevel, kDefaultLevel, kLowestLevel, kHighestLevel),
    Flag(kRadio, "LineOn", &PS::LineOn, kDefaultLineOn),
    Text(kRadio, "StationFile", &PS::StationFile),

    Special(kPorts, "COM1", ReadPortPath<1>, WritePortPath<1>),
    Special(kPorts, "COM2", ReadPortPath<2>, WritePortPath<2>),
    Special(kPorts, "COM3", ReadPortPath<3>, WritePortPath<3>),
    Special(kPorts, "COM4", ReadPortPath<4>, WritePortPath<4>),

    Text(kSchedule, "File", &PS::ScheduleFile),

    Flag(kRemote, "Enabled", &PS::RemoteEnabled, 0),
    Text(kRemote, "Address", &PS::RemoteAddress, kDefaultRemoteAddress),
    Ranged(kRemote, "Port", &PS::RemotePort, kDefaultRemotePort, 1, 65535),
    Flag(kLog, "SignalLog", &PS::SignalLog, 0),
    Text(kLog, "SignalLogFile", &PS::SignalLogFile),
};

// Each row has what its kind reads through, and a default the next load would not throw away.
constexpr bool IsWellFormed(const ProfileKey& row) {
    switch (row.kind) {
        case Kind::kRanged:
            return row.number != nullptr && row.lowest <= row.defaultValue &&
                   row.defaultValue <= row.highest;
        case Kind::kFlag:
        case Kind::kFrequency:
            return row.number != nullptr;
        case Kind::kText:
            return row.text != nullptr;
        case Kind::kSpecial:
            return true;
    }
    return false;
}
static_assert(std::ranges::all_of(kKeys, IsWellFormed));

}  // namespace

std::span<const ProfileKey> ProfileKeys() {
    return kKeys;
}

void ReadProfileKey(const ProfileKey& row, ProfileStore& store, ComPortChooser& chooser,
                    ProfileSettings& settings) {
    switch (row.kind) {
        case Kind::kRanged:
            settings.*row.number =
                InRangeOrDefault(ReadNumber(row, store), row.defaultValue, row.lowest, row.highest);
            break;
        case Kind::kFlag:
            settings.*row.number = ReadNumber(row, store) != 0 ? 1 : 0;
            break;
        case Kind::kFrequency:
            settings.*row.number = InRangeOrDefault(ReadNumber(row, store), row.defaultValue,
                                                    MinimumFrequency, kMaximumFrequency);
            break;
        case Kind::kText:
            settings.*row.text = store.ReadString(row.section, row.key, row.defaultText);
            break;
        case Kind::kSpecial:
            row.read(row, store, chooser, settings);
            break;
    }
    if (row.settle != nullptr) row.settle(settings);
}

void WriteProfileKey(const ProfileKey& row, ProfileStore& store, const ProfileSettings& settings) {
    switch (row.kind) {
        case Kind::kRanged:
        case Kind::kFlag:
        case Kind::kFrequency:
            WriteNumber(row, store, settings);
            break;
        case Kind::kText:
            store.WriteString(row.section, row.key, settings.*row.text);
            break;
        case Kind::kSpecial:
            if (row.write != nullptr) row.write(row, store, settings);
            break;
    }
}
