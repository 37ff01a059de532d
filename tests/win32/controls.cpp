// Reads the Brantile window from outside, as tools and screen readers do:
// finds it by its title and prints, one a line, "ID text" for each control
// that takes part in a conversion, then "focus ID". With the argument
// "convert" it prints the screen point in the middle of Convert instead.
#include <windows.h>

#include <array>
#include <cstdio>
#include <string_view>

int main(int argc, char **argv)
{
    const HWND form = FindWindowW(nullptr, L"Brantile");
    if (form == nullptr) {
        std::fputs("no Brantile window\n", stderr);
        return 1;
    }
    if (argc == 2 && std::string_view(argv[1]) == "convert") {
        RECT button = {};
        GetWindowRect(GetDlgItem(form, 100), &button);
        std::printf("%ld %ld\n", (button.left + button.right) / 2, (button.top + button.bottom) / 2);
        return 0;
    }
    for (const int id : {102, 104, 105}) {
        // WM_GETTEXT, which reaches into the other process, unlike GetWindowText.
        std::array<wchar_t, 64> text = {};
        SendMessageW(GetDlgItem(form, id), WM_GETTEXT, text.size(),
                     reinterpret_cast<LPARAM>(text.data()));
        std::printf("%d %ls\n", id, text.data());
    }
    GUITHREADINFO thread = {};
    thread.cbSize = sizeof thread;
    GetGUIThreadInfo(GetWindowThreadProcessId(form, nullptr), &thread);
    std::printf("focus %d\n", thread.hwndFocus != nullptr ? GetDlgCtrlID(thread.hwndFocus) : 0);
    return 0;
}
