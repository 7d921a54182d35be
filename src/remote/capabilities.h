#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

// The levels ("l AF") and functions ("u SQL") this receiver offers, with their hamlib bits, so
// that the commands, the state dump and the capability dump read one table.
enum class LevelId { Volume, SquelchLevel, PassbandShift, Agc, RawStrength, Strength };
enum class FunctionId { Mute, Squelch };

struct LevelEntry {
    LevelId id;
    const char* name;
    std::uint64_t bit;
    bool settable;
};

struct FunctionEntry {
    FunctionId id;
    const char* name;
    std::uint64_t bit;
};

std::span<const LevelEntry> Levels();
std::span<const FunctionEntry> Functions();
// nullptr when this receiver has no such level or function.
const LevelEntry* FindLevel(std::string_view name);
const FunctionEntry* FindFunction(std::string_view name);

std::uint64_t LevelMask(bool settableOnly);
std::uint64_t FunctionMask();
// The names separated by blanks, as the "?" queries list them.
std::string LevelNames(bool settableOnly);
std::string FunctionNames();
