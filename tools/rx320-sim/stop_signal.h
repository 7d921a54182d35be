#pragma once

// SIGINT, SIGTERM and SIGHUP end the simulator cleanly: the handler only writes a byte to a pipe
// that the main loop polls (the self-pipe trick), so the link and the FIFO are still removed.
// SIGPIPE is ignored; a write to a vanished reader fails with EPIPE instead.
// False when the pipe or the handlers cannot be set up.
bool InstallStopSignals();

// Read end of the pipe: readable once a stop signal has arrived.
int StopSignalFd();
