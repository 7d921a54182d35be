#pragma once

#include <string>

// Where the profile lives on this host: "$XDG_CONFIG_HOME/<name>.INI", or "~/.config/<name>.INI"
// when XDG_CONFIG_HOME is unset, empty or not absolute. executableName may be a whole path (such
// as argv[0]); only its last component counts. Creates the configuration directory (0700) when it
// is missing, so that the first save finds it; a failure there only makes that save fail later.
std::string DefaultProfilePath(const std::string& executableName);
