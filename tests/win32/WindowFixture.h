#pragma once

// What the tests of the Windows window share: the window, shown and active,
// a message pump that goes through the window's own dispatch, and keystrokes
// and clicks as window messages.

#include "core/NumericText.h"
#include "form/Layout.h"
#include "tests/win32/AnnotationRecorder.h"
#include "win32/Form1.h"
#include "win32/Text.h"

#include <gtest/gtest.h>

namespace cases {
struct Region;
}

#include <array>
#include <memory>
#include <string>
#include <string_view>

// Keys read as held while an instance lives.
class HeldKeys {
public:
    explicit HeldKeys(std::initializer_list<int> keys)
    {
        GetKeyboardState(m_saved.data());
        std::array<BYTE, 256> held = m_saved;
        for (const int key : keys)
            held[static_cast<std::size_t>(key)] |= 0x80;
        SetKeyboardState(held.data());
    }
    ~HeldKeys() { SetKeyboardState(m_saved.data()); }
    HeldKeys(const HeldKeys &) = delete;
    HeldKeys &operator=(const HeldKeys &) = delete;

private:
    std::array<BYTE, 256> m_saved = {};
};

class WindowTest : public testing::Test {
protected:
    void SetUp() override
    {
        annotations::Install();
        m_form = std::make_unique<Form1>(GetModuleHandleW(nullptr));
        ASSERT_NE(form(), nullptr);
        ShowWindow(form(), SW_SHOWNORMAL);
        SetForegroundWindow(form());
        SetActiveWindow(form());
        drain();
    }

    void TearDown() override
    {
        m_form.reset();
        drain();
    }

    HWND form() const { return m_form->hwnd(); }

    HWND item(std::string_view name) const
    {
        return GetDlgItem(form(), form::ControlId(form::ControlNamed(name)));
    }

    std::u16string text(std::string_view name) const { return win32::WindowText(item(name)); }

    static std::u16string local(std::u16string_view text)
    {
        return cases_local(text);
    }

    // The row of the case tables' regions for the user's region.
    static const cases::Region *testRegion();

    // Handles every queued message, as the program's loop would, until none
    // is left: a chain of queued Backspaces takes a pass for each link.
    void drain()
    {
        MSG message = {};
        for (int pass = 0; pass < 100000 && PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE);
             ++pass) {
            if (message.message != WM_QUIT && m_form && form() != nullptr)
                m_form->dispatch(message);
            else if (message.message != WM_QUIT)
                DispatchMessageW(&message);
        }
    }

    // A key press and release for the control that has the focus, as the
    // keyboard sends them.
    void key(UINT virtualKey)
    {
        const HWND focus = GetFocus();
        const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC)) << 16;
        PostMessageW(focus, WM_KEYDOWN, virtualKey, 1 | scan);
        PostMessageW(focus, WM_KEYUP, virtualKey, 1 | scan | (LPARAM{3} << 30));
        drain();
    }

    void type(wchar_t character)
    {
        PostMessageW(GetFocus(), WM_CHAR, character, 1);
        drain();
    }

    void click(HWND control, int x, int y)
    {
        PostMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
        PostMessageW(control, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
        drain();
    }

    void clickConvert() { click(item("cmdCalculate"), 20, 10); }

    static void setClipboard(std::u16string_view text);

    // Plays a script of the case tables.
    void play(std::u16string_view script);

    // The text of the window's notice while it shows.
    std::u16string noticeText() const;

private:
    static std::u16string cases_local(std::u16string_view text);
    void step(std::u16string_view token);

    std::unique_ptr<Form1> m_form;
};
