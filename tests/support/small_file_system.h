#pragma once

#include <cstddef>
#include <string>

// A tmpfs of a few kilobytes mounted on a fresh directory for as long as the object lives, so that
// a write runs into a full disk (ENOSPC) for real. Mounting needs root (or CAP_SYS_ADMIN); where
// it is not permitted Mounted() is false and the test should be skipped.
class SmallFileSystem {
  public:
    // sizeBytes is rounded up to whole pages by the kernel.
    SmallFileSystem(const std::string& mountPoint, std::size_t sizeBytes);
    ~SmallFileSystem();
    SmallFileSystem(const SmallFileSystem&) = delete;
    SmallFileSystem& operator=(const SmallFileSystem&) = delete;

    bool Mounted() const { return mounted_; }
    const std::string& Path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + "/" + name; }

  private:
    std::string path_;
    bool mounted_ = false;
};
