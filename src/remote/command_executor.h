#pragma once

#include "remote/command_line.h"
#include "remote/remote_radio.h"
#include "remote/reply_text.h"

// What one client's earlier commands leave behind for its later ones.
struct ClientState {
    // It asked "\chk_vfo": it reads the protocol-1 part of "\dump_state".
    bool checkedVfoMode = false;
    // It sent 'q': the connection ends without a reply.
    bool quit = false;
};

// Runs one command against the radio. Gets read the radio's state; sets check every argument
// before they change anything, so a refused command changes nothing.
CommandReply ExecuteCommand(const ParsedCommand& command, RemoteRadio& radio, ClientState& client);
