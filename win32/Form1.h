#pragma once

#include "form/Layout.h"
#include "win32/Annotations.h"
#include "win32/Entry.h"
#include "win32/Look.h"
#include "win32/Notice.h"

#include <windows.h>

#include <string>
#include <string_view>
#include <variant>

namespace core {
class ConversionError;
}

// The program's one window: the dimension entry, the Convert button, the
// handle reading and the clock, built from the layout table. Its controls
// carry the IDs 100 + tab index.
class Form1 {
public:
    explicit Form1(HINSTANCE instance);
    ~Form1();
    Form1(const Form1 &) = delete;
    Form1 &operator=(const Form1 &) = delete;

    HWND hwnd() const { return m_hwnd; }

    // One message of the thread's queue: Tab, Enter and Escape go to the
    // window's keyboard interface, everything else is translated and
    // dispatched.
    void dispatch(MSG &message);

    void cmdCalculate_Click();
    void txtinch_Change();
    void txtinch_GotFocus();
    void tmrclock_Timer();

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam,
                                       LPARAM lParam) noexcept;
    static LRESULT CALLBACK ControlProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam,
                                        UINT_PTR id, DWORD_PTR form) noexcept;
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handleControlMessage(HWND control, UINT message, WPARAM wParam, LPARAM lParam);

    void onCreate();
    void onDestroy();
    void onCommand(int id, int code);
    LRESULT onColour(HDC dc, HWND control);
    void onErase(HDC dc);
    void onActivate(bool active);
    void onDpiChanged(UINT dpi, const RECT &suggested);
    void onSettingChange();
    void onTimer(UINT_PTR timer);
    void onQueuedBackspace();
    void onLimitReached();
    void onShown();
    void onEntryChanged();

    void createControls();
    RECT placeOf(const form::Control &control) const;
    void layout();
    void centre();
    void restoreFocus();
    void run(void (Form1::*handler)());
    using Spoken = std::u16string (*)(std::u16string_view);
    void showResult(HWND box, const std::u16string &text, Spoken spoken);
    HFONT layoutFont(const form::Control &control);
    void fitResult(HWND box);
    void showFailure(const core::ConversionError &error);
    // The member that holds a control of the layout table: a window, or the
    // timer's ID.
    using Member = std::variant<HWND Form1::*, UINT_PTR Form1::*>;
    static Member member(form::Id id);
    HWND &windowOf(form::Id id);

    HWND m_hwnd = nullptr;
    HWND Frame3 = nullptr;
    HWND lbltime = nullptr;
    HWND lbldate = nullptr;
    UINT_PTR tmrclock = 0;
    HWND Frame2 = nullptr;
    HWND Divisions = nullptr;
    HWND turns = nullptr;
    HWND lbldecimal = nullptr;
    HWND lblwhole = nullptr;
    HWND Frame1 = nullptr;
    HWND txtinch = nullptr;
    HWND Label4 = nullptr;
    HWND Label2 = nullptr;
    HWND Label1 = nullptr;
    HWND Label3 = nullptr;
    HWND cmdCalculate = nullptr;

    UINT m_dpi = USER_DEFAULT_SCREEN_DPI;
    HWND m_focus = nullptr;        // the control that last had the focus
    bool m_restoringFocus = false; // the focus comes back with the window
    win32::Entry m_entry;
    win32::Look m_look;
    win32::Notice m_notice;
    win32::Annotations m_annotations;
};
