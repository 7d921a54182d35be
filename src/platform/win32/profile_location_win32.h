#pragma once

#include <string>

// Where the profile lives: in the user's roaming application data, in a folder named after the
// program, the file named after the executable with ".INI" (%APPDATA%\ZORIVAN\zorivan.INI). The
// folder is made when missing. Empty when the place cannot be found.
std::string DefaultProfilePath();
