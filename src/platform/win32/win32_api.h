#pragma once

// The Windows headers for every file of this host. They define A/W macros under names the core's
// interfaces also use (MessageBox, GetOpenFileName, GetSaveFileName); those are taken back here,
// so the host's overrides keep the core's names and the host calls the W functions by name.

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
// After windows.h, which they build on.
#include <commctrl.h>
#include <commdlg.h>

#undef MessageBox
#undef GetOpenFileName
#undef GetSaveFileName
