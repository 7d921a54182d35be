#pragma once

#include <string>
#include <vector>

// The reply to "\dump_state": what hamlib's NET rigctl backend (model 2) learns of the radio when
// it connects, one value a line in a fixed order: protocol version, model, region, receive ranges,
// transmit ranges (none), tuning steps, filters, RIT/XIT/IF-shift limits, announcements,
// preamplifier and attenuator steps, then the function, level and parameter masks. A client
// reads a fixed number of lines, so one line too many or too few hangs it or garbles what it
// reads next.
//
// Protocol 1 adds "key=value" lines up to "done". Only a client that asked "\chk_vfo" first
// reads them (hamlib 4 does); an older one stops after the masks and would take the extra lines
// for the answers to its next commands.
std::vector<std::string> StateDumpLines(bool protocol1);

// The reply to "\dump_caps": the same capabilities as "Key: value" lines for people and scripts.
std::vector<std::string> CapsDumpLines();
