#include "remote/command_executor.h"

#include <cmath>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/minimum_frequency.h"
#include "remote/capabilities.h"
#include "remote/level_scales.h"
#include "remote/mode_passband.h"
#include "remote/state_dump.h"
#include "remote/value_text.h"

namespace {

using rigctl::Status;

// hamlib's passband argument that leaves the filter alone.
constexpr int kPassbandNoChange = -1;
constexpr const char* kOurVfo = "VFOA";
constexpr std::string_view kQuery = "?";

CommandReply Values(std::initializer_list<ReplyRecord> records) {
    CommandReply reply;
    reply.records = records;
    return reply;
}

CommandReply Done() {
    return CommandReply();
}

CommandReply Answer(bool accepted) {
    return accepted ? Done() : Failure(Status::Rejected);
}

// The receiver has one VFO; hamlib's names for the current or main one all mean it.
bool IsOurVfo(std::string_view vfo) {
    return vfo.empty() || vfo == kOurVfo || vfo == "currVFO" || vfo == "VFO" || vfo == "Main" ||
           vfo == "MainA" || vfo == "RX";
}

std::string Argument(const ParsedCommand& command, std::size_t index) {
    return index < command.arguments.size() ? command.arguments[index] : std::string();
}

CommandReply SetFrequency(const ParsedCommand& command, RemoteRadio& radio) {
    double hz = 0.0;
    if (!ParseReal(Argument(command, 0), hz)) return Failure(Status::InvalidArgument);
    const double rounded = std::round(hz);
    if (rounded < MinimumFrequency || rounded > kMaximumFrequency) {
        return Failure(Status::InvalidArgument);
    }
    return Answer(radio.SetFrequencyHz(static_cast<int>(rounded)));
}

CommandReply GetMode(const RemoteRadio& radio) {
    return Values({{"Mode", ModeName(radio.Mode())},
                   {"Passband", std::to_string(FilterWidthHz(radio.FilterIndex()))}});
}

CommandReply SetMode(const ParsedCommand& command, RemoteRadio& radio) {
    if (Argument(command, 0) == kQuery) return Values({{"", ModeNames()}});
    const int mode = ModeFromName(Argument(command, 0));
    if (mode < 0) return Failure(Status::InvalidArgument);
    int passbandHz = kPassbandNoChange;
    if (command.arguments.size() > 1 && !ParseInteger(command.arguments[1], passbandHz)) {
        return Failure(Status::InvalidArgument);
    }
    int filterIndex = radio.FilterIndex();
    if (passbandHz == 0) {
        filterIndex = NormalFilterIndex(mode);
    } else if (passbandHz > 0) {
        filterIndex = NearestFilterIndex(passbandHz, filterIndex);
    } else if (passbandHz != kPassbandNoChange) {
        return Failure(Status::InvalidArgument);
    }
    bool accepted = mode == radio.Mode() || radio.SetMode(mode);
    if (filterIndex != radio.FilterIndex()) {
        accepted = radio.SetFilterIndex(filterIndex) && accepted;
    }
    return Answer(accepted);
}

CommandReply SetVfo(const ParsedCommand& command) {
    const std::string vfo = Argument(command, 0);
    if (vfo == kQuery) return Values({{"", kOurVfo}});
    if (!IsVfoToken(vfo)) return Failure(Status::InvalidArgument);
    return IsOurVfo(vfo) ? Done() : Failure(Status::NotAvailable);
}

// The receiver has no transmitter: receiving is the one state it accepts.
CommandReply SetPtt(const ParsedCommand& command) {
    int ptt = 0;
    if (!ParseInteger(Argument(command, 0), ptt)) return Failure(Status::InvalidArgument);
    return ptt == 0 ? Done() : Failure(Status::NotAvailable);
}

CommandReply SetSplitVfo(const ParsedCommand& command) {
    int split = 0;
    if (!ParseInteger(Argument(command, 0), split)) return Failure(Status::InvalidArgument);
    return split == 0 ? Done() : Failure(Status::NotAvailable);
}

CommandReply SignalLevel(const LevelEntry& level, const RemoteRadio& radio) {
    if (!radio.HardwareActive()) return Failure(Status::TimedOut);
    const std::optional<int> meterDb = radio.SignalStrengthDb();
    if (!meterDb) return Failure(Status::NotAvailable);
    // The program keeps the reading in dB only, so the raw value is the meter's number.
    const int value = level.id == LevelId::Strength ? StrengthRelativeToS9(*meterDb) : *meterDb;
    return Values({{"Level Value", std::to_string(value)}});
}

CommandReply GetLevel(const ParsedCommand& command, const RemoteRadio& radio) {
    if (Argument(command, 0) == kQuery) return Values({{"", LevelNames(false)}});
    const LevelEntry* level = FindLevel(Argument(command, 0));
    if (level == nullptr) return Failure(Status::InvalidArgument);
    std::string value;
    switch (level->id) {
        case LevelId::Volume:
            value =
                FormatFraction(LevelToFraction(radio.VolumeLevel(), RemoteRadio::kVolumeLevelMax));
            break;
        case LevelId::SquelchLevel:
            value = FormatFraction(
                LevelToFraction(radio.SquelchLevel(), RemoteRadio::kSquelchLevelMax));
            break;
        case LevelId::PassbandShift:
            value = std::to_string(radio.PassbandShiftHz());
            break;
        case LevelId::Agc:
            value = std::to_string(AgcToHamlib(radio.Agc()));
            break;
        case LevelId::RawStrength:
        case LevelId::Strength:
            return SignalLevel(*level, radio);
    }
    return Values({{"Level Value", value}});
}

// The level 0..maximum a fraction argument stands for; -1 when it is no fraction of 0..1.
int LevelArgument(const std::string& token, int maximum) {
    double fraction = 0.0;
    return ParseReal(token, fraction) ? LevelFromFraction(fraction, maximum) : -1;
}

CommandReply SetLevel(const ParsedCommand& command, RemoteRadio& radio) {
    if (Argument(command, 0) == kQuery) return Values({{"", LevelNames(true)}});
    const LevelEntry* level = FindLevel(Argument(command, 0));
    if (level == nullptr || !level->settable) return Failure(Status::InvalidArgument);
    const std::string value = Argument(command, 1);
    int number = -1;
    switch (level->id) {
        case LevelId::Volume:
            number = LevelArgument(value, RemoteRadio::kVolumeLevelMax);
            if (number < 0) break;
            return Answer(radio.SetVolumeLevel(number));
        case LevelId::SquelchLevel:
            number = LevelArgument(value, RemoteRadio::kSquelchLevelMax);
            if (number < 0) break;
            return Answer(radio.SetSquelchLevel(number));
        case LevelId::Agc:
            if (!ParseInteger(value, number) || AgcFromHamlib(number) < 0) break;
            return Answer(radio.SetAgc(AgcFromHamlib(number)));
        case LevelId::PassbandShift:
            if (!ParseInteger(value, number) || number < -RemoteRadio::kPassbandShiftMaxHz ||
                number > RemoteRadio::kPassbandShiftMaxHz) {
                break;
            }
            return Answer(radio.SetPassbandShiftHz(number));
        case LevelId::RawStrength:
        case LevelId::Strength:
            break;
    }
    return Failure(Status::InvalidArgument);
}

CommandReply GetFunction(const ParsedCommand& command, const RemoteRadio& radio) {
    if (Argument(command, 0) == kQuery) return Values({{"", FunctionNames()}});
    const FunctionEntry* function = FindFunction(Argument(command, 0));
    if (function == nullptr) return Failure(Status::InvalidArgument);
    const bool on = function->id == FunctionId::Mute ? !radio.VolumeOn() : radio.SquelchOn();
    return Values({{"Func Status", on ? "1" : "0"}});
}

CommandReply SetFunction(const ParsedCommand& command, RemoteRadio& radio) {
    if (Argument(command, 0) == kQuery) return Values({{"", FunctionNames()}});
    const FunctionEntry* function = FindFunction(Argument(command, 0));
    int status = 0;
    if (function == nullptr || !ParseInteger(Argument(command, 1), status)) {
        return Failure(Status::InvalidArgument);
    }
    if (function->id == FunctionId::Mute) return Answer(radio.SetVolumeOn(status == 0));
    return Answer(radio.SetSquelchOn(status != 0));
}

CommandReply Lines(const std::vector<std::string>& lines) {
    CommandReply reply;
    for (const std::string& line : lines) reply.records.push_back({"", line});
    return reply;
}

CommandReply GetVfoInfo(const RemoteRadio& radio) {
    return Values({{"Freq", std::to_string(radio.FrequencyHz())},
                   {"Mode", ModeName(radio.Mode())},
                   {"Width", std::to_string(FilterWidthHz(radio.FilterIndex()))},
                   {"Split", "0"},
                   {"SatMode", "0"}});
}

}  // namespace

CommandReply ExecuteCommand(const ParsedCommand& command, RemoteRadio& radio, ClientState& client) {
    if (command.entry == nullptr) return Failure(Status::NotAvailable);
    if (!IsOurVfo(command.vfo)) return Failure(Status::NotAvailable);
    switch (command.entry->id) {
        case CommandId::SetFrequency:
            return SetFrequency(command, radio);
        case CommandId::GetFrequency:
            return Values({{"Frequency", std::to_string(radio.FrequencyHz())}});
        case CommandId::SetMode:
            return SetMode(command, radio);
        case CommandId::GetMode:
            return GetMode(radio);
        case CommandId::SetVfo:
            return SetVfo(command);
        case CommandId::GetVfo:
            return Values({{"VFO", kOurVfo}});
        case CommandId::SetPtt:
            return SetPtt(command);
        case CommandId::GetPtt:
            return Values({{"PTT", "0"}});
        case CommandId::SetSplitVfo:
            return SetSplitVfo(command);
        case CommandId::GetSplitVfo:
            return Values({{"Split", "0"}, {"TX VFO", kOurVfo}});
        case CommandId::SetLevel:
            return SetLevel(command, radio);
        case CommandId::GetLevel:
            return GetLevel(command, radio);
        case CommandId::SetFunction:
            return SetFunction(command, radio);
        case CommandId::GetFunction:
            return GetFunction(command, radio);
        case CommandId::Quit:
            client.quit = true;
            return Done();
        case CommandId::DumpState:
            return Lines(StateDumpLines(client.checkedVfoMode));
        case CommandId::DumpCaps:
            return Lines(CapsDumpLines());
        case CommandId::CheckVfo: {
            client.checkedVfoMode = true;
            CommandReply reply = Values({{"", "0"}});
            reply.bare = true;
            return reply;
        }
        // The program keeps the receiver switched on as far as a client can tell: it has no
        // power switch to offer.
        case CommandId::GetPowerStatus:
            return Values({{"Power Status", "1"}});
        case CommandId::SetPowerStatus: {
            int status = 0;
            if (!ParseInteger(Argument(command, 0), status)) {
                return Failure(Status::InvalidArgument);
            }
            return status == 1 ? Done() : Failure(Status::NotAvailable);
        }
        case CommandId::GetVfoInfo:
            return GetVfoInfo(radio);
        case CommandId::GetLockMode:
            return Values({{"Locked", "0"}});
    }
    return Failure(Status::NotAvailable);
}
