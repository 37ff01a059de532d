#include "win32/Keystrokes.h"

#include <array>

namespace win32 {

void SendPlainBackspace(HWND target)
{
    std::array<BYTE, 256> held = {};
    GetKeyboardState(held.data());
    std::array<BYTE, 256> plain = held;
    for (const int key : {VK_SHIFT, VK_LSHIFT, VK_RSHIFT, VK_CONTROL, VK_LCONTROL, VK_RCONTROL,
                          VK_MENU, VK_LMENU, VK_RMENU, VK_LWIN, VK_RWIN})
        plain[static_cast<std::size_t>(key)] &= 0x7F;
    SetKeyboardState(plain.data());

    const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyW(VK_BACK, MAPVK_VK_TO_VSC)) << 16;
    const LPARAM press = 1 | scan;
    const LPARAM release = press | (LPARAM{1} << 30) | (LPARAM{1} << 31);
    SendMessageW(target, WM_KEYDOWN, VK_BACK, press);
    SendMessageW(target, WM_CHAR, L'\b', press);
    SendMessageW(target, WM_KEYUP, VK_BACK, release);

    SetKeyboardState(held.data());
}

} // namespace win32
