#include "win32/Annotations.h"

#include <initguid.h>

#include <oleacc.h>

namespace win32 {

Annotations::Annotations()
{
    void *services = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                   IID_IAccPropServices, &services)))
        m_services = static_cast<IAccPropServices *>(services);
}

Annotations::~Annotations()
{
    if (m_services != nullptr)
        m_services->Release();
}

void Annotations::setName(HWND control, const wchar_t *name)
{
    if (m_services != nullptr)
        m_services->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                   PROPID_ACC_NAME, const_cast<wchar_t *>(name));
}

void Annotations::setDescription(HWND control, const wchar_t *description)
{
    if (m_services != nullptr)
        m_services->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                   PROPID_ACC_DESCRIPTION, const_cast<wchar_t *>(description));
}

void Annotations::clear(std::initializer_list<HWND> controls)
{
    if (m_services == nullptr)
        return;
    const MSAAPROPID properties[] = {PROPID_ACC_NAME, PROPID_ACC_DESCRIPTION};
    for (HWND control : controls)
        m_services->ClearHwndProps(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                   properties, 2);
}

} // namespace win32
