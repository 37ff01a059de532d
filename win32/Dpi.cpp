#include "win32/Dpi.h"

namespace win32 {

namespace {

template <typename Function>
Function *user32(const char *name)
{
    // The cast from FARPROC is the documented way to call an export by name.
    return reinterpret_cast<Function *>(
        reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

} // namespace

UINT WindowDpi(HWND window)
{
    using GetDpiForWindowFunction = UINT WINAPI(HWND);
    GetDpiForWindowFunction *const getDpiForWindow =
        user32<GetDpiForWindowFunction>("GetDpiForWindow");
    if (getDpiForWindow != nullptr) {
        if (const UINT dpi = getDpiForWindow(window); dpi != 0)
            return dpi;
    }
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? static_cast<UINT>(dpi) : USER_DEFAULT_SCREEN_DPI;
}

SIZE WindowSizeFor(SIZE client, DWORD style, DWORD exStyle, UINT dpi)
{
    using AdjustFunction = BOOL WINAPI(LPRECT, DWORD, BOOL, DWORD, UINT);
    AdjustFunction *const adjustForDpi =
        user32<AdjustFunction>("AdjustWindowRectExForDpi");
    RECT rect = {0, 0, client.cx, client.cy};
    if (adjustForDpi != nullptr)
        adjustForDpi(&rect, style, FALSE, exStyle, dpi);
    else
        AdjustWindowRectEx(&rect, style, FALSE, exStyle);
    return {rect.right - rect.left, rect.bottom - rect.top};
}

int FromTwips(int twips, UINT dpi)
{
    return form::Pixels(twips, static_cast<int>(dpi));
}

RECT FromTwips(form::Rect twips, UINT dpi)
{
    const form::Rect pixels = form::Pixels(twips, static_cast<int>(dpi));
    return {pixels.left, pixels.top, pixels.left + pixels.width, pixels.top + pixels.height};
}

} // namespace win32
