#pragma once

#include "form/Layout.h"

#include <windows.h>

#include <string>

namespace win32 {

class Look;

// A short message, plain text, in a box inside the window over the hints
// above the entry, with a tail that points at the entry: a child window of
// the form, so that it moves with it and is never over another program. It
// never takes the activation or the focus; a click on it dismisses it. It
// goes after a few seconds, or when dismissed. A screen reader hears of it
// through an alert event when it shows.
class Notice {
public:
    // The child window's ID: below every control's (100 plus a tab index of
    // -1 or more), above IDOK and IDCANCEL.
    static constexpr int kId = 50;
    static_assert(form::NoControlHasId(kId), "the notice's ID is a control's");

    Notice() = default;
    ~Notice();
    Notice(const Notice &) = delete;
    Notice &operator=(const Notice &) = delete;

    // The form that holds it and the look whose fonts it uses; the window is
    // made when it is first shown.
    void create(HWND form, Look &look);
    void show(const std::wstring &text, UINT dpi);
    void dismiss();
    HWND hwnd() const { return m_window; }

    // Whether a queued message is input that dismisses the notice: a key
    // pressed or a mouse button pressed.
    static bool IsInput(const MSG &message);

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam,
                                       LPARAM lParam) noexcept;
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void createWindow();
    void place();
    void fitFont();
    void onPaint();

    HWND m_form = nullptr;
    HWND m_window = nullptr;
    Look *m_look = nullptr;
    UINT m_dpi = USER_DEFAULT_SCREEN_DPI;
    std::wstring m_text;  // also the window's text, which screen readers read
    double m_pointSize = 0;
    int m_textHeight = 0; // of the text laid out at that size
    RECT m_box = {}; // the box with the text, in the notice's own pixels
    bool m_shown = false;
};

} // namespace win32
