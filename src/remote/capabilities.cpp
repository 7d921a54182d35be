#include "remote/capabilities.h"

#include "remote/rigctl_vocabulary.h"

namespace {

constexpr LevelSpec kLevels[] = {
    {LevelId::Volume, "AF", rigctl::kLevelAf, true},
    {LevelId::SquelchLevel, "SQL", rigctl::kLevelSquelch, true},
    {LevelId::PassbandShift, "IF", rigctl::kLevelIfShift, true},
    {LevelId::Agc, "AGC", rigctl::kLevelAgc, true},
    {LevelId::RawStrength, "RAWSTR", rigctl::kLevelRawStrength, false},
    {LevelId::Strength, "STRENGTH", rigctl::kLevelStrength, false},
};

constexpr FunctionSpec kFunctions[] = {
    {FunctionId::Mute, "MUTE", rigctl::kFuncMute},
    {FunctionId::Squelch, "SQL", rigctl::kFuncSquelch},
};

}  // namespace

std::span<const LevelSpec> Levels() {
    return kLevels;
}

std::span<const FunctionSpec> Functions() {
    return kFunctions;
}

const LevelSpec* FindLevel(std::string_view name) {
    for (const LevelSpec& level : kLevels) {
        if (name == level.name) return &level;
    }
    return nullptr;
}

const FunctionSpec* FindFunction(std::string_view name) {
    for (const FunctionSpec& function : kFunctions) {
        if (name == function.name) return &function;
    }
    return nullptr;
}

std::uint64_t LevelMask(bool settableOnly) {
    std::uint64_t mask = 0;
    for (const LevelSpec& level : kLevels) {
        if (level.settable || !settableOnly) mask |= level.bit;
    }
    return mask;
}

std::uint64_t FunctionMask() {
    std::uint64_t mask = 0;
    for (const FunctionSpec& function : kFunctions) mask |= function.bit;
    return mask;
}

std::string LevelNames(bool settableOnly) {
    std::string names;
    for (const LevelSpec& level : kLevels) {
        if (!level.settable && settableOnly) continue;
        if (!names.empty()) names += ' ';
        names += level.name;
    }
    return names;
}

std::string FunctionNames() {
    std::string names;
    for (const FunctionSpec& function : kFunctions) {
        if (!names.empty()) names += ' ';
        names += function.name;
    }
    return names;
}
