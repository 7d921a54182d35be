#pragma once

// Sets up how this process meets the signals that would otherwise end it where the program can
// report the failure itself. Call once at start, before any file is saved.
//
// SIGXFSZ is ignored: a write past the file-size limit (RLIMIT_FSIZE) then fails with EFBIG, so
// the save in progress fails with its message and the old file stays, instead of the program
// dying with everything unsaved.
void SetUpProcessSignals();
