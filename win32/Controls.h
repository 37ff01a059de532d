#pragma once

#include "form/Layout.h"

#include <windows.h>

#include <string_view>

namespace win32 {

// Creates the standard control of a layout row, visible, as a child of form
// at place (client pixels), with text and the control ID 100 + tab index.
HWND CreateControl(const form::Control &control, std::u16string_view text, HWND form,
                   const RECT &place);

// The layout row of a control of the form's, by its ID; nullptr for another
// window.
const form::Control *LayoutOf(HWND control);

} // namespace win32
