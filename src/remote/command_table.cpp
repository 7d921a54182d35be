#include "remote/command_table.h"

namespace {

constexpr CommandEntry kCommands[] = {
    {CommandId::SetFrequency, 'F', "set_freq", 1, true},
    {CommandId::GetFrequency, 'f', "get_freq", 0, true},
    {CommandId::SetMode, 'M', "set_mode", 2, true},
    {CommandId::GetMode, 'm', "get_mode", 0, true},
    {CommandId::SetVfo, 'V', "set_vfo", 1, false},
    {CommandId::GetVfo, 'v', "get_vfo", 0, false},
    {CommandId::SetPtt, 'T', "set_ptt", 1, true},
    {CommandId::GetPtt, 't', "get_ptt", 0, true},
    {CommandId::SetSplitVfo, 'S', "set_split_vfo", 2, true},
    {CommandId::GetSplitVfo, 's', "get_split_vfo", 0, true},
    {CommandId::SetLevel, 'L', "set_level", 2, true},
    {CommandId::GetLevel, 'l', "get_level", 1, true},
    {CommandId::SetFunction, 'U', "set_func", 2, true},
    {CommandId::GetFunction, 'u', "get_func", 1, true},
    {CommandId::Quit, 'q', "quit", 0, false},
    {CommandId::Quit, 'Q', "quit", 0, false},
    {CommandId::DumpState, '\0', "dump_state", 0, false},
    {CommandId::DumpCaps, '1', "dump_caps", 0, false},
    {CommandId::CheckVfo, '\0', "chk_vfo", 0, false},
    {CommandId::GetPowerStatus, '\0', "get_powerstat", 0, false},
    {CommandId::SetPowerStatus, '\0', "set_powerstat", 1, false},
    {CommandId::GetVfoInfo, '\0', "get_vfo_info", 0, true},
    {CommandId::GetLockMode, '\0', "get_lock_mode", 0, false},
};

}  // namespace

const CommandEntry* FindShortCommand(char name) {
    if (name == '\0') return nullptr;
    for (const CommandEntry& entry : kCommands) {
        if (entry.shortName == name) return &entry;
    }
    return nullptr;
}

const CommandEntry* FindLongCommand(std::string_view name) {
    for (const CommandEntry& entry : kCommands) {
        if (name == entry.longName) return &entry;
    }
    return nullptr;
}
