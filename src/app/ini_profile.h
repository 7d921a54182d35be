#pragma once

#include <string>
#include <vector>

#include "app/ini_text.h"
#include "app/profile_store.h"

// The profile as a classic sectioned initialisation file (IniText says how it is read and
// changed), at path.
//
// The file is read when the store is made; reads come from that copy with the writes made since
// on top. Flush reads the file again, as it is then, and puts only the keys written through this
// store into it, so that whatever the user or another program changed in the file meanwhile
// (comments, other keys, other sections) survives. The result replaces the file through
// ReplaceFileContents.
class IniProfileStore : public ProfileStore {
  public:
    // Reads the file at path; a missing file is an empty profile. A file that exists but cannot
    // be read gives an empty profile too, and is never written over (Flush gives 2).
    explicit IniProfileStore(std::string path);

    int ReadInt(const std::string& section, const std::string& key, int defaultValue) override;
    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& defaultValue) override;
    void WriteInt(const std::string& section, const std::string& key, int value) override;
    // A value cannot span lines: it is cut at its first LF, where the reader ends a line, so that
    // no text written here can break the file's structure.
    void WriteString(const std::string& section, const std::string& key,
                     const std::string& value) override;
    // Puts the writes made since the last successful Flush into the file as it is now, writing it
    // only when that changes it: 0 done or nothing to do; 2 the file is there but cannot be read
    // (now, or when the store was made); otherwise the result of ReplaceFileContents (1 cannot
    // create, 2 write failed). On failure the file is untouched and the writes stay pending.
    int Flush() override;

  private:
    struct Write {
        std::string section;
        std::string key;
        std::string value;
    };

    std::string path_;
    IniText text_;                // the file as read, with the pending writes applied
    std::vector<Write> pending_;  // one per key, the latest value, in the order first written
    bool readable_ = true;
};
