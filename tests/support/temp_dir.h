#pragma once

#include <set>
#include <string>

// A fresh directory under the system's temporary directory, removed with everything in it when
// the object goes.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& Path() const { return path_; }
    // Path of a file inside the directory.
    std::string File(const std::string& name) const { return path_ + "/" + name; }

  private:
    std::string path_;
};

// Whole file as bytes; empty when it cannot be read.
std::string ReadWholeFile(const std::string& path);
// Writes bytes to a file, replacing it; false on failure.
bool WriteWholeFile(const std::string& path, const std::string& contents);
// Names of the entries in directory (not "." and ".."); empty when it cannot be read.
std::set<std::string> DirectoryEntries(const std::string& directory);
