#include "win32/Form1.h"

#include <commctrl.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*commandLine*/, int show)
{
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
    return result;
}
