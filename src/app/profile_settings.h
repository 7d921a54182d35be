#pragma once

#include <string>

#include "base/radio_limits.h"
#include "link/com_port_map.h"

class ProfileStore;

// The host's window placement record; only valid when length is 44.
struct WindowPlacement {
    int length = 0;
    unsigned flags = 0;
    unsigned showCmd = 0;
    int minX = 0, minY = 0;
    int maxX = 0, maxY = 0;
    int left = 0, top = 0, right = 0, bottom = 0;
};

// Everything that survives a restart. Field names are the profile keys; profile_keys.cpp lists
// each key's section, range and load default, and these start values are what an empty profile
// loads as.
inline constexpr const char* kDefaultRemoteAddress = "127.0.0.1";
inline constexpr int kDefaultRemotePort = 4532;  // rigctld's

struct ProfileSettings {
    // "RadioSettings"
    int Frequency = kDefaultFrequency;
    int SteppingSpeed = kDefaultSteppingSpeed;
    int TuningStepSize = kDefaultStepIndex;
    int Mode = kDefaultMode;
    int AGC = kDefaultAgc;
    int Filter = kDefaultFilterIndex;
    int PBShiftActive = kDefaultPassbandShiftActive;
    int PBShift = kDefaultPassbandShiftHz;
    int DisplaySignalStrength = kDefaultDisplaySignalStrength;
    int SquelchLevel = kDefaultSquelchLevelDb;
    int UseSquelchLevel = kDefaultUseSquelchLevel;
    int VolumeLevel = kDefaultLevel;
    int VolumeOn = kDefaultVolumeOn;
    int LineLevel = kDefaultLevel;
    int LineOn = kDefaultLineOn;
    std::string StationFile;
    // "Configuration"
    int ComPort = kDefaultComPort;
    int CWFrequency = kDefaultCwFrequencyHz;
    int FrequencyForCorrection = kDefaultCorrectionPoint1Hz;
    int FrequencyForCorrection2 = kDefaultCorrectionPoint2Hz;
    int CorrectionFrequency = kDefaultCorrectionHz;
    int CorrectionFrequency2 = kDefaultCorrectionHz;
    int DisplayMHz = kDefaultDisplayMHz;
    int TuningTimeSlow = kDefaultTuningTimeSlowMs;
    int TuningTimeFast = kDefaultTuningTimeFastMs;
    // "Window"
    WindowPlacement WindowPos;
    // "Ports": where COM1..COM4 lead on this host.
    ComPortMap Ports;
    // "Schedule", key "File": full path of the broadcast schedule file; empty for none.
    std::string ScheduleFile;
    // "Remote": the rigctld-protocol server for other programs, off unless the user asks, and
    // reachable from this machine only unless another address is written here.
    int RemoteEnabled = 0;
    std::string RemoteAddress = kDefaultRemoteAddress;
    int RemotePort = kDefaultRemotePort;
    // "Log": every meter reading appended to SignalLogFile (full path) while SignalLog is 1.
    int SignalLog = 0;
    std::string SignalLogFile;
};

// Asked when the profile holds no usable COM port. Returns the chosen index 0..3 (COM1..COM4);
// closing the question without a choice gives 0.
class ComPortChooser {
  public:
    virtual ~ComPortChooser() = default;
    virtual int ChooseComPort() = 0;
};

// Fills settings and MinimumFrequency from the profile, replacing every missing or out-of-range
// value by its default. Cannot fail.
void LoadProfileSettings(ProfileStore& store, ComPortChooser& chooser, ProfileSettings& settings);
// Writes every key but "MinimumFrequency", as held. Write failures are ignored.
void SaveProfileSettings(ProfileStore& store, const ProfileSettings& settings);

// "%u,%u,%d,%d,%d,%d,%d,%d,%d,%d", or empty when the placement is not valid.
std::string FormatWindowPos(const WindowPlacement& placement);
// Empty text or fewer than ten fields gives length 0.
WindowPlacement ParseWindowPos(const std::string& text);
