#include "platform/posix/bus_directory.h"

#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

std::string DefaultBusDirectory() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime != nullptr && runtime[0] == '/') return std::string(runtime) + "/zorivan";
    return "/tmp/zorivan-" + std::to_string(::geteuid());
}

int PrepareBusDirectory(const std::string& path) {
    if (::mkdir(path.c_str(), 0700) != 0 && errno != EEXIST) return 1;
    // lstat: a symbolic link planted in a shared directory such as /tmp must not lead elsewhere.
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0) return 1;
    if (!S_ISDIR(info.st_mode)) return 2;
    if (info.st_uid != ::geteuid()) return 3;
    if ((info.st_mode & 077) != 0) return 4;
    return 0;
}
