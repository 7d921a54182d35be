#pragma once

#include <string>

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

// Everything that survives a restart. Field names are the profile keys.
struct ProfileSettings {
    // "RadioSettings"
    int Frequency = 6075000;
    int SteppingSpeed = 0;
    int TuningStepSize = 7;
    int Mode = 0;
    int AGC = 2;
    int Filter = 28;
    int PBShiftActive = 0;
    int PBShift = 0;
    int DisplaySignalStrength = 1;
    int SquelchLevel = 0;
    int UseSquelchLevel = 0;
    int VolumeLevel = 16;
    int VolumeOn = 1;
    int LineLevel = 16;
    int LineOn = 1;
    std::string StationFile;
    // "Configuration"
    int ComPort = 1;
    int CWFrequency = 700;
    int FrequencyForCorrection = 5000000;
    int FrequencyForCorrection2 = 15000000;
    int CorrectionFrequency = 0;
    int CorrectionFrequency2 = 0;
    int DisplayMHz = 0;
    int TuningTimeSlow = 2000;
    int TuningTimeFast = 500;
    // "Window"
    WindowPlacement WindowPos;
    // "Ports": where COM1..COM4 lead on this host.
    ComPortMap Ports;
    // "Schedule", key "File": full path of the broadcast schedule file; empty for none.
    std::string ScheduleFile;
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
