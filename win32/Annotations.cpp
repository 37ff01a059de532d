#include "win32/Annotations.h"

#include <oleacc.h>

#include <iterator>

namespace win32 {

namespace {

template <typename Function>
Function *exported(HMODULE module, const char *name)
{
    // The cast from FARPROC is the documented way to call an export by name.
    return reinterpret_cast<Function *>(
        reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

// UI Automation's LiveSetting property and its value Polite, which oleacc's
// annotation takes as an MSAA property.
constexpr MSAAPROPID kLiveSetting = {
    0xc12bcd8e, 0x2a8e, 0x4950, {0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb}};
constexpr long kPolite = 1;

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

void Annotations::setRole(HWND control, long role)
{
    setNumber(control, PROPID_ACC_ROLE, role);
}

void Annotations::setPoliteLiveRegion(HWND control)
{
    setNumber(control, kLiveSetting, kPolite);
}

void Annotations::setNumber(HWND control, const GUID &property, long number)
{
    if (m_services == nullptr)
        return;
    VARIANT value = {};
    value.vt = VT_I4;
    value.lVal = number;
    m_services->SetHwndProp(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, property,
                            value);
}

void Annotations::clear(HWND control)
{
    if (m_services == nullptr)
        return;
    const MSAAPROPID properties[] = {PROPID_ACC_NAME, PROPID_ACC_DESCRIPTION, PROPID_ACC_ROLE,
                                     kLiveSetting};
    m_services->ClearHwndProps(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                               properties, static_cast<int>(std::size(properties)));
}

} // namespace win32
