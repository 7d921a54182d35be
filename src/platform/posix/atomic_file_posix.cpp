#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <string>
#include <vector>

#include "app/atomic_file.h"
#include "app/file_contents.h"

namespace {

// One fixed name beside each target: a temporary file that a killed save left behind is taken
// over by the next save of the same file instead of piling up.
constexpr const char* kTemporarySuffix = ".zorivan-tmp";
// Links followed before a chain counts as a loop, as the kernel counts them.
constexpr int kMaximumLinks = 40;

std::string DirectoryOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

// The file a save replaces: path itself or, when path is a symbolic link, the file at the end of
// its chain, so that the link stays and the file it names gets the new contents. False for a loop
// or a link that cannot be read.
bool FollowLinks(const std::string& path, std::string& target) {
    target = path;
    std::vector<char> buffer(PATH_MAX);
    for (int i = 0; i < kMaximumLinks; ++i) {
        struct stat info {};
        if (::lstat(target.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return true;
        const ssize_t length = ::readlink(target.c_str(), buffer.data(), buffer.size());
        if (length <= 0 || static_cast<std::size_t>(length) >= buffer.size()) return false;
        const std::string next(buffer.data(), static_cast<std::size_t>(length));
        target = next.front() == '/' ? next : DirectoryOf(target) + "/" + next;
    }
    return false;
}

bool WriteAll(int fd, const std::string& contents) {
    const char* data = contents.data();
    std::size_t left = contents.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, left);
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data += written;
        left -= static_cast<std::size_t>(written);
    }
    return true;
}

// O_NOFOLLOW: never write through a link put in the temporary file's place. A leftover that
// cannot be opened (a link, another user's file) is removed and made afresh.
int OpenTemporary(const std::string& tempPath, int& openError) {
    const int flags = O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC;
    int fd = ::open(tempPath.c_str(), flags, 0600);
    openError = errno;
    if (fd < 0 && openError != ENOENT && ::unlink(tempPath.c_str()) == 0) {
        fd = ::open(tempPath.c_str(), flags, 0600);
        openError = errno;
    }
    return fd;
}

// Only root gives a file away; a member of the file's group may still hand the new file that
// group. Otherwise the new file stays ours.
bool KeepOwner(int fd, const struct stat& old) {
    return ::fchown(fd, old.st_uid, old.st_gid) == 0 ||
           ::fchown(fd, static_cast<uid_t>(-1), old.st_gid) == 0;
}

// The new file takes the old one's place, so it takes over its mode and, where allowed, its owner;
// a file that is new gets what any new file of the user gets.
void TakeOverAttributes(int fd, const struct stat* old) {
    if (old == nullptr) {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        ::fchmod(fd, 0666 & ~mask);
        return;
    }
    KeepOwner(fd, *old);
    // After the owner: a change of owner clears the set-ID bits.
    ::fchmod(fd, old->st_mode & 07777);
}

bool CannotCreateBeside(int openError) {
    return openError == EACCES || openError == EPERM || openError == ENAMETOOLONG;
}

// Writes contents over the file from its start, cuts it there and flushes it to the disk.
bool OverwriteWhole(int fd, const std::string& contents) {
    return ::lseek(fd, 0, SEEK_SET) == 0 && WriteAll(fd, contents) &&
           ::ftruncate(fd, static_cast<off_t>(contents.size())) == 0 && ::fsync(fd) == 0;
}

// For a file we may write in a directory where we may not create one: the old contents are
// overwritten where they are, and put back when that fails, so the failed save loses nothing the
// file system lets us keep.
int WriteInPlace(const std::string& target, const std::string& contents) {
    std::string old;
    const bool haveOld = ReadFileContents(target, old) == 0;
    const int fd = ::open(target.c_str(), O_WRONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return 1;
    const bool written = OverwriteWhole(fd, contents);
    if (!written && haveOld) OverwriteWhole(fd, old);
    const bool closed = ::close(fd) == 0;
    return written && closed ? 0 : 2;
}

}  // namespace

int ReplaceFileContents(const std::string& path, const std::string& contents) {
    std::string target;
    if (!FollowLinks(path, target)) return 1;
    struct stat old {};
    const bool replacing = ::lstat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode);

    // The temporary file sits beside the target so that the rename stays on one file system.
    const std::string tempPath = target + kTemporarySuffix;
    int openError = 0;
    const int fd = OpenTemporary(tempPath, openError);
    if (fd < 0) {
        return replacing && CannotCreateBeside(openError) ? WriteInPlace(target, contents) : 1;
    }
    TakeOverAttributes(fd, replacing ? &old : nullptr);

    const bool written = WriteAll(fd, contents) && ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed) {
        ::unlink(tempPath.c_str());
        return 2;
    }
    if (::rename(tempPath.c_str(), target.c_str()) != 0) {
        // A temporary file left from before may be writable where no rename is allowed.
        const int renameError = errno;
        ::unlink(tempPath.c_str());
        return replacing && CannotCreateBeside(renameError) ? WriteInPlace(target, contents) : 2;
    }
    // Make the rename itself durable.
    const int dirFd = ::open(DirectoryOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
    return 0;
}
