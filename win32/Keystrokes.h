#pragma once

#include <windows.h>

namespace win32 {

// Delivers one Backspace press, its character and its release to target
// through its ordinary keyboard handling, as a plain Backspace: the modifier
// keys read as up meanwhile (an edit box ignores Backspace while Ctrl is
// down, so a paste with Ctrl+V would stop after one deletion).
void SendPlainBackspace(HWND target);

} // namespace win32
