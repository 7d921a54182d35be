#include "platform/posix/profile_location.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

namespace {

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

std::string HomeDirectory() {
    std::string home = Environment("HOME");
    if (!home.empty()) return home;
    // A session started without HOME (a service, sudo -H mishaps) still has a password entry.
    const passwd* entry = ::getpwuid(::getuid());
    if (entry != nullptr && entry->pw_dir != nullptr) return entry->pw_dir;
    return ".";
}

std::string ConfigDirectory() {
    const std::string xdg = Environment("XDG_CONFIG_HOME");
    // Relative values are invalid by the XDG rules and would depend on the working directory.
    if (!xdg.empty() && xdg.front() == '/') return xdg;
    return HomeDirectory() + "/.config";
}

// mkdir -p; existing directories are fine.
void MakeDirectories(const std::string& path) {
    for (std::size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
        const std::string part = path.substr(0, slash);
        if (!part.empty() && ::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) return;
        if (slash == std::string::npos) return;
    }
}

std::string BaseName(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

std::string DefaultProfilePath(const std::string& executableName) {
    const std::string directory = ConfigDirectory();
    MakeDirectories(directory);
    std::string name = BaseName(executableName);
    if (name.empty()) name = "zorivan";
    return directory + "/" + name + ".INI";
}
