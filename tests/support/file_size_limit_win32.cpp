#include "support/file_size_limit.h"

// Windows has no per-process file size limit: the tests that need one skip.
FileSizeLimit::FileSizeLimit(std::uint64_t) {}

FileSizeLimit::~FileSizeLimit() = default;

bool LimitFileSize(std::uint64_t) {
    return false;
}

// The permissions std::filesystem sets on Windows only toggle the read-only attribute: they
// neither take read rights away nor stop writes into a directory, as for root on Linux.
bool RunningAsRoot() {
    return true;
}
