#pragma once

#include "form/EntryEdits.h"

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace win32 {

class Look;

// The dimension entry, an edit control of the form's. It keeps the whole
// selection through the click that gave it the focus, takes Enter and Escape
// without a beep, keeps two pixels (at 96 dpi) beside its text and scrolls
// home once its text fits; its keypad's decimal key types the user's decimal
// separator. Its Undo history is its own, so that what the filter takes back
// leaves no step in it; Ctrl+Y redoes. It tells the form which change of its
// text the user made, and what the filter's Backspace or its length limit
// refused.
class Entry {
public:
    Entry();
    Entry(const Entry &) = delete;
    Entry &operator=(const Entry &) = delete;

    // Takes over the edit control: its length limit, its margins at the
    // dpi, its keys and clicks.
    void attach(HWND edit, UINT dpi);
    HWND hwnd() const { return m_hwnd; }

    struct Change {
        bool byUser;
        std::optional<std::u16string> notice; // what the filter refused
    };
    // For a change notification of the control's; nothing when its text is
    // as it was (Wine's edit control notifies twice for one undo, and once
    // for Select All): that is no change, and runs no handler.
    std::optional<Change> changed();
    // The length limit refused a key or cut a paste: the notice to show,
    // once the edit it cut has been told.
    std::u16string limitReached();

    // The program's own write.
    void write(std::u16string_view text);
    // The filter's Backspace, for the control that has the focus.
    void sendBackspace(HWND target);

    void setMargins(UINT dpi);
    // The largest font, up to the layout's size, at which the text fits, and
    // the text in view.
    void fit(Look &look, UINT dpi);

private:
    static LRESULT CALLBACK SubclassProc(HWND control, UINT message, WPARAM wParam,
                                         LPARAM lParam, UINT_PTR id, DWORD_PTR entry) noexcept;
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void onButtonDown(WPARAM keys, LPARAM point);
    void onButtonUp();
    void typeKeypadDecimal(LPARAM key);
    void showWhole();
    bool undo();
    bool redo();
    bool apply(const std::optional<form::EntryState> &state);

    HWND m_hwnd = nullptr;
    form::EntryEdits m_edits;
    form::Cause m_cause = form::Cause::User;
    bool m_clickGaveFocus = false; // the focus came with this click
};

} // namespace win32
