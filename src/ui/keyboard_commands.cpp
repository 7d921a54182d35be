#include "ui/keyboard_commands.h"

namespace {

// Ctrl+letter arrives as the letter's place in the alphabet.
constexpr int Ctrl(char letter) {
    return letter - 'A' + 1;
}

struct KeyBinding {
    int character;
    KeyCommand command;
};

// Digits and the point are handled apart: they are the one group that is not consumed.
constexpr KeyBinding kKeyBindings[] = {
    {'z', KeyCommand::FrequencyEntry},
    {'t', KeyCommand::StepDown},
    {'T', KeyCommand::StepUp},
    {'c', KeyCommand::ToggleContinuousDown},
    {'C', KeyCommand::ToggleContinuousUp},
    {Ctrl('C'), KeyCommand::StopContinuousTuning},
    {Ctrl('Y'), KeyCommand::ToggleFast},
    {'s', KeyCommand::StepSizeDown},
    {'S', KeyCommand::StepSizeUp},
    {'m', KeyCommand::ModeDown},
    {'M', KeyCommand::ModeUp},
    {'a', KeyCommand::AgcDown},
    {'A', KeyCommand::AgcUp},
    {'g', KeyCommand::FilterRangeDown},
    {'G', KeyCommand::FilterRangeUp},
    {'f', KeyCommand::FilterPositionDown},
    {'F', KeyCommand::FilterPositionUp},
    {'p', KeyCommand::PassbandShiftDown},
    {'P', KeyCommand::PassbandShiftUp},
    {Ctrl('P'), KeyCommand::TogglePassbandShift},
    {'v', KeyCommand::VolumeDown},
    {'V', KeyCommand::VolumeUp},
    {Ctrl('V'), KeyCommand::ToggleVolume},
    {'l', KeyCommand::LineDown},
    {'L', KeyCommand::LineUp},
    {Ctrl('L'), KeyCommand::ToggleLine},
    {'q', KeyCommand::SquelchDown},
    {'Q', KeyCommand::SquelchUp},
    {Ctrl('Q'), KeyCommand::ToggleSquelch},
    {Ctrl('B'), KeyCommand::ToggleSignalStrength},
    {'o', KeyCommand::FocusStationList},
    {'x', KeyCommand::TuneStation},
    {'n', KeyCommand::AddStation},
    {'u', KeyCommand::UpdateStation},
    {'e', KeyCommand::EditStation},
    {'d', KeyCommand::DeleteStation},
    {'i', KeyCommand::StationFile},
    {'k', KeyCommand::Zel},
    {'r', KeyCommand::Config},
    {'b', KeyCommand::Schedule},
    {'w', KeyCommand::SweepWindow},
    {'W', KeyCommand::SweepStartOrCancel},
    {'h', KeyCommand::StripChart},
    {'y', KeyCommand::ScanControls},
    {'Y', KeyCommand::BandScan},
    {'j', KeyCommand::MemoryScan},
    {'J', KeyCommand::ResumeScan},
    {'X', KeyCommand::SkipScanFrequency},
    {Ctrl('G'), KeyCommand::ToggleSignalLog},
};

}  // namespace

KeyCommand KeyCommandFor(int character) {
    if ((character >= '0' && character <= '9') || character == '.') return KeyCommand::FocusEntry;
    for (const KeyBinding& binding : kKeyBindings) {
        if (binding.character == character) return binding.command;
    }
    return KeyCommand::None;
}
