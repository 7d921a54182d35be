#pragma once

#include <termios.h>

#include "link/serial_device.h"

// Line settings to and from termios attributes, apart from any device so the mapping is tested
// on its own. DTR and RTS are modem lines, not attributes: the device sets them.

// Makes the line raw, as a Windows COM handle always is: no echo, no signals, no line editing, no
// byte translation, receiver on, modem-control lines ignored, reads return what is there.
void MakeRaw(termios& attributes);
bool IsRaw(const termios& attributes);

// Writes the named settings into attributes (raw, speed, data bits, parity, stop bits, CTS and
// XON/XOFF flow control) and keeps everything else. False, with attributes untouched, for what
// termios cannot express: an unknown baud rate, data bits outside 5..8, a parity code outside 0..4,
// one and a half stop bits with more than 5 data bits or two with 5, DSR output flow control, or
// a line that is not binary.
bool ApplyLineSettings(const SerialLineSettings& settings, termios& attributes);

// The settings the attributes express; DSR flow, DTR and RTS come back off.
SerialLineSettings LineSettingsOf(const termios& attributes);
