#include "win32/Notice.h"

#include <commctrl.h>

namespace win32 {

namespace {

constexpr UINT kShownFor = 8000; // milliseconds
constexpr UINT_PTR kTool = 1;

TTTOOLINFOW toolOf(HWND owner, wchar_t *text)
{
    TTTOOLINFOW tool = {};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_TRACK | TTF_ABSOLUTE;
    tool.hwnd = owner;
    tool.uId = kTool;
    tool.lpszText = text;
    return tool;
}

} // namespace

Notice::~Notice()
{
    if (m_tip != nullptr)
        DestroyWindow(m_tip);
}

void Notice::create(HWND owner)
{
    m_owner = owner;
}

// The balloon is made when it is first needed.
void Notice::createTip()
{
    m_tip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                            WS_POPUP | TTS_NOPREFIX | TTS_BALLOON | TTS_ALWAYSTIP, CW_USEDEFAULT,
                            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, m_owner, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
    TTTOOLINFOW tool = toolOf(m_owner, m_text.data());
    SendMessageW(m_tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void Notice::show(HWND anchor, const std::wstring &text)
{
    m_text = text;
    if (m_tip == nullptr)
        createTip();
    TTTOOLINFOW tool = toolOf(m_owner, m_text.data());
    RECT place = {};
    GetWindowRect(anchor, &place);
    // Wide enough for the advice on one line; the description breaks where
    // it says.
    SendMessageW(m_tip, TTM_SETMAXTIPWIDTH, 0, 2 * (place.right - place.left) + 200);
    SendMessageW(m_tip, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    SendMessageW(m_tip, TTM_TRACKPOSITION, 0,
                 MAKELPARAM((place.left + place.right) / 2, place.bottom));
    SendMessageW(m_tip, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
    SetTimer(m_owner, kTimer, kShownFor, nullptr);
    m_shown = true;
}

void Notice::dismiss()
{
    if (!m_shown)
        return;
    KillTimer(m_owner, kTimer);
    TTTOOLINFOW tool = toolOf(m_owner, m_text.data());
    SendMessageW(m_tip, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&tool));
    m_shown = false;
}

} // namespace win32
