// SPDX-License-Identifier: MIT
#pragma once

// The Win32 API, ANSI throughout: the program's text is Windows-1252 bytes, as the ANSI functions
// take and give them on code page 1252.
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
