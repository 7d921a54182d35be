#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <string>
#include <string_view>
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

// The whole of a string as a source of one piece.
class WholeText : public FileContentsSource {
  public:
    explicit WholeText(const std::string& text) : text_(text) {}
    void Rewind() override { given_ = false; }
    Piece Next(std::string_view& piece) override {
        if (given_) return Piece::kEnd;
        given_ = true;
        piece = text_;
        return Piece::kMore;
    }

  private:
    const std::string& text_;
    bool given_ = false;
};

bool WritePiece(int fd, std::string_view piece) {
    while (!piece.empty()) {
        const ssize_t written = ::write(fd, piece.data(), piece.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        piece.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Writes every piece of source from its first; size counts the bytes written.
bool WriteAll(int fd, FileContentsSource& source, off_t& size) {
    source.Rewind();
    size = 0;
    std::string_view piece;
    for (;;) {
        switch (source.Next(piece)) {
            case FileContentsSource::Piece::kEnd:
                return true;
            case FileContentsSource::Piece::kFailed:
                return false;
            case FileContentsSource::Piece::kMore:
                if (!WritePiece(fd, piece)) return false;
                size += static_cast<off_t>(piece.size());
                break;
        }
    }
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
bool OverwriteWhole(int fd, FileContentsSource& contents) {
    off_t size = 0;
    return ::lseek(fd, 0, SEEK_SET) == 0 && WriteAll(fd, contents, size) &&
           ::ftruncate(fd, size) == 0 && ::fsync(fd) == 0;
}

// For a file we may write in a directory where we may not create one: the old contents are
// overwritten where they are, and put back when that fails, so the failed save loses nothing the
// file system lets us keep.
int WriteInPlace(const std::string& target, FileContentsSource& contents) {
    std::string old;
    const bool haveOld = ReadFileContents(target, old) == 0;
    const int fd = ::open(target.c_str(), O_WRONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return 1;
    const bool written = OverwriteWhole(fd, contents);
    if (!written && haveOld) {
        WholeText oldContents(old);
        OverwriteWhole(fd, oldContents);
    }
    const bool closed = ::close(fd) == 0;
    return written && closed ? 0 : 2;
}

}  // namespace

int ReplaceFileContents(const std::string& path, const std::string& contents) {
    WholeText source(contents);
    return ReplaceFileFrom(path, source);
}

int ReplaceFileFrom(const std::string& path, FileContentsSource& contents) {
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

    off_t size = 0;
    const bool written = WriteAll(fd, contents, size) && ::fsync(fd) == 0;
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
