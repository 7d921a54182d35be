#include "support/memory_profile_store.h"

#include <algorithm>
#include <cctype>

#include "base/number_text.h"

namespace {

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

}  // namespace

std::pair<std::string, std::string> MemoryProfileStore::KeyOf(const std::string& section,
                                                              const std::string& key) {
    return {Lower(section), Lower(key)};
}

void MemoryProfileStore::Set(const std::string& section, const std::string& key,
                             const std::string& value) {
    values_[KeyOf(section, key)] = value;
}

bool MemoryProfileStore::Has(const std::string& section, const std::string& key) const {
    return values_.count(KeyOf(section, key)) != 0;
}

std::string MemoryProfileStore::Get(const std::string& section, const std::string& key) const {
    const auto found = values_.find(KeyOf(section, key));
    return found == values_.end() ? std::string() : found->second;
}

int MemoryProfileStore::ReadInt(const std::string& section, const std::string& key,
                                int defaultValue) {
    int value = 0;
    if (!Has(section, key) || !ReadIntegerPrefix(Get(section, key), value)) return defaultValue;
    return value;
}

std::string MemoryProfileStore::ReadString(const std::string& section, const std::string& key,
                                           const std::string& defaultValue) {
    return Has(section, key) ? Get(section, key) : defaultValue;
}

void MemoryProfileStore::WriteInt(const std::string& section, const std::string& key, int value) {
    WriteString(section, key, std::to_string(value));
}

void MemoryProfileStore::WriteString(const std::string& section, const std::string& key,
                                     const std::string& value) {
    writes.push_back({section, key, value});
    Set(section, key, value);
}

int MemoryProfileStore::Flush() {
    ++flushes;
    return flushResult;
}
