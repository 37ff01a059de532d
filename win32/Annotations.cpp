#include "win32/Annotations.h"

#include <oleacc.h>

namespace win32 {

namespace {

template <typename Function>
Function *exported(HMODULE module, const char *name)
{
    // The cast from FARPROC is the documented way to call an export by name.
    return reinterpret_cast<Function *>(
        reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

} // namespace

Annotations::~Annotations()
{
    if (m_services != nullptr)
        m_services->Release();
    if (m_com)
        exported<void WINAPI()>(m_ole, "CoUninitialize")();
    if (m_ole != nullptr)
        FreeLibrary(m_ole);
}

void Annotations::start()
{
    m_ole = LoadLibraryW(L"ole32.dll");
    if (m_ole == nullptr)
        return;
    using Initialize = HRESULT WINAPI(LPVOID, DWORD);
    using Create = HRESULT WINAPI(REFCLSID, LPUNKNOWN, DWORD, REFIID, LPVOID *);
    m_com = SUCCEEDED(
        exported<Initialize>(m_ole, "CoInitializeEx")(nullptr, COINIT_APARTMENTTHREADED));
    void *services = nullptr;
    if (m_com
        && SUCCEEDED(exported<Create>(m_ole, "CoCreateInstance")(
            CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
            &services)))
        m_services = static_cast<IAccPropServices *>(services);
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

void Annotations::clear(HWND control)
{
    if (m_services == nullptr)
        return;
    const MSAAPROPID properties[] = {PROPID_ACC_NAME, PROPID_ACC_DESCRIPTION};
    m_services->ClearHwndProps(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                               properties, 2);
}

} // namespace win32
