// The least a Win32 program can do with a window like Brantile's: one fixed
// 245 x 433 window with a button and a label, built like the program (the
// same flags and manifest). The start-up benchmark under Wine measures the
// program against it.
#include <windows.h>

namespace {

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*commandLine*/, int show)
{
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = L"Floor";
    RegisterClassExW(&windowClass);

    constexpr DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    RECT outer = {0, 0, 245, 433};
    AdjustWindowRectEx(&outer, style, FALSE, 0);
    const HWND window = CreateWindowExW(0, L"Floor", L"Floor", style, CW_USEDEFAULT,
                                        CW_USEDEFAULT, outer.right - outer.left,
                                        outer.bottom - outer.top, nullptr, nullptr, instance,
                                        nullptr);
    CreateWindowExW(0, L"BUTTON", L"Convert", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 32, 184, 177,
                    25, window, nullptr, instance, nullptr);
    CreateWindowExW(0, L"STATIC", L"Turns", WS_CHILD | WS_VISIBLE, 16, 24, 57, 17, window,
                    nullptr, instance, nullptr);
    ShowWindow(window, show);

    MSG message = {};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
