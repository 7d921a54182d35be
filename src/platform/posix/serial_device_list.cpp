#include "platform/posix/serial_device_list.h"

#include <dirent.h>

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace {

// The names in directory, without "." and ".."; empty when it cannot be read.
std::vector<std::string> EntriesOf(const std::string& directory) {
    std::vector<std::string> names;
    DIR* stream = opendir(directory.c_str());
    if (stream == nullptr) return names;
    while (const dirent* entry = readdir(stream)) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..") names.push_back(name);
    }
    closedir(stream);
    return names;
}

// The device number when name is prefix followed by digits only, else -1.
long NumberAfter(const std::string& name, const std::string& prefix) {
    if (name.size() <= prefix.size() || name.compare(0, prefix.size(), prefix) != 0) return -1;
    const std::string digits = name.substr(prefix.size());
    if (digits.size() > 6 || digits.find_first_not_of("0123456789") != std::string::npos) {
        return -1;
    }
    return std::strtol(digits.c_str(), nullptr, 10);
}

}  // namespace

PosixSerialDeviceLister::PosixSerialDeviceLister(std::string deviceDirectory)
    : deviceDirectory_(std::move(deviceDirectory)) {}

std::vector<std::string> PosixSerialDeviceLister::List() {
    std::vector<std::string> devices;

    const std::string byId = deviceDirectory_ + "/serial/by-id";
    std::vector<std::string> stableNames = EntriesOf(byId);
    std::sort(stableNames.begin(), stableNames.end());
    for (const std::string& name : stableNames) devices.push_back(byId + "/" + name);

    const std::vector<std::string> names = EntriesOf(deviceDirectory_);
    for (const char* prefix : {"ttyUSB", "ttyACM", "ttyS"}) {
        std::vector<std::pair<long, std::string>> numbered;
        for (const std::string& name : names) {
            const long number = NumberAfter(name, prefix);
            if (number >= 0) numbered.emplace_back(number, name);
        }
        std::sort(numbered.begin(), numbered.end());
        for (const auto& entry : numbered) devices.push_back(deviceDirectory_ + "/" + entry.second);
    }
    return devices;
}
