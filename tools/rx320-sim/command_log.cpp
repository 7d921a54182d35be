#include "command_log.h"

#include <cerrno>
#include <cstring>

CommandLog::~CommandLog() {
    if (ownsFile_) std::fclose(file_);
}

bool CommandLog::Open(const std::string& path, std::string& error) {
    if (path.empty()) {
        file_ = stderr;
        return true;
    }
    file_ = std::fopen(path.c_str(), "w");
    if (file_ == nullptr) {
        error = "cannot open log " + path + ": " + std::strerror(errno);
        return false;
    }
    ownsFile_ = true;
    return true;
}

void CommandLog::Command(SimMicros time, const std::vector<std::uint8_t>& bytes,
                         const std::string& meaning) {
    WriteLine(FormatSimSeconds(time) + " " + HexBytes(bytes) + " " + meaning);
}

void CommandLog::Event(SimMicros time, const std::string& text) {
    WriteLine(FormatSimSeconds(time) + " -- " + text);
}

void CommandLog::WriteLine(const std::string& line) {
    if (file_ == nullptr) return;
    std::fputs((line + "\n").c_str(), file_);
    std::fflush(file_);
}

std::string HexBytes(const std::vector<std::uint8_t>& bytes) {
    static const char kDigits[] = "0123456789ABCDEF";
    std::string text;
    for (std::uint8_t byte : bytes) {
        if (!text.empty()) text += ' ';
        text += kDigits[byte >> 4];
        text += kDigits[byte & 0x0F];
    }
    return text;
}
