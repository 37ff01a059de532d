#include "tests/win32/AnnotationRecorder.h"

#include <oleacc.h>

#include <cstring>
#include <map>
#include <utility>

namespace annotations {

namespace {

struct GuidLess {
    bool operator()(const std::pair<HWND, GUID> &a, const std::pair<HWND, GUID> &b) const
    {
        if (a.first != b.first)
            return a.first < b.first;
        return std::memcmp(&a.second, &b.second, sizeof(GUID)) < 0;
    }
};

std::map<std::pair<HWND, GUID>, std::wstring, GuidLess> g_recorded;

// Records the window's calls; the others fail. One static object, its own
// class factory, never freed.
class Recorder final : public IAccPropServices, public IClassFactory {
public:
    HRESULT WINAPI QueryInterface(REFIID iid, void **object) override
    {
        if (IsEqualIID(iid, IID_IAccPropServices))
            *object = static_cast<IAccPropServices *>(this);
        else if (IsEqualIID(iid, IID_IClassFactory) || IsEqualIID(iid, IID_IUnknown))
            *object = static_cast<IClassFactory *>(this);
        else
            *object = nullptr;
        return *object != nullptr ? S_OK : E_NOINTERFACE;
    }
    ULONG WINAPI AddRef() override { return 2; }
    ULONG WINAPI Release() override { return 1; }

    HRESULT WINAPI CreateInstance(IUnknown *outer, REFIID iid, void **object) override
    {
        return outer != nullptr ? CLASS_E_NOAGGREGATION : QueryInterface(iid, object);
    }
    HRESULT WINAPI LockServer(BOOL) override { return S_OK; }

    HRESULT WINAPI SetHwndProp(HWND hwnd, DWORD, DWORD, MSAAPROPID id, VARIANT var) override
    {
        g_recorded[{hwnd, id}] = var.vt == VT_I4 ? std::to_wstring(var.lVal) : L"?";
        return S_OK;
    }
    HRESULT WINAPI SetHwndPropStr(HWND hwnd, DWORD, DWORD, MSAAPROPID id, LPCWSTR text) override
    {
        g_recorded[{hwnd, id}] = text;
        return S_OK;
    }
    HRESULT WINAPI ClearHwndProps(HWND hwnd, DWORD, DWORD, const MSAAPROPID *ids,
                                  int count) override
    {
        for (int i = 0; i < count; ++i)
            g_recorded.erase({hwnd, ids[i]});
        return S_OK;
    }

    // Not used by the window.
    HRESULT WINAPI SetPropValue(const BYTE *, DWORD, MSAAPROPID, VARIANT) override
    { return E_FAIL; }
    HRESULT WINAPI SetPropServer(const BYTE *, DWORD, const MSAAPROPID *, int, IAccPropServer *,
                                 AnnoScope) override { return E_FAIL; }
    HRESULT WINAPI ClearProps(const BYTE *, DWORD, const MSAAPROPID *, int) override
    { return E_FAIL; }
    HRESULT WINAPI SetHwndPropServer(HWND, DWORD, DWORD, const MSAAPROPID *, int,
                                     IAccPropServer *, AnnoScope) override { return E_FAIL; }
    HRESULT WINAPI ComposeHwndIdentityString(HWND, DWORD, DWORD, BYTE **, DWORD *) override
    { return E_FAIL; }
    HRESULT WINAPI DecomposeHwndIdentityString(const BYTE *, DWORD, HWND *, DWORD *,
                                               DWORD *) override { return E_FAIL; }
    HRESULT WINAPI SetHmenuProp(HMENU, DWORD, MSAAPROPID, VARIANT) override { return E_FAIL; }
    HRESULT WINAPI SetHmenuPropStr(HMENU, DWORD, MSAAPROPID, LPCWSTR) override { return E_FAIL; }
    HRESULT WINAPI SetHmenuPropServer(HMENU, DWORD, const MSAAPROPID *, int, IAccPropServer *,
                                      AnnoScope) override { return E_FAIL; }
    HRESULT WINAPI ClearHmenuProps(HMENU, DWORD, const MSAAPROPID *, int) override
    { return E_FAIL; }
    HRESULT WINAPI ComposeHmenuIdentityString(HMENU, DWORD, BYTE **, DWORD *) override
    { return E_FAIL; }
    HRESULT WINAPI DecomposeHmenuIdentityString(const BYTE *, DWORD, HMENU *, DWORD *) override
    { return E_FAIL; }
};

Recorder g_recorder;

} // namespace

void Install()
{
    static DWORD cookie = 0;
    if (cookie == 0)
        CoRegisterClassObject(CLSID_AccPropServices, static_cast<IClassFactory *>(&g_recorder),
                              CLSCTX_INPROC_SERVER, REGCLS_MULTIPLEUSE, &cookie);
}

std::wstring Read(HWND control, const GUID &property)
{
    const auto found = g_recorded.find({control, property});
    return found != g_recorded.end() ? found->second : std::wstring();
}

} // namespace annotations
