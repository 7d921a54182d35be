#include <string>

#include "app/atomic_file.h"
#include "app/file_contents.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_api.h"

namespace {

// One fixed name beside each target: a temporary file that a killed save left behind is taken
// over by the next save of the same file instead of piling up.
constexpr const wchar_t* kTemporarySuffix = L".zorivan-tmp";

class ScopedHandle {
  public:
    explicit ScopedHandle(HANDLE handle) : handle_(handle) {}
    ~ScopedHandle() { Close(); }
    ScopedHandle(const ScopedHandle&) = delete;
    ScopedHandle& operator=(const ScopedHandle&) = delete;
    bool Valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return handle_; }
    bool Close() {
        const bool closed = !Valid() || ::CloseHandle(handle_) != 0;
        handle_ = INVALID_HANDLE_VALUE;
        return closed;
    }

  private:
    HANDLE handle_;
};

bool WriteAll(HANDLE file, const std::string& contents) {
    const char* data = contents.data();
    std::size_t left = contents.size();
    while (left > 0) {
        const DWORD chunk = left > 0x10000000 ? 0x10000000 : static_cast<DWORD>(left);
        DWORD written = 0;
        if (!::WriteFile(file, data, chunk, &written, nullptr) || written == 0) return false;
        data += written;
        left -= written;
    }
    return true;
}

bool IsRegularFile(const std::wstring& path) {
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool CannotCreateBeside(DWORD error) {
    return error == ERROR_ACCESS_DENIED || error == ERROR_FILENAME_EXCED_RANGE;
}

bool OverwriteWhole(HANDLE file, const std::string& contents) {
    return ::SetFilePointer(file, 0, nullptr, FILE_BEGIN) == 0 && WriteAll(file, contents) &&
           ::SetEndOfFile(file) && ::FlushFileBuffers(file);
}

// For a file we may write in a directory where we may not create one: the old contents are
// overwritten where they are, and put back when that fails.
int WriteInPlace(const std::string& path, const std::wstring& target, const std::string& contents) {
    std::string old;
    const bool haveOld = ReadFileContents(path, old) == 0;
    ScopedHandle file(::CreateFileW(target.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid()) return 1;
    const bool written = OverwriteWhole(file.Get(), contents);
    if (!written && haveOld) OverwriteWhole(file.Get(), old);
    return file.Close() && written ? 0 : 2;
}

}  // namespace

int ReplaceFileContents(const std::string& path, const std::string& contents) {
    const std::wstring target = WideFromPath(path);
    if (target.empty()) return 1;
    const bool replacing = IsRegularFile(target);
    const std::wstring tempPath = target + kTemporarySuffix;

    ScopedHandle temp(::CreateFileW(tempPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!temp.Valid()) {
        const DWORD error = ::GetLastError();
        return replacing && CannotCreateBeside(error) ? WriteInPlace(path, target, contents) : 1;
    }
    const bool written = WriteAll(temp.Get(), contents) && ::FlushFileBuffers(temp.Get());
    if (!temp.Close() || !written) {
        ::DeleteFileW(tempPath.c_str());
        return 2;
    }
    // ReplaceFileW keeps the old file's attributes, security and creation time; a file that is
    // new is simply renamed into place. Both are a single rename on the same volume.
    bool moved = replacing && ::ReplaceFileW(target.c_str(), tempPath.c_str(), nullptr,
                                             REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr);
    if (!moved) {
        moved = ::MoveFileExW(tempPath.c_str(), target.c_str(),
                              MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
    }
    if (!moved) {
        const DWORD error = ::GetLastError();
        ::DeleteFileW(tempPath.c_str());
        return replacing && CannotCreateBeside(error) ? WriteInPlace(path, target, contents) : 2;
    }
    return 0;
}

int ReplaceFileFrom(const std::string& path, FileContentsSource& source) {
    // Joined first: ReplaceFileW needs the whole temporary file anyway, and a station file of a
    // million lines is 40 MB.
    std::string contents;
    source.Rewind();
    std::string_view piece;
    for (;;) {
        const FileContentsSource::Piece next = source.Next(piece);
        if (next == FileContentsSource::Piece::kFailed) return 2;
        if (next == FileContentsSource::Piece::kEnd) break;
        contents.append(piece);
    }
    return ReplaceFileContents(path, contents);
}
