#pragma once

#include <windows.h>

struct IAccPropServices;

namespace win32 {

// What assistive technology reads of a control beyond its own text (a name,
// a description, a role, a live region), through oleacc's dynamic annotation.
// COM and the service are loaded at run time, when start() is called (after
// the window shows, so that start-up does not wait for them); without them
// the controls keep their default names and roles.
class Annotations {
public:
    Annotations() = default;
    ~Annotations();
    Annotations(const Annotations &) = delete;
    Annotations &operator=(const Annotations &) = delete;

    // Starts COM on this thread and gets the annotation service.
    void start();
    void setName(HWND control, const wchar_t *name);
    void setDescription(HWND control, const wchar_t *description);
    // The role that screen readers announce for it, such as ROLE_SYSTEM_ALERT.
    void setRole(HWND control, long role);
    // A polite live region (UI Automation's LiveSetting): told that it changed
    // (EVENT_OBJECT_LIVEREGIONCHANGED), a screen reader says its name when it
    // is done speaking. Windows 10 1709 and later; older systems ignore it.
    void setPoliteLiveRegion(HWND control);
    // Drops the annotations of a control; call before it is destroyed.
    void clear(HWND control);

private:
    void setNumber(HWND control, const GUID &property, long number);

    HMODULE m_ole = nullptr;
    bool m_com = false;
    IAccPropServices *m_services = nullptr;
};

} // namespace win32
