#pragma once

#include <string_view>

// The rigctld commands this receiver answers. Each has a long name ("\get_freq"); most also have
// a one-letter name ("f"), and several of those may share one line ("fmv").
enum class CommandId {
    SetFrequency,
    GetFrequency,
    SetMode,
    GetMode,
    SetVfo,
    GetVfo,
    SetPtt,
    GetPtt,
    SetSplitVfo,
    GetSplitVfo,
    SetLevel,
    GetLevel,
    SetFunction,
    GetFunction,
    Quit,
    DumpState,
    DumpCaps,
    CheckVfo,
    GetPowerStatus,
    SetPowerStatus,
    GetVfoInfo,
    GetLockMode,
};

struct CommandEntry {
    CommandId id;
    char shortName;  // '\0': long name only
    const char* longName;
    int argumentCount;
    // Accepts a VFO token before its arguments ("F VFOA 9580000"), as clients in VFO mode send.
    bool takesVfo;
};

// nullptr when the name is not a command of this receiver.
const CommandEntry* FindShortCommand(char name);
const CommandEntry* FindLongCommand(std::string_view name);
