#include "win32/Entry.h"

#include "form/Layout.h"
#include "form/Regional.h"
#include "win32/Keystrokes.h"
#include "win32/Look.h"
#include "win32/Text.h"

#include <commctrl.h>

#include <utility>

namespace win32 {

namespace {

constexpr UINT_PTR kSubclass = 2;
constexpr WPARAM kCtrlY = 0x19;
constexpr WPARAM kCtrlZ = 0x1A;

// The cause of the changes that its holder's messages make, while it lives.
class CauseScope {
public:
    CauseScope(form::Cause &cause, form::Cause now) : m_cause(cause), m_was(cause)
    {
        m_cause = now;
    }
    ~CauseScope() { m_cause = m_was; }
    CauseScope(const CauseScope &) = delete;
    CauseScope &operator=(const CauseScope &) = delete;

private:
    form::Cause &m_cause;
    form::Cause m_was;
};

std::pair<DWORD, DWORD> selectionOf(HWND edit)
{
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {start, end};
}

} // namespace

Entry::Entry() : m_edits(u"") {}

void Entry::attach(HWND edit, UINT dpi)
{
    m_hwnd = edit;
    m_edits = form::EntryEdits(WindowText(edit));
    SendMessageW(edit, EM_SETLIMITTEXT, form::kEntryMaxLength, 0);
    setMargins(dpi);
    SetWindowSubclass(edit, &Entry::SubclassProc, kSubclass, reinterpret_cast<DWORD_PTR>(this));
}

LRESULT CALLBACK Entry::SubclassProc(HWND /*control*/, UINT message, WPARAM wParam,
                                     LPARAM lParam, UINT_PTR /*id*/, DWORD_PTR entry) noexcept
{
    return reinterpret_cast<Entry *>(entry)->handleMessage(message, wParam, lParam);
}

LRESULT Entry::handleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_KILLFOCUS:
        m_clickGaveFocus = false;
        break;
    case WM_LBUTTONDOWN:
        onButtonDown(wParam, lParam);
        return 0;
    case WM_LBUTTONUP: {
        const LRESULT result = DefSubclassProc(m_hwnd, message, wParam, lParam);
        onButtonUp();
        return result;
    }
    case WM_KEYDOWN:
        if (wParam == VK_DECIMAL) {
            typeKeypadDecimal(lParam);
            return 0;
        }
        break;
    case WM_CHAR:
        if (wParam == L'\r' || wParam == L'\n' || wParam == VK_ESCAPE)
            return 0;
        if (wParam == kCtrlZ)
            return undo();
        if (wParam == kCtrlY)
            return redo();
        break;
    case WM_SYSKEYDOWN: // Alt+Backspace undoes, as in every edit control
        if (wParam == VK_BACK)
            return undo();
        break;
    case WM_SYSCHAR:
        if (wParam == L'\b')
            return 0;
        break;
    case WM_UNDO:
    case EM_UNDO:
        return undo();
    case EM_CANUNDO:
        return m_edits.canUndo();
    case WM_NCDESTROY: {
        const HWND edit = std::exchange(m_hwnd, nullptr);
        RemoveWindowSubclass(edit, &Entry::SubclassProc, kSubclass);
        return DefSubclassProc(edit, message, wParam, lParam);
    }
    default:
        break;
    }
    return DefSubclassProc(m_hwnd, message, wParam, lParam);
}

// The keypad's decimal key types the user's decimal separator instead of the
// character that the keyboard layout gives it, which the message loop has
// queued by now.
void Entry::typeKeypadDecimal(LPARAM key)
{
    MSG translated = {};
    PeekMessageW(&translated, m_hwnd, WM_CHAR, WM_CHAR, PM_REMOVE);
    SendMessageW(m_hwnd, WM_CHAR, form::KeypadDecimal(core::UserSeparators()), key);
}

std::optional<Entry::Change> Entry::changed()
{
    const std::u16string text = WindowText(m_hwnd);
    if (text == m_edits.text())
        return std::nullopt;
    return Change{m_cause == form::Cause::User,
                  m_edits.changed(text, m_cause, core::UserSeparators())};
}

std::u16string Entry::limitReached()
{
    return m_edits.limited(core::UserSeparators());
}

void Entry::write(std::u16string_view text)
{
    const CauseScope cause(m_cause, form::Cause::Program);
    SetText(m_hwnd, text);
}

void Entry::sendBackspace(HWND target)
{
    const CauseScope cause(m_cause, target == m_hwnd ? form::Cause::TakeBack : m_cause);
    SendPlainBackspace(target);
}

bool Entry::undo()
{
    return apply(m_edits.undo(core::UserSeparators()));
}

bool Entry::redo()
{
    return apply(m_edits.redo(core::UserSeparators()));
}

bool Entry::apply(const std::optional<form::EntryState> &state)
{
    if (!state)
        return false;
    {
        const CauseScope cause(m_cause, form::Cause::History);
        SetText(m_hwnd, state->text);
    }
    SendMessageW(m_hwnd, EM_SETSEL, state->selectionStart,
                 static_cast<LPARAM>(state->selectionEnd));
    SendMessageW(m_hwnd, EM_SCROLLCARET, 0, 0);
    return true;
}

// A press that gives the entry the focus gives it first, as a press into an
// entry that has the focus selects from the press: a drag then selects from
// where it began, not from the start of the selection the focus made.
void Entry::onButtonDown(WPARAM keys, LPARAM point)
{
    m_clickGaveFocus = GetFocus() != m_hwnd;
    if (m_clickGaveFocus)
        SetFocus(m_hwnd);
    DefSubclassProc(m_hwnd, WM_LBUTTONDOWN, keys, point);
}

// A click that gave the entry the focus keeps the selection made then, unless
// it dragged a selection of its own.
void Entry::onButtonUp()
{
    if (!m_clickGaveFocus)
        return;
    m_clickGaveFocus = false;
    const auto [start, end] = selectionOf(m_hwnd);
    if (start == end)
        SendMessageW(m_hwnd, EM_SETSEL, 0, -1);
}

// Two pixels at 96 dpi on each side of the text, whatever the font.
void Entry::setMargins(UINT dpi)
{
    const int margin = MulDiv(2, static_cast<int>(dpi), USER_DEFAULT_SCREEN_DPI);
    SendMessageW(m_hwnd, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(margin, margin));
}

void Entry::fit(Look &look, UINT dpi)
{
    RECT area = {};
    SendMessageW(m_hwnd, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&area));
    constexpr int kCaret = 1;
    const form::Control &layout = form::kControls[form::Id::txtinch];
    const HFONT font = look.fittingFont(Wide(WindowText(m_hwnd)), layout.pointSize, layout.bold,
                                        dpi, area.right - area.left - kCaret);
    if (reinterpret_cast<HFONT>(SendMessageW(m_hwnd, WM_GETFONT, 0, 0)) != font) {
        SendMessageW(m_hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
        setMargins(dpi);
    }
    showWhole();
}

// An edit control that scrolled to keep the caret in view keeps the scroll
// when a smaller font makes its text fit, until the caret next moves: the
// caret goes to the start, which scrolls the control home, and back.
void Entry::showWhole()
{
    RECT area = {};
    SendMessageW(m_hwnd, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&area));
    const LRESULT first = SendMessageW(m_hwnd, EM_POSFROMCHAR, 0, 0);
    if (first == -1 || static_cast<short>(LOWORD(first)) >= area.left)
        return;
    const auto [start, end] = selectionOf(m_hwnd);
    SendMessageW(m_hwnd, EM_SETSEL, 0, 0);
    SendMessageW(m_hwnd, EM_SCROLLCARET, 0, 0);
    SendMessageW(m_hwnd, EM_SETSEL, start, static_cast<LPARAM>(end));
    SendMessageW(m_hwnd, EM_SCROLLCARET, 0, 0);
}

} // namespace win32
