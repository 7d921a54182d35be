#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "app/profile_store.h"

// A profile held in memory. Names are matched without regard to case, as in the INI file;
// integers are read from the stored text the same way. Records every write in order.
class MemoryProfileStore : public ProfileStore {
  public:
    struct Write {
        std::string section;
        std::string key;
        std::string value;
    };

    // Stores text as a user would have typed it into the profile.
    void Set(const std::string& section, const std::string& key, const std::string& value);
    bool Has(const std::string& section, const std::string& key) const;
    // The stored text; empty when the key is missing.
    std::string Get(const std::string& section, const std::string& key) const;

    int ReadInt(const std::string& section, const std::string& key, int defaultValue) override;
    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& defaultValue) override;
    void WriteInt(const std::string& section, const std::string& key, int value) override;
    void WriteString(const std::string& section, const std::string& key,
                     const std::string& value) override;
    // Counts the calls; returns flushResult.
    int Flush() override;

    std::vector<Write> writes;
    int flushes = 0;
    int flushResult = 0;

  private:
    static std::pair<std::string, std::string> KeyOf(const std::string& section,
                                                     const std::string& key);
    std::map<std::pair<std::string, std::string>, std::string> values_;
};
