#pragma once

// The one-key commands of the main window. Upper and lower case are different keys; the control
// characters are the Ctrl combinations (Ctrl+C is 3).
enum class KeyCommand {
    None,        // not a command: the character goes to the focused control
    FocusEntry,  // digits and '.': into the entry box, where the character then lands
    FrequencyEntry,
    StepDown,
    StepUp,
    ToggleContinuousDown,
    ToggleContinuousUp,
    StopContinuousTuning,
    ToggleFast,
    StepSizeDown,
    StepSizeUp,
    ModeDown,
    ModeUp,
    AgcDown,
    AgcUp,
    FilterRangeDown,
    FilterRangeUp,
    FilterPositionDown,
    FilterPositionUp,
    PassbandShiftDown,
    PassbandShiftUp,
    TogglePassbandShift,
    VolumeDown,
    VolumeUp,
    ToggleVolume,
    LineDown,
    LineUp,
    ToggleLine,
    SquelchDown,
    SquelchUp,
    ToggleSquelch,
    ToggleSignalStrength,
    FocusStationList,
    TuneStation,
    AddStation,
    UpdateStation,
    EditStation,
    DeleteStation,
    StationFile,
    Zel,
    Config,
    Schedule,
};

// The command a typed character stands for.
KeyCommand KeyCommandFor(int character);
