#include "app/file_contents.h"

#include <filesystem>
#include <fstream>
#include <new>
#include <system_error>

int OpenFileForReading(const std::string& path, std::ifstream& in) {
    // A directory opens as a stream on some systems and only fails at the first read; to the user
    // it is a file that cannot be opened, not one that broke while being read.
    std::error_code ignored;
    if (std::filesystem::is_directory(path, ignored)) return 1;
    in.open(path, std::ios::binary);
    return in ? 0 : 1;
}

int ReadFileContents(const std::string& path, std::string& contents) {
    contents.clear();
    std::ifstream in;
    if (OpenFileForReading(path, in) != 0) return 1;
    // istream::read turns a failing device (EISDIR, EIO) into badbit instead of an exception.
    char buffer[64 * 1024];
    try {
        while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
            contents.append(buffer, static_cast<std::size_t>(in.gcount()));
        }
    } catch (const std::bad_alloc&) {
        return 2;
    }
    return in.bad() ? 2 : 0;
}
