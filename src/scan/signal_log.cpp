#include "scan/signal_log.h"

#include <cstdio>

#include "base/radio_limits.h"
#include "scan/csv_text.h"

bool SignalLog::Open(const std::string& path) {
    Close();
    healthy_ = true;
    file_.open(path, std::ios::binary | std::ios::app);
    if (!file_.is_open()) return false;
    // Appending never reads; the end position tells whether the file already has its header.
    file_.seekp(0, std::ios::end);
    if (file_.tellp() == std::streampos(0)) Write(HeaderLine());
    return file_.is_open();
}

void SignalLog::Close() {
    if (file_.is_open()) file_.close();
    file_.clear();
}

void SignalLog::OnSignalReading(const SignalReading& reading) {
    if (file_.is_open()) Write(LineOf(reading));
}

void SignalLog::Write(const std::string& line) {
    file_ << line;
    file_.flush();
    if (!file_) {
        // A full disk or a vanished file: stop rather than write torn lines later.
        healthy_ = false;
        Close();
    }
}

std::string SignalLog::HeaderLine() {
    return CsvLine({"UTC", "Frequency Hz", "Mode", "Level dB"});
}

std::string SignalLog::LineOf(const SignalReading& reading) {
    char time[32];
    std::snprintf(time, sizeof time, "%04d-%02d-%02dT%02d:%02d:%02dZ", reading.time.year,
                  reading.time.month, reading.time.day, reading.time.hour, reading.time.minute,
                  reading.time.second);
    const bool known = reading.mode >= 0 && reading.mode < kModeCount;
    return CsvLine({time, std::to_string(reading.frequencyHz),
                    known ? kModeNames[reading.mode] : "", std::to_string(reading.levelDb)});
}
