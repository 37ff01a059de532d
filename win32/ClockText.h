#pragma once

#include <windows.h>

#include <string>

namespace win32 {

// The local time now in the user's long time format, the one with seconds.
std::wstring ClockTime();
// The local date now in the user's short date format.
std::wstring ClockDate();

} // namespace win32
