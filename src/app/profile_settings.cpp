#include "app/profile_settings.h"

#include <cstdio>
#include <cstdlib>

#include "app/profile_keys.h"
#include "app/profile_store.h"
#include "base/number_text.h"
#include "base/radio_limits.h"

namespace {

constexpr int kPlacementFields = 10;

// One field of the placement text: "%u"/"%d" skips blanks and takes a sign and digits. Every
// field but the last must be followed directly by the comma; the last may be followed by anything.
bool IsPlacementField(const std::string& piece, bool isLast) {
    int ignored = 0;
    if (!ReadIntegerPrefix(piece, ignored)) return false;
    if (isLast) return true;
    const std::size_t firstDigit = piece.find_first_of("0123456789");
    return piece.find_first_not_of("0123456789", firstDigit) == std::string::npos;
}

// A "%u" field: a minus sign wraps the value around and a longer number keeps its low 32 bits, so
// that "-1" reads as 4294967295, the text it is written back as, and reads the same again.
unsigned ReadUnsignedField(const std::string& piece) {
    return static_cast<unsigned>(std::strtoull(piece.c_str(), nullptr, 10) & 0xFFFFFFFFu);
}

int ReadSignedField(const std::string& piece) {
    int value = 0;
    ReadIntegerPrefix(piece, value);
    return value;
}

}  // namespace

WindowPlacement ParseWindowPos(const std::string& text) {
    WindowPlacement placement;
    std::string fields[kPlacementFields];
    std::size_t start = 0;
    for (int i = 0; i < kPlacementFields; ++i) {
        if (start > text.size()) return placement;
        const bool isLast = i == kPlacementFields - 1;
        std::size_t comma = isLast ? std::string::npos : text.find(',', start);
        if (comma == std::string::npos) comma = text.size();
        fields[i] = text.substr(start, comma - start);
        if (!IsPlacementField(fields[i], isLast)) return placement;
        start = comma + 1;
    }
    placement.length = kValidPlacementLength;
    placement.flags = ReadUnsignedField(fields[0]);
    placement.showCmd = ReadUnsignedField(fields[1]);
    placement.minX = ReadSignedField(fields[2]);
    placement.minY = ReadSignedField(fields[3]);
    placement.maxX = ReadSignedField(fields[4]);
    placement.maxY = ReadSignedField(fields[5]);
    placement.left = ReadSignedField(fields[6]);
    placement.top = ReadSignedField(fields[7]);
    placement.right = ReadSignedField(fields[8]);
    placement.bottom = ReadSignedField(fields[9]);
    return placement;
}

std::string FormatWindowPos(const WindowPlacement& placement) {
    if (placement.length != kValidPlacementLength) return {};
    char text[160];
    std::snprintf(text, sizeof text, "%u,%u,%d,%d,%d,%d,%d,%d,%d,%d", placement.flags,
                  placement.showCmd, placement.minX, placement.minY, placement.maxX, placement.maxY,
                  placement.left, placement.top, placement.right, placement.bottom);
    return text;
}

void LoadProfileSettings(ProfileStore& store, ComPortChooser& chooser, ProfileSettings& settings) {
    for (const ProfileKey& row : ProfileKeys()) ReadProfileKey(row, store, chooser, settings);
}

void SaveProfileSettings(ProfileStore& store, const ProfileSettings& settings) {
    for (const ProfileKey& row : ProfileKeys()) WriteProfileKey(row, store, settings);
    store.Flush();
}
