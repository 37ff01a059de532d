#pragma once

#include "form/Layout.h"
#include "form/NoticeDesign.h"

#include <windows.h>

#include <string>

namespace win32 {

class Annotations;
class Look;

// A short message, plain text, in a box inside the window over the hints
// above the entry, with a tail that points at the entry: a child window of
// the form, so that it moves with it and is never over another program. It
// never takes the activation or the focus; a click on it dismisses it. It
// goes after a few seconds, or when dismissed; unless it is about the entry, a
// key or an edit of the user's dismisses it too. To a screen reader it is an
// alert whose name is its text, which it hears of each time it shows.
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

    // The form that holds it, the look whose fonts it uses and the form's
    // annotations; the window is made when it is first shown.
    void create(HWND form, Look &look, Annotations &annotations);
    void show(const std::wstring &text, UINT dpi, form::NoticeAbout about);
    void dismiss();
    // The user edited the entry.
    void edited();
    HWND hwnd() const { return m_window; }

    // Whether a queued message is input that dismisses the notice: a mouse
    // button pressed, or a key pressed unless the notice is about the entry.
    bool endsWith(const MSG &message) const;

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
    Annotations *m_annotations = nullptr;
    UINT m_dpi = USER_DEFAULT_SCREEN_DPI;
    std::wstring m_text;  // also the window's text, which screen readers read
    double m_pointSize = 0;
    int m_textHeight = 0; // of the text laid out at that size
    RECT m_box = {}; // the box with the text, in the notice's own pixels
    bool m_shown = false;
    form::NoticeAbout m_about = form::NoticeAbout::Convert;
};

} // namespace win32
