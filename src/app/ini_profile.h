#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "app/profile_store.h"

// The profile as a classic sectioned initialisation file: "[Section]" lines, then "Key=Value"
// lines. Names are matched without regard to case and to blanks around them; values lose the
// blanks around them. Lines it does not understand (comments, junk) are kept as they are, and a
// write changes only the line of its key, so a file edited by hand keeps its comments and order.
// A new key goes at the end of its section, a new section at the end of the file.
//
// The file is read once when the store is made and written only by Flush, as a whole, through
// ReplaceFileContents. It keeps the line ending the file had (CR LF or LF); a new file gets LF.
class IniProfileStore : public ProfileStore {
  public:
    // Reads the file at path; a missing or unreadable file is an empty profile. A file that
    // exists but cannot be read is never written over (Flush gives 2).
    explicit IniProfileStore(std::string path);

    int ReadInt(const std::string& section, const std::string& key, int defaultValue) override;
    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& defaultValue) override;
    void WriteInt(const std::string& section, const std::string& key, int value) override;
    // A value cannot span lines: it is cut at its first LF, where the reader ends a line, so that
    // no text written here can break the file's structure.
    void WriteString(const std::string& section, const std::string& key,
                     const std::string& value) override;
    // Writes the file when a write changed it: 0 done or nothing to do; otherwise the result of
    // ReplaceFileContents (1 cannot create, 2 write failed), the file untouched and the changes
    // still pending.
    int Flush() override;

    const std::string& Path() const { return path_; }
    // The whole file as Flush writes it.
    std::string Text() const;

  private:
    static constexpr std::size_t kNotFound = static_cast<std::size_t>(-1);

    void SetText(const std::string& text);
    // Index of the header line of section, or kNotFound. The first of equal names wins.
    std::size_t FindSection(const std::string& section) const;
    // One past the last line of the section whose header is at headerIndex.
    std::size_t SectionEnd(std::size_t headerIndex) const;
    // Index of key's line inside the section, or kNotFound.
    std::size_t FindKey(std::size_t headerIndex, const std::string& key) const;
    // Where a new key line goes: after the last key or other text of the section, so that blank
    // lines and comments in front of the next section stay with it.
    std::size_t InsertionPoint(std::size_t headerIndex) const;
    // The value of key in section, blanks around it removed; false when there is no such key.
    bool FindValue(const std::string& section, const std::string& key, std::string& value) const;

    std::string path_;
    std::vector<std::string> lines_;  // without their line ends
    std::string byteOrderMark_;       // kept when an editor put one in front
    std::string lineEnd_ = "\n";
    bool changed_ = false;
    bool readable_ = true;
};
