#include "win32/Controls.h"

#include "win32/Text.h"

#include <commctrl.h>

namespace win32 {

namespace {

struct WindowClass {
    const wchar_t *name;
    DWORD style;
    DWORD exStyle;
};

WindowClass classOf(const form::Control &control)
{
    constexpr DWORD kChild = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_GROUP;
    switch (control.kind) {
    case form::Kind::GroupBox:
        return {WC_BUTTONW, kChild | BS_GROUPBOX, 0};
    case form::Kind::TextBox:
        return {WC_EDITW, kChild | WS_TABSTOP | ES_CENTER | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case form::Kind::PushButton:
        return {WC_BUTTONW, kChild | WS_TABSTOP | BS_PUSHBUTTON, 0};
    default:
        break;
    }
    DWORD style = kChild | SS_NOPREFIX;
    switch (control.alignment) {
    case form::Alignment::Left:
        style |= SS_LEFT | SS_CENTERIMAGE;
        break;
    case form::Alignment::TopCentre:
        style |= SS_CENTER;
        break;
    default:
        style |= SS_CENTER | SS_CENTERIMAGE;
        break;
    }
    if (control.border == form::Border::Single)
        style |= WS_BORDER;
    return {WC_STATICW, style, 0};
}

} // namespace

HWND CreateControl(const form::Control &control, std::u16string_view text, HWND form,
                   const RECT &place)
{
    const WindowClass windowClass = classOf(control);
    return CreateWindowExW(
        windowClass.exStyle, windowClass.name, Wide(text).c_str(), windowClass.style, place.left,
        place.top, place.right - place.left, place.bottom - place.top, form,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(form::ControlId(control))),
        GetModuleHandleW(nullptr), nullptr);
}

const form::Control *LayoutOf(HWND control)
{
    const int id = GetDlgCtrlID(control);
    for (const form::Control &entry : form::kControls) {
        if (entry.kind != form::Kind::Timer && form::ControlId(entry) == id)
            return &entry;
    }
    return nullptr;
}

} // namespace win32
