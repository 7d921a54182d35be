#include "app/profile_keys.h"

#include <gtest/gtest.h>

#include <span>
#include <string>
#include <vector>

#include "app/ini_text.h"
#include "base/minimum_frequency.h"
#include "support/memory_profile_store.h"
#include "support/scripted_com_port_chooser.h"

namespace {

std::vector<std::string> SavedForm(const ProfileSettings& settings) {
    MemoryProfileStore store;
    SaveProfileSettings(store, settings);
    std::vector<std::string> form;
    for (const auto& w : store.writes) form.push_back(w.section + "/" + w.key + "=" + w.value);
    return form;
}

// A row whose default disagrees with the field's start value would make a fresh record and a
// freshly loaded empty profile two different programs.
TEST(ProfileKeys, EmptyProfileLoadsAsAFreshRecordStarts) {
    MemoryProfileStore empty;
    ScriptedComPortChooser chooser(0);
    ProfileSettings loaded;
    LoadProfileSettings(empty, chooser, loaded);
    MinimumFrequency = kDefaultMinimumFrequency;
    EXPECT_EQ(SavedForm(loaded), SavedForm(ProfileSettings{}));
}

// A row copied from its neighbour with only the key changed would store two keys in one field.
TEST(ProfileKeys, EachKeyAndEachFieldHasOneRow) {
    const std::span<const ProfileKey> rows = ProfileKeys();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        for (std::size_t j = i + 1; j < rows.size(); ++j) {
            EXPECT_FALSE(SameIniName(rows[i].section, rows[j].section) &&
                         SameIniName(rows[i].key, rows[j].key))
                << rows[i].key;
            const bool sameField =
                (rows[i].number != nullptr && rows[i].number == rows[j].number) ||
                (rows[i].text != nullptr && rows[i].text == rows[j].text);
            EXPECT_FALSE(sameField) << rows[i].key << " and " << rows[j].key;
        }
    }
}

}  // namespace
