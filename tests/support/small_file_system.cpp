#include "support/small_file_system.h"

#include <sys/mount.h>

#include <filesystem>

SmallFileSystem::SmallFileSystem(const std::string& mountPoint, std::size_t sizeBytes)
    : path_(mountPoint) {
    std::error_code error;
    std::filesystem::create_directories(path_, error);
    if (error) return;
    const std::string options = "size=" + std::to_string(sizeBytes) + ",mode=0700";
    mounted_ =
        ::mount("zorivan-test", path_.c_str(), "tmpfs", MS_NOSUID | MS_NODEV, options.c_str()) == 0;
}

SmallFileSystem::~SmallFileSystem() {
    // Detached, so that a file a failed test left open cannot keep the mount alive.
    if (mounted_) ::umount2(path_.c_str(), MNT_DETACH);
}
