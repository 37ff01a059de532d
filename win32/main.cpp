#include "win32/Form1.h"

#include <commctrl.h>
#include <objbase.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*commandLine*/, int show)
{
    // COM for the accessibility annotations; the program works without it.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);

    int result = 1;
    {
        Form1 form(instance);
        if (form.hwnd() != nullptr) {
            ShowWindow(form.hwnd(), show);
            MSG message = {};
            while (GetMessageW(&message, nullptr, 0, 0) > 0)
                form.dispatch(message);
            result = static_cast<int>(message.wParam);
        }
    }
    if (SUCCEEDED(com))
        CoUninitialize();
    return result;
}
