#pragma once

#include <string>

// Where this user's copy-data bus lives: "$XDG_RUNTIME_DIR/zorivan" when that variable holds an
// absolute path, else "/tmp/zorivan-<uid>".
std::string DefaultBusDirectory();

// Makes sure path is a directory that only this user can enter, creating it with mode 0700 when
// it is missing. Nothing is repaired: a directory that fails a check is left alone.
// 0 ready; 1 cannot be created or examined; 2 not a directory (a symbolic link counts as not);
// 3 owned by another user; 4 open to group or others.
int PrepareBusDirectory(const std::string& path);
