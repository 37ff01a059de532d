#include "win32/Notice.h"

#include "form/NoticeDesign.h"
#include "win32/Annotations.h"
#include "win32/Dpi.h"
#include "win32/Look.h"
#include "win32/WindowOwner.h"

#include <oleacc.h>

#include <array>

namespace win32 {

namespace {

constexpr wchar_t kClassName[] = L"Brantile.Notice";
constexpr UINT_PTR kTimer = 1;
constexpr UINT kTextFormat = DT_CENTER | DT_WORDBREAK | DT_NOPREFIX;

COLORREF colourOf(form::Colour colour)
{
    return static_cast<COLORREF>(colour);
}

// The text's size in lines of at most width pixels, broken between words.
SIZE measure(HDC dc, HFONT font, const std::wstring &text, int width)
{
    const HGDIOBJ old = SelectObject(dc, font);
    RECT room = {0, 0, width, 0};
    DrawTextW(dc, text.c_str(), -1, &room, kTextFormat | DT_CALCRECT);
    SelectObject(dc, old);
    return {room.right - room.left, room.bottom - room.top};
}

} // namespace

Notice::~Notice()
{
    if (m_window != nullptr && IsWindow(m_window))
        DestroyWindow(m_window);
}

void Notice::create(HWND form, Look &look, Annotations &annotations)
{
    m_form = form;
    m_look = &look;
    m_annotations = &annotations;
}

void Notice::createWindow()
{
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = &Notice::WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kClassName;
    RegisterClassExW(&windowClass); // fails harmlessly when already registered
    // Above every control, which all clip their siblings.
    m_window = CreateWindowExW(WS_EX_NOPARENTNOTIFY, kClassName, L"", WS_CHILD | WS_CLIPSIBLINGS,
                               0, 0, 0, 0, m_form,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(kId)), instance, this);
    m_annotations->setRole(m_window, ROLE_SYSTEM_ALERT);
}

LRESULT CALLBACK Notice::WindowProc(HWND window, UINT message, WPARAM wParam,
                                    LPARAM lParam) noexcept
{
    Notice *notice = win32::WindowOwner(window, message, lParam, &Notice::m_window);
    return notice != nullptr ? notice->handleMessage(message, wParam, lParam)
                             : DefWindowProcW(window, message, wParam, lParam);
}

LRESULT Notice::handleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_TIMER:
        dismiss();
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        onPaint();
        return 0;
    case WM_DESTROY:
        m_annotations->clear(m_window);
        break;
    default:
        break;
    }
    return DefWindowProcW(m_window, message, wParam, lParam);
}

bool Notice::endsWith(const MSG &message) const
{
    switch (message.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        return form::GoesWithKeys(m_about);
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        return true;
    default:
        return false;
    }
}

void Notice::show(const std::wstring &text, UINT dpi, form::NoticeAbout about)
{
    m_about = about;
    if (m_window == nullptr)
        createWindow();
    m_dpi = dpi;
    m_text = text;
    SetWindowTextW(m_window, m_text.c_str());
    m_annotations->setName(m_window, m_text.c_str());
    place();
    fitFont();
    SetWindowPos(m_window, HWND_TOP, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    InvalidateRect(m_window, nullptr, TRUE);
    SetTimer(m_window, kTimer, form::kNoticeShownFor, nullptr);
    m_shown = true;
    NotifyWinEvent(EVENT_SYSTEM_ALERT, m_window, OBJID_CLIENT, CHILDID_SELF);
}

void Notice::edited()
{
    if (form::GoesWithKeys(m_about))
        dismiss();
}

void Notice::dismiss()
{
    if (!m_shown)
        return;
    m_shown = false;
    KillTimer(m_window, kTimer);
    ShowWindow(m_window, SW_HIDE);
}

// The box over the hints and its tail down to the entry, at the dpi: edges at
// twips x dpi / 1440, rounded, as the controls have them. The window's
// region is the box and the tail, so that beside the tail the form shows.
void Notice::place()
{
    const form::NoticePlace place = form::NoticePlacement();
    const form::Rect bounds = form::NoticeBounds(place);
    const auto at = [this](int twips) { return FromTwips(twips, m_dpi); };
    const int left = at(bounds.left);
    const int top = at(bounds.top);
    const int width = at(bounds.left + bounds.width) - left;
    const int height = at(bounds.top + bounds.height) - top;
    SetWindowPos(m_window, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    m_box = {0, 0, width, at(place.box.top + place.box.height) - top};
    const std::array<POINT, 7> outline = {{{0, 0},
                                           {width, 0},
                                           {width, m_box.bottom},
                                           {at(place.tailRight) - left, m_box.bottom},
                                           {at(place.tipX) - left, height},
                                           {at(place.tailLeft) - left, m_box.bottom},
                                           {0, m_box.bottom}}};
    SetWindowRgn(m_window, CreatePolygonRgn(outline.data(), static_cast<int>(outline.size()), WINDING),
                 TRUE);
}

// The largest size, up to the notice's own, at which the text fits the box.
void Notice::fitFont()
{
    const int padding = FromTwips(form::kNoticePadding, m_dpi);
    const int width = m_box.right - 2 * padding;
    const int height = m_box.bottom - 2 * padding;
    const HDC dc = GetDC(m_window);
    const auto size = [&](double pointSize) {
        const SIZE used = measure(dc, m_look->font(pointSize, false, m_dpi), m_text, width);
        return form::TextSize{static_cast<double>(used.cx), static_cast<double>(used.cy)};
    };
    m_pointSize = form::NoticePointSize(size, width, height);
    m_textHeight = measure(dc, m_look->font(m_pointSize, false, m_dpi), m_text, width).cy;
    ReleaseDC(m_window, dc);
}

void Notice::onPaint()
{
    PAINTSTRUCT paint = {};
    const HDC dc = BeginPaint(m_window, &paint);
    const bool contrast = m_look->highContrast();
    const HBRUSH background = CreateSolidBrush(
        contrast ? GetSysColor(COLOR_INFOBK) : colourOf(form::kNoticeBackground));
    const HBRUSH border = CreateSolidBrush(
        contrast ? GetSysColor(COLOR_INFOTEXT) : colourOf(form::kNoticeBorder));
    const HRGN shape = CreateRectRgn(0, 0, 0, 0);
    GetWindowRgn(m_window, shape);
    FillRgn(dc, shape, background);
    FrameRgn(dc, shape, border, 1, 1);
    DeleteObject(shape);
    DeleteObject(border);
    DeleteObject(background);

    RECT room = m_box;
    InflateRect(&room, -FromTwips(form::kNoticePadding, m_dpi), 0);
    room.top = (m_box.bottom - m_textHeight) / 2;
    room.bottom = room.top + m_textHeight;
    const HGDIOBJ old = SelectObject(dc, m_look->font(m_pointSize, false, m_dpi));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, contrast ? GetSysColor(COLOR_INFOTEXT) : colourOf(form::kNoticeText));
    DrawTextW(dc, m_text.c_str(), -1, &room, kTextFormat);
    SelectObject(dc, old);
    EndPaint(m_window, &paint);
}

} // namespace win32
