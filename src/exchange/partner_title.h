#pragma once

#include <string>

#include "exchange/copy_data_bus.h"

// True when the title, after any leading blanks, begins with name (case-sensitive; any text may
// follow). A title of blanks only names nothing. How the two programs find each other's windows.
bool TitleNamesProgram(const std::string& title, const std::string& name);

// The first window in the bus's enumeration whose title names the program; false when none does.
bool FindProgramWindow(CopyDataBus& bus, const std::string& name, BusWindow& window);
