// uninstall.exe, in the folder of the install. The removal itself is an NSIS
// program (uninstall.nsi) that this one carries as a resource: it writes it
// to the temporary folder, runs it on the folder it stands in, with its own
// arguments (/S for a silent uninstall), waits for it and exits with its exit
// code: 0 removed, 1 cancelled, 2 failed. So whoever starts uninstall.exe gets
// control back when the work is done. An NSIS program cannot remove the file
// it runs from, which it keeps open; this one it can move out of the way.
#include <windows.h>

#include <string>

namespace {

constexpr int kRemovalResource = 2;
constexpr DWORD kFailed = 2;

std::wstring modulePath()
{
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(),
                                                static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

// The arguments of this program's command line, without its own name.
std::wstring ownArguments()
{
    const wchar_t *line = GetCommandLineW();
    const wchar_t end = *line == L'"' ? L'"' : L' ';
    if (*line == L'"')
        ++line;
    while (*line != L'\0' && *line != end)
        ++line;
    if (*line == L'"')
        ++line;
    while (*line == L' ' || *line == L'\t')
        ++line;
    return line;
}

// Writes the removal program into the temporary folder; its path, or empty.
std::wstring writeRemoval(HINSTANCE instance)
{
    const HRSRC resource = FindResourceW(instance, MAKEINTRESOURCEW(kRemovalResource),
                                         MAKEINTRESOURCEW(10)); // RT_RCDATA
    const HGLOBAL loaded = resource != nullptr ? LoadResource(instance, resource) : nullptr;
    const void *bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
    wchar_t folder[MAX_PATH + 1] = {};
    wchar_t path[MAX_PATH + 1] = {};
    if (bytes == nullptr || GetTempPathW(MAX_PATH + 1, folder) == 0
        || GetTempFileNameW(folder, L"brt", 0, path) == 0)
        return {};
    std::wstring removal = path;
    DeleteFileW(path);
    removal.replace(removal.size() - 4, 4, L".exe"); // an NSIS program wants its .exe
    const HANDLE file = CreateFileW(removal.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return {};
    DWORD written = 0;
    const DWORD size = SizeofResource(instance, resource);
    const bool whole = WriteFile(file, bytes, size, &written, nullptr) != FALSE && written == size;
    CloseHandle(file);
    if (!whole) {
        DeleteFileW(removal.c_str());
        return {};
    }
    return removal;
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*commandLine*/, int)
{
    const std::wstring self = modulePath();
    const std::wstring folder = self.substr(0, self.find_last_of(L'\\'));
    const std::wstring removal = writeRemoval(instance);
    if (removal.empty())
        return kFailed;
    // Neither program may stand in the folder that goes.
    const std::wstring temporary = removal.substr(0, removal.find_last_of(L'\\'));
    SetCurrentDirectoryW(temporary.c_str());
    // /D= names the folder to remove; NSIS wants it last and unquoted.
    std::wstring command = L"\"" + removal + L"\" " + ownArguments() + L" /D=" + folder;
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    DWORD code = kFailed;
    if (CreateProcessW(removal.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                       temporary.c_str(), &startup, &process)) {
        WaitForSingleObject(process.hProcess, INFINITE);
        if (!GetExitCodeProcess(process.hProcess, &code))
            code = kFailed;
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    DeleteFileW(removal.c_str());
    return static_cast<int>(code);
}
