#pragma once

#include <span>
#include <string>

#include "app/profile_settings.h"

class ProfileStore;

// How a key's stored text becomes its field.
enum class ProfileKeyKind {
    kRanged,     // integer; a value outside lowest..highest reads as the default
    kFlag,       // integer held as 0 or 1; any nonzero value reads as 1
    kFrequency,  // integer, Hz; outside MinimumFrequency..kMaximumFrequency reads as the default
    kText,       // string, taken as stored
    kSpecial,    // read and written by the row's own functions
};

// One key of the profile: where it is stored, the ProfileSettings field that holds it, and what a
// missing or unusable value reads as. Adding a key is adding its field and its row.
struct ProfileKey {
    using Settle = void (*)(ProfileSettings& settings);
    using Reader = void (*)(const ProfileKey& row, ProfileStore& store, ComPortChooser& chooser,
                            ProfileSettings& settings);
    using Writer = void (*)(const ProfileKey& row, ProfileStore& store,
                            const ProfileSettings& settings);

    const char* section;
    const char* key;
    ProfileKeyKind kind;
    int ProfileSettings::*number = nullptr;        // kRanged, kFlag, kFrequency
    std::string ProfileSettings::*text = nullptr;  // kText
    int defaultValue = 0;
    int lowest = 0;
    int highest = 0;
    const char* defaultText = "";
    // A rule that ties this key to keys read before it; runs as soon as the key is read.
    Settle settle = nullptr;
    // kSpecial only. A row without a writer is never saved.
    Reader read = nullptr;
    Writer write = nullptr;
};

// Every key of the profile, in the order load reads them and save writes them.
std::span<const ProfileKey> ProfileKeys();

// One row from the store into settings; a missing or unusable value gives the row's default.
// Cannot fail; a kSpecial row may ask the chooser.
void ReadProfileKey(const ProfileKey& row, ProfileStore& store, ComPortChooser& chooser,
                    ProfileSettings& settings);
// One row from settings into the store, as held. Write failures are the store's to report.
void WriteProfileKey(const ProfileKey& row, ProfileStore& store, const ProfileSettings& settings);
