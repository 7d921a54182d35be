// The profile reader on arbitrary file contents: the INI store and LoadProfileSettings over it
// never crash, every setting comes out in its range, and the settings saved at exit read back
// unchanged at the next start.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "app/ini_profile.h"
#include "app/profile_settings.h"
#include "base/minimum_frequency.h"
#include "fuzz_check.h"
#include "link/filter_table.h"
#include "support/memory_profile_store.h"
#include "support/scripted_com_port_chooser.h"
#include "support/temp_dir.h"

namespace {

bool InRange(int value, int lowest, int highest) {
    return value >= lowest && value <= highest;
}

bool AllInRange(const ProfileSettings& s) {
    return InRange(MinimumFrequency, kLowestMinimumFrequency, kDefaultMinimumFrequency) &&
           InRange(s.Frequency, MinimumFrequency, kMaximumFrequency) &&
           InRange(s.SteppingSpeed, 0, 1) && InRange(s.TuningStepSize, 0, 11) &&
           InRange(s.Mode, 0, 3) && InRange(s.AGC, 1, 3) &&
           InRange(s.Filter, 0, FilterTable::kRowCount - 1) && InRange(s.PBShiftActive, 0, 1) &&
           InRange(s.PBShift, -1000, 1000) && InRange(s.DisplaySignalStrength, 0, 1) &&
           InRange(s.SquelchLevel, 0, 90) && InRange(s.UseSquelchLevel, 0, 1) &&
           InRange(s.VolumeLevel, 0, 63) && InRange(s.VolumeOn, 0, 1) &&
           InRange(s.LineLevel, 0, 63) && InRange(s.LineOn, 0, 1) && InRange(s.ComPort, 1, 4) &&
           InRange(s.CWFrequency, -15000, 15000) && InRange(s.CorrectionFrequency, -1000, 1000) &&
           InRange(s.CorrectionFrequency2, -1000, 1000) && InRange(s.DisplayMHz, 0, 1) &&
           InRange(s.TuningTimeSlow, 500, 5000) && InRange(s.TuningTimeFast, 200, 1000);
}

// Every key and value exactly as SaveProfileSettings writes them, in order.
std::string SavedForm(const ProfileSettings& settings) {
    MemoryProfileStore store;
    SaveProfileSettings(store, settings);
    std::string form;
    for (const MemoryProfileStore::Write& write : store.writes) {
        form += "[" + write.section + "]" + write.key + "=" + write.value + "\n";
    }
    return form;
}

ProfileSettings LoadFrom(const std::string& path) {
    IniProfileStore store(path);
    ScriptedComPortChooser chooser(0);
    ProfileSettings settings;
    LoadProfileSettings(store, chooser, settings);
    return settings;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static TempDir dir;
    const std::string path = dir.File("ZORIVAN.INI");
    if (!WriteWholeFile(path, std::string(reinterpret_cast<const char*>(data), size))) {
        std::abort();  // the harness itself is broken
    }

    ProfileSettings first;
    {
        IniProfileStore store(path);
        ScriptedComPortChooser chooser(0);
        LoadProfileSettings(store, chooser, first);
        FUZZ_CHECK(AllInRange(first));
        const int minimum = MinimumFrequency;
        // The exit: every key written into the user's file, which keeps everything else.
        SaveProfileSettings(store, first);
        FUZZ_CHECK(store.Flush() == 0);
        MinimumFrequency = minimum;
    }

    const int minimumBefore = MinimumFrequency;
    const ProfileSettings second = LoadFrom(path);
    FUZZ_CHECK(MinimumFrequency == minimumBefore);
    FUZZ_CHECK(SavedForm(second) == SavedForm(first));
    MinimumFrequency = kDefaultMinimumFrequency;
    return 0;
}
