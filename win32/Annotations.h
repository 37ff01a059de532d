#pragma once

#include <windows.h>

#include <initializer_list>

struct IAccPropServices;

namespace win32 {

// Names and descriptions that assistive technology reads for controls whose
// own text does not say what they are, through oleacc's dynamic annotation.
// Without COM or the service, controls keep their default names.
class Annotations {
public:
    Annotations();
    ~Annotations();
    Annotations(const Annotations &) = delete;
    Annotations &operator=(const Annotations &) = delete;

    void setName(HWND control, const wchar_t *name);
    void setDescription(HWND control, const wchar_t *description);
    // Drops the annotations of these controls; call before they are destroyed.
    void clear(std::initializer_list<HWND> controls);

private:
    IAccPropServices *m_services = nullptr;
};

} // namespace win32
