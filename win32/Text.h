#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace win32 {

// A window's text as UTF-16 (wchar_t is 16 bits on Windows).
inline std::u16string WindowText(HWND window)
{
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return {text.begin(), text.end()};
}

inline std::wstring Wide(std::u16string_view text)
{
    return {text.begin(), text.end()};
}

inline void SetText(HWND window, std::u16string_view text)
{
    SetWindowTextW(window, Wide(text).c_str());
}

} // namespace win32
