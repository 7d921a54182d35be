#include "remote/capabilities.h"

#include "remote/rigctl_vocabulary.h"

namespace {

constexpr LevelEntry kLevels[] = {
    {LevelId::Volume, "AF", rigctl::kLevelAf, true},
    {LevelId::SquelchLevel, "SQL", rigctl::kLevelSquelch, true},
    {LevelId::PassbandShift, "IF", rigctl::kLevelIfShift, true},
    {LevelId::Agc, "AGC", rigctl::kLevelAgc, true},
    {LevelId::RawStrength, "RAWSTR", rigctl::kLevelRawStrength, false},
    {LevelId::Strength, "STRENGTH", rigctl::kLevelStrength, false},
};

constexpr FunctionEntry kFunctions[] = {
    {FunctionId::Mute, "MUTE", rigctl::kFuncMute},
    {FunctionId::Squelch, "SQL", rigctl::kFuncSquelch},
};

}  // namespace

std::span<const LevelEntry> Levels() {
    return kLevels;
}

std::span<const FunctionEntry> Functions() {
    return kFunctions;
}

const LevelEntry* FindLevel(std::string_view name) {
    for (const LevelEntry& level : kLevels) {
        if (name == level.name) return &level;
    }
    return nullptr;
}

const FunctionEntry* FindFunction(std::string_view name) {
    for (const FunctionEntry& function : kFunctions) {
        if (name == function.name) return &function;
    }
    return nullptr;
}

std::uint64_t LevelMask(bool settableOnly) {
    std::uint64_t mask = 0;
    for (const LevelEntry& level : kLevels) {
        if (level.settable || !settableOnly) mask |= level.bit;
    }
    return mask;
}

std::uint64_t FunctionMask() {
    std::uint64_t mask = 0;
    for (const FunctionEntry& function : kFunctions) mask |= function.bit;
    return mask;
}

std::string LevelNames(bool settableOnly) {
    std::string names;
    for (const LevelEntry& level : kLevels) {
        if (!level.settable && settableOnly) continue;
        if (!names.empty()) names += ' ';
        names += level.name;
    }
    return names;
}

std::string FunctionNames() {
    std::string names;
    for (const FunctionEntry& function : kFunctions) {
        if (!names.empty()) names += ' ';
        names += function.name;
    }
    return names;
}
