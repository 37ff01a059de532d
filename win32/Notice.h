#pragma once

#include <windows.h>

#include <string>

namespace win32 {

// A short message in a balloon at the foot of a control, plain text, that
// lets clicks through to what lies below. It goes after a few seconds, or
// when dismissed. The window owns it and calls onTimer for its timer.
class Notice {
public:
    static constexpr UINT_PTR kTimer = 2;

    Notice() = default;
    ~Notice();
    Notice(const Notice &) = delete;
    Notice &operator=(const Notice &) = delete;

    void create(HWND owner);
    void show(HWND anchor, const std::wstring &text);
    void dismiss();
    HWND hwnd() const { return m_tip; }

private:
    void createTip();

    HWND m_owner = nullptr;
    HWND m_tip = nullptr;
    std::wstring m_text;
    bool m_shown = false;
};

} // namespace win32
