#pragma once

// Stands in for oleacc's annotation service in the tests' process, whose Wine
// version keeps nothing: what the window annotates is recorded, for the tests
// to read back.

#include <windows.h>

#include <string>

namespace annotations {

// Registers the stand-in for the service's class, once; COM must be up.
void Install();

// A control's annotated property: a text, or a number in decimal; empty where
// it has none.
std::wstring Read(HWND control, const GUID &property);

} // namespace annotations
