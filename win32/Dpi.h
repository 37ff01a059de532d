#pragma once

#include "form/Twips.h"

#include <windows.h>

namespace win32 {

// Calls newer than Windows 7 are looked up at run time, so that the same
// program still starts there.

// The window's dots per inch: its monitor's under per-monitor awareness
// (Windows 10 1607 on), else the system's.
UINT WindowDpi(HWND window);

// The outer size of a window whose client area has the given size, at dpi.
SIZE WindowSizeFor(SIZE client, DWORD style, DWORD exStyle, UINT dpi);

// A position in twips at dpi: twips * dpi / 1440, rounded.
int FromTwips(int twips, UINT dpi);

// A rectangle in twips at dpi, each edge rounded on its own.
RECT FromTwips(form::Rect twips, UINT dpi);

} // namespace win32
