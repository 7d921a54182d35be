#include "app/ini_profile.h"

#include <filesystem>
#include <utility>

#include "app/atomic_file.h"
#include "app/file_contents.h"
#include "base/number_text.h"

namespace {

// 0 read; 1 there is no such file; 2 the file is there but cannot be read.
int ReadProfileText(const std::string& path, std::string& text) {
    const int result = ReadFileContents(path, text);
    if (result != 1) return result;
    std::error_code error;
    return std::filesystem::exists(path, error) || error ? 2 : 1;
}

std::string FirstLineOf(const std::string& value) {
    return value.substr(0, value.find('\n'));
}

}  // namespace

IniProfileStore::IniProfileStore(std::string path) : path_(std::move(path)) {
    std::string text;
    const int result = ReadProfileText(path_, text);
    if (result == 0) text_ = IniText(text);
    // A profile that is there but cannot be read gives the defaults, and is never replaced by
    // a file made of them: the user's settings may still be in it.
    readable_ = result != 2;
}

int IniProfileStore::ReadInt(const std::string& section, const std::string& key, int defaultValue) {
    std::string text;
    int value = 0;
    if (!text_.FindValue(section, key, text) || !ReadIntegerPrefix(text, value)) {
        return defaultValue;
    }
    return value;
}

std::string IniProfileStore::ReadString(const std::string& section, const std::string& key,
                                        const std::string& defaultValue) {
    std::string value;
    return text_.FindValue(section, key, value) ? value : defaultValue;
}

void IniProfileStore::WriteInt(const std::string& section, const std::string& key, int value) {
    WriteString(section, key, std::to_string(value));
}

void IniProfileStore::WriteString(const std::string& section, const std::string& key,
                                  const std::string& value) {
    const std::string line = FirstLineOf(value);
    text_.SetValue(section, key, line);
    for (Write& write : pending_) {
        if (SameIniName(write.section, section) && SameIniName(write.key, key)) {
            write.value = line;
            return;
        }
    }
    pending_.push_back(Write{section, key, line});
}

int IniProfileStore::Flush() {
    if (pending_.empty()) return 0;
    if (!readable_) return 2;
    std::string fileText;
    const int read = ReadProfileText(path_, fileText);
    if (read == 2) return 2;
    IniText current(read == 0 ? fileText : std::string());
    bool changed = false;
    for (const Write& write : pending_) {
        changed = current.SetValue(write.section, write.key, write.value) || changed;
    }
    if (changed) {
        const int result = ReplaceFileContents(path_, current.Text());
        if (result != 0) return result;
    }
    text_ = std::move(current);
    pending_.clear();
    return 0;
}
