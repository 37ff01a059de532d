// Reads the Brantile window from outside, as tools and screen readers do:
// finds it by its title and prints, one a line, "ID text" for each control
// that takes part in a conversion, then "focus ID". Other commands:
//   convert      the screen point in the middle of Convert;
//   entry        "selection START END", then "shown FIRST CARET LEFT RIGHT":
//                the x of the entry's first character (EM_POSFROMCHAR) and of
//                its caret, and the edges of its text area (EM_GETRECT);
//   point INDEX  the screen point at the left of the entry's character INDEX,
//                or right of its text for INDEX -1;
//   paste TEXT   puts TEXT on the clipboard;
//   text ID      the text of the form's window of that ID, in UTF-8, with its
//                line breaks: a label's, or the notice's while it shows;
//   notice       the screen point in the middle of the notice, or "none"
//                where none shows; then "foreground yes" or "foreground no":
//                whether the window is the one the keyboard goes to.
// Or, with no window up: watch PHASE SECONDS PROGRAM starts PROGRAM at PHASE
// seconds past a second of the clock and prints, for SECONDS, each change of
// its time label (ID 111): "BEFORE SEEN TEXT", the local time of day in seconds when
// the old text was last read and when the new one was first read.

#include "win32/Notice.h"

#include <windows.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace {

// EM_POSFROMCHAR's x, signed: left of the text area is negative.
int xOf(HWND entry, WPARAM index)
{
    return static_cast<short>(LOWORD(SendMessageW(entry, EM_POSFROMCHAR, index, 0)));
}

void paste(const char *text)
{
    const std::size_t bytes = std::strlen(text) + 1;
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    std::memcpy(GlobalLock(memory), text, bytes);
    GlobalUnlock(memory);
    OpenClipboard(nullptr);
    EmptyClipboard();
    SetClipboardData(CF_TEXT, memory);
    CloseClipboard();
}

double timeOfDay()
{
    SYSTEMTIME now = {};
    GetLocalTime(&now);
    return now.wHour * 3600 + now.wMinute * 60 + now.wSecond + now.wMilliseconds / 1000.0;
}

int watch(double phase, int seconds, char *program)
{
    Sleep(static_cast<DWORD>(std::fmod(phase - std::fmod(timeOfDay(), 1.0) + 1.0, 1.0) * 1000));
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, program, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process))
        return 1;
    HWND form = nullptr;
    for (int i = 0; i < 2000 && form == nullptr; ++i, Sleep(5))
        form = FindWindowW(nullptr, L"Brantile");
    std::wstring last;
    double before = timeOfDay();
    for (const ULONGLONG end = GetTickCount64() + 1000ULL * static_cast<unsigned>(seconds);
         form != nullptr && GetTickCount64() < end; Sleep(5)) {
        const double start = timeOfDay();
        std::array<wchar_t, 64> text = {};
        SendMessageW(GetDlgItem(form, 111), WM_GETTEXT, text.size(),
                     reinterpret_cast<LPARAM>(text.data()));
        if (last != text.data()) {
            std::printf("%.3f %.3f %ls\n", before, timeOfDay(), text.data());
            std::fflush(stdout);
            last = text.data();
        }
        before = start;
    }
    PostMessageW(form, WM_CLOSE, 0, 0);
    WaitForSingleObject(process.hProcess, 10000);
    return form != nullptr ? 0 : 1;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc == 5 && std::string_view(argv[1]) == "watch")
        return watch(std::atof(argv[2]), std::atoi(argv[3]), argv[4]);
    const HWND form = FindWindowW(nullptr, L"Brantile");
    if (form == nullptr) {
        std::fputs("no Brantile window\n", stderr);
        return 1;
    }
    const HWND entry = GetDlgItem(form, 102);
    const std::string_view command = argc >= 2 ? argv[1] : "";
    if (command == "convert") {
        RECT button = {};
        GetWindowRect(GetDlgItem(form, 100), &button);
        std::printf("%ld %ld\n", (button.left + button.right) / 2, (button.top + button.bottom) / 2);
        return 0;
    }
    if (command == "entry") {
        DWORD start = 0;
        DWORD end = 0;
        SendMessageW(entry, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                     reinterpret_cast<LPARAM>(&end));
        RECT area = {};
        SendMessageW(entry, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&area));
        GUITHREADINFO thread = {};
        thread.cbSize = sizeof thread;
        GetGUIThreadInfo(GetWindowThreadProcessId(form, nullptr), &thread);
        std::printf("selection %lu %lu\nshown %d %ld %ld %ld\n", start, end, xOf(entry, 0),
                    thread.hwndCaret == entry ? thread.rcCaret.left : -1, area.left, area.right);
        return 0;
    }
    if (command == "point" && argc == 3) {
        const int index = std::atoi(argv[2]);
        RECT client = {};
        GetClientRect(entry, &client);
        POINT point = {index < 0 ? client.right - 3 : xOf(entry, static_cast<WPARAM>(index)),
                       client.bottom / 2};
        ClientToScreen(entry, &point);
        std::printf("%ld %ld\n", point.x, point.y);
        return 0;
    }
    if (command == "notice") {
        const HWND notice = GetDlgItem(form, win32::Notice::kId);
        RECT box = {};
        if (notice != nullptr && IsWindowVisible(notice) && GetWindowRect(notice, &box))
            std::printf("%ld %ld\n", (box.left + box.right) / 2, (box.top + box.bottom) / 2);
        else
            std::puts("none");
        std::printf("foreground %s\n", GetForegroundWindow() == form ? "yes" : "no");
        return 0;
    }
    if (command == "text" && argc == 3) {
        const HWND window = GetDlgItem(form, std::atoi(argv[2]));
        std::array<wchar_t, 512> text = {};
        if (window != nullptr && IsWindowVisible(window))
            SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
        std::array<char, 2048> utf8 = {};
        WideCharToMultiByte(CP_UTF8, 0, text.data(), -1, utf8.data(), static_cast<int>(utf8.size()),
                            nullptr, nullptr);
        std::printf("%s\n", utf8.data());
        return 0;
    }
    if (command == "paste" && argc == 3) {
        paste(argv[2]);
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
