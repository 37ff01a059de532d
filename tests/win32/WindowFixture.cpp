#include "tests/win32/WindowFixture.h"

#include "tests/EntryCases.h"

#include <algorithm>
#include <cstring>
#include <utility>

std::u16string WindowTest::cases_local(std::u16string_view text)
{
    return cases::Localised(text, core::UserSeparators().decimal);
}

const cases::Region *WindowTest::testRegion()
{
    std::array<wchar_t, LOCALE_NAME_MAX_LENGTH> name = {};
    GetUserDefaultLocaleName(name.data(), static_cast<int>(name.size()));
    std::string region(name.data(), name.data() + wcslen(name.data()));
    std::replace(region.begin(), region.end(), '-', '_');
    return cases::RegionNamed(region);
}

void WindowTest::setClipboard(std::u16string_view text)
{
    const std::wstring wide = win32::Wide(text);
    const std::size_t bytes = (wide.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    std::memcpy(GlobalLock(memory), wide.c_str(), bytes);
    GlobalUnlock(memory);
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();
}

void WindowTest::step(std::u16string_view token)
{
    constexpr std::pair<std::u16string_view, UINT> keys[] = {
        {u"Tab", VK_TAB},   {u"BS", VK_BACK},   {u"Del", VK_DELETE},  {u"Home", VK_HOME},
        {u"End", VK_END},   {u"Left", VK_LEFT}, {u"Right", VK_RIGHT}, {u"KPDecimal", VK_DECIMAL},
    };
    if (token.starts_with(u"Paste:")) {
        setClipboard(token.substr(6));
        // Ctrl stays down while the queued Backspaces run, as when a user
        // holds it after Ctrl+V.
        const HeldKeys control({VK_CONTROL, VK_LCONTROL});
        PostMessageW(GetFocus(), WM_CHAR, 0x16, 1); // Ctrl+V
        drain();
        return;
    }
    if (token == u"Convert") {
        clickConvert();
        return;
    }
    if (token == u"ShiftEnd") {
        const HeldKeys shift({VK_SHIFT});
        key(VK_END);
        return;
    }
    constexpr std::pair<std::u16string_view, wchar_t> characters[] = {
        {u"Undo", 0x1A}, {u"Redo", 0x19}}; // Ctrl+Z and Ctrl+Y
    for (const auto &[name, character] : characters) {
        if (token == name) {
            type(character);
            return;
        }
    }
    for (const auto &[name, virtualKey] : keys) {
        if (token == name) {
            key(virtualKey);
            return;
        }
    }
    ASSERT_EQ(token.size(), 1u);
    type(static_cast<wchar_t>(token.front()));
}

void WindowTest::play(std::u16string_view script)
{
    for (std::size_t i = 0; i < script.size(); ++i) {
        if (script[i] == u'{') {
            const std::size_t end = script.find(u'}', i);
            step(script.substr(i + 1, end - i - 1));
            i = end;
        } else {
            step(script.substr(i, 1));
        }
    }
}

std::u16string WindowTest::noticeText() const
{
    const HWND notice = GetDlgItem(form(), win32::Notice::kId);
    // Shown, whether or not the form itself is on screen.
    const bool shown = notice != nullptr && (GetWindowLongW(notice, GWL_STYLE) & WS_VISIBLE) != 0;
    return shown ? win32::WindowText(notice) : u"";
}
