#include "ui/keyboard_commands.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

struct KeyCase {
    const char* name;
    int character;
    KeyCommand command;
};

class KeyCommandForTest : public testing::TestWithParam<KeyCase> {};

TEST_P(KeyCommandForTest, MapsTheCharacter) {
    EXPECT_EQ(KeyCommandFor(GetParam().character), GetParam().command);
}

INSTANTIATE_TEST_SUITE_P(
    Table, KeyCommandForTest,
    testing::Values(
        KeyCase{"Digit0", '0', KeyCommand::FocusEntry},
        KeyCase{"Digit9", '9', KeyCommand::FocusEntry},
        KeyCase{"Point", '.', KeyCommand::FocusEntry},
        KeyCase{"z", 'z', KeyCommand::FrequencyEntry}, KeyCase{"t", 't', KeyCommand::StepDown},
        KeyCase{"T", 'T', KeyCommand::StepUp}, KeyCase{"c", 'c', KeyCommand::ToggleContinuousDown},
        KeyCase{"C", 'C', KeyCommand::ToggleContinuousUp},
        KeyCase{"CtrlC", 3, KeyCommand::StopContinuousTuning},
        KeyCase{"CtrlY", 25, KeyCommand::ToggleFast}, KeyCase{"s", 's', KeyCommand::StepSizeDown},
        KeyCase{"S", 'S', KeyCommand::StepSizeUp}, KeyCase{"m", 'm', KeyCommand::ModeDown},
        KeyCase{"M", 'M', KeyCommand::ModeUp}, KeyCase{"a", 'a', KeyCommand::AgcDown},
        KeyCase{"A", 'A', KeyCommand::AgcUp}, KeyCase{"g", 'g', KeyCommand::FilterRangeDown},
        KeyCase{"G", 'G', KeyCommand::FilterRangeUp},
        KeyCase{"f", 'f', KeyCommand::FilterPositionDown},
        KeyCase{"F", 'F', KeyCommand::FilterPositionUp},
        KeyCase{"p", 'p', KeyCommand::PassbandShiftDown},
        KeyCase{"P", 'P', KeyCommand::PassbandShiftUp},
        KeyCase{"CtrlP", 16, KeyCommand::TogglePassbandShift},
        KeyCase{"v", 'v', KeyCommand::VolumeDown}, KeyCase{"V", 'V', KeyCommand::VolumeUp},
        KeyCase{"CtrlV", 22, KeyCommand::ToggleVolume}, KeyCase{"l", 'l', KeyCommand::LineDown},
        KeyCase{"L", 'L', KeyCommand::LineUp}, KeyCase{"CtrlL", 12, KeyCommand::ToggleLine},
        KeyCase{"q", 'q', KeyCommand::SquelchDown}, KeyCase{"Q", 'Q', KeyCommand::SquelchUp},
        KeyCase{"CtrlQ", 17, KeyCommand::ToggleSquelch},
        KeyCase{"CtrlB", 2, KeyCommand::ToggleSignalStrength},
        KeyCase{"o", 'o', KeyCommand::FocusStationList}, KeyCase{"x", 'x', KeyCommand::TuneStation},
        KeyCase{"n", 'n', KeyCommand::AddStation}, KeyCase{"u", 'u', KeyCommand::UpdateStation},
        KeyCase{"e", 'e', KeyCommand::EditStation}, KeyCase{"d", 'd', KeyCommand::DeleteStation},
        KeyCase{"i", 'i', KeyCommand::StationFile}, KeyCase{"k", 'k', KeyCommand::Zel},
        KeyCase{"r", 'r', KeyCommand::Config}, KeyCase{"b", 'b', KeyCommand::Schedule},
        KeyCase{"w", 'w', KeyCommand::SweepWindow},
        KeyCase{"ShiftW", 'W', KeyCommand::SweepStartOrCancel},
        KeyCase{"h", 'h', KeyCommand::StripChart}, KeyCase{"y", 'y', KeyCommand::ScanControls},
        KeyCase{"ShiftY", 'Y', KeyCommand::BandScan}, KeyCase{"j", 'j', KeyCommand::MemoryScan},
        KeyCase{"ShiftJ", 'J', KeyCommand::ResumeScan},
        KeyCase{"ShiftX", 'X', KeyCommand::SkipScanFrequency},
        KeyCase{"CtrlG", 7, KeyCommand::ToggleSignalLog}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(KeyCommandFor, LeavesEveryOtherCharacterToTheFocusedControl) {
    const std::string commandLetters = "abcdefghijklmnopqrstuvwxyzACFGJLMPQSTVWXY";
    const std::set<int> commandControls = {2, 3, 7, 12, 16, 17, 22, 25};
    for (int character = 0; character < 256; ++character) {
        const bool digitOrPoint = (character >= '0' && character <= '9') || character == '.';
        const bool letterCommand =
            character > 0 && commandLetters.find(static_cast<char>(character)) != std::string::npos;
        if (digitOrPoint || letterCommand || commandControls.count(character) != 0) continue;
        EXPECT_EQ(KeyCommandFor(character), KeyCommand::None) << "character " << character;
    }
}

}  // namespace
