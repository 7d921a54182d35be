#include "app/file_contents.h"

#include <fstream>
#include <new>

int ReadFileContents(const std::string& path, std::string& contents) {
    contents.clear();
    std::ifstream in(path, std::ios::binary);
    if (!in) return 1;
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
