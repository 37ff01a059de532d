// The object that owns a window, for the window procedure of its class: it
// comes with CreateWindowExW's last argument, is kept in GWLP_USERDATA, learns
// its window on WM_NCCREATE and loses it on WM_NCDESTROY.
#pragma once

#include <windows.h>

namespace win32 {

// The window's owner, or nullptr where the message goes to DefWindowProcW:
// before WM_NCCREATE and from WM_NCDESTROY on. `window` is the owner's member
// that holds its window.
template <typename Owner>
Owner *WindowOwner(HWND hwnd, UINT message, LPARAM lParam, HWND Owner::*window)
{
    if (message == WM_NCCREATE) {
        auto *owner = static_cast<Owner *>(reinterpret_cast<CREATESTRUCTW *>(lParam)->lpCreateParams);
        owner->*window = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(owner));
    }
    auto *owner = reinterpret_cast<Owner *>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (owner != nullptr && message == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        owner->*window = nullptr;
        return nullptr;
    }
    return owner;
}

} // namespace win32
