#pragma once

#include <windows.h>

struct IAccPropServices;

namespace win32 {

// Names and descriptions that assistive technology reads for controls whose
// own text does not say what they are, through oleacc's dynamic annotation.
// COM and the service are loaded at run time, when start() is called (after
// the window shows, so that start-up does not wait for them); without them
// the controls keep their default names.
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
    // Drops the annotations of a control; call before it is destroyed.
    void clear(HWND control);

private:
    HMODULE m_ole = nullptr;
    bool m_com = false;
    IAccPropServices *m_services = nullptr;
};

} // namespace win32
