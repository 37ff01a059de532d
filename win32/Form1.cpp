#include "win32/Form1.h"

#include "core/TurnConversion.h"
#include "form/Announcement.h"
#include "form/ClockTick.h"
#include "form/NoticeDesign.h"
#include "form/Placement.h"
#include "form/Regional.h"
#include "win32/ClockText.h"
#include "win32/Controls.h"
#include "win32/Dpi.h"
#include "win32/Text.h"
#include "win32/WindowOwner.h"

#include <commctrl.h>

#include <utility>

using win32::FromTwips;
using win32::WindowText;

namespace {

constexpr wchar_t kClassName[] = L"Brantile.Form1";
// No WS_CLIPCHILDREN: group boxes leave their inside to the window to paint.
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr DWORD kExStyle = 0;
constexpr UINT_PTR kClockTimer = 1;
constexpr UINT kQueuedBackspace = WM_APP + 1;
constexpr UINT kShown = WM_APP + 2; // the window is up: what start-up need not wait for
constexpr UINT kLimitReached = WM_APP + 3; // the entry's limit cut an edit, now told
constexpr UINT_PTR kSubclass = 1;
#ifndef WM_DPICHANGED
constexpr UINT WM_DPICHANGED = 0x02E0;
#endif
#ifndef EVENT_OBJECT_LIVEREGIONCHANGED
constexpr DWORD EVENT_OBJECT_LIVEREGIONCHANGED = 0x8019;
#endif

void registerClass(HINSTANCE instance, WNDPROC procedure)
{
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hIcon = static_cast<HICON>(LoadImageW(
        instance, MAKEINTRESOURCEW(1), IMAGE_ICON, GetSystemMetrics(SM_CXICON),
        GetSystemMetrics(SM_CYICON), LR_DEFAULTCOLOR | LR_SHARED));
    windowClass.hIconSm = static_cast<HICON>(LoadImageW(
        instance, MAKEINTRESOURCEW(1), IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
        GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR | LR_SHARED));
    windowClass.lpszClassName = kClassName;
    RegisterClassExW(&windowClass); // fails harmlessly when already registered
}

int clientWidth(HWND control)
{
    RECT client = {};
    GetClientRect(control, &client);
    return client.right - client.left;
}

} // namespace

Form1::Form1(HINSTANCE instance)
{
    registerClass(instance, &Form1::WindowProc);
    CreateWindowExW(kExStyle, kClassName, win32::Wide(form::kTitle).c_str(), kStyle,
                    CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                    instance, this);
}

Form1::~Form1()
{
    if (m_hwnd != nullptr)
        DestroyWindow(m_hwnd);
}

void Form1::dispatch(MSG &message)
{
    if (m_notice.endsWith(message) && (message.hwnd == m_hwnd || IsChild(m_hwnd, message.hwnd)))
        m_notice.dismiss();
    if (IsDialogMessageW(m_hwnd, &message))
        return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

LRESULT CALLBACK Form1::WindowProc(HWND window, UINT message, WPARAM wParam,
                                   LPARAM lParam) noexcept
{
    Form1 *form = win32::WindowOwner(window, message, lParam, &Form1::m_hwnd);
    return form != nullptr ? form->handleMessage(message, wParam, lParam)
                           : DefWindowProcW(window, message, wParam, lParam);
}

LRESULT Form1::handleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        onCreate();
        return 0;
    case WM_DESTROY:
        onDestroy();
        return 0;
    case WM_COMMAND:
        onCommand(LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        return onColour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_ERASEBKGND:
    case WM_PRINTCLIENT:
        onErase(reinterpret_cast<HDC>(wParam));
        return 1;
    case WM_ACTIVATE:
        onActivate(LOWORD(wParam) != WA_INACTIVE);
        return 0;
    case WM_SIZE:
        if (wParam == SIZE_MINIMIZED)
            m_notice.dismiss();
        break;
    case WM_SETFOCUS:
        restoreFocus();
        return 0;
    case WM_DPICHANGED:
        onDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT *>(lParam));
        return 0;
    case WM_SETTINGCHANGE:
    case WM_SYSCOLORCHANGE:
    case WM_THEMECHANGED:
        onSettingChange();
        break;
    case WM_TIMER:
        onTimer(wParam);
        return 0;
    case kQueuedBackspace:
        onQueuedBackspace();
        return 0;
    case kLimitReached:
        onLimitReached();
        return 0;
    case kShown:
        onShown();
        return 0;
    default:
        break;
    }
    return DefWindowProcW(m_hwnd, message, wParam, lParam);
}

LRESULT CALLBACK Form1::ControlProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam,
                                    UINT_PTR /*id*/, DWORD_PTR form) noexcept
{
    return reinterpret_cast<Form1 *>(form)->handleControlMessage(control, message, wParam, lParam);
}

// The button tells the window when it gets the focus, which comes back to it
// with the window.
LRESULT Form1::handleControlMessage(HWND control, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_SETFOCUS)
        m_focus = control;
    else if (message == WM_NCDESTROY)
        RemoveWindowSubclass(control, &Form1::ControlProc, kSubclass);
    return DefSubclassProc(control, message, wParam, lParam);
}

void Form1::onCreate()
{
    m_dpi = win32::WindowDpi(m_hwnd);
    createControls();
    m_notice.create(m_hwnd, m_look, m_annotations);
    centre();
    m_focus = cmdCalculate;
    PostMessageW(m_hwnd, kShown, 0, 0);
}

void Form1::createControls()
{
    const char16_t decimal = core::UserSeparators().decimal;
    for (const form::Control &control : form::kControls) {
        if (control.kind == form::Kind::Timer) {
            tmrclock = SetTimer(m_hwnd, kClockTimer, form::kClockInterval, nullptr);
            continue;
        }
        HWND window = win32::CreateControl(control, form::Caption(control, decimal), m_hwnd,
                                           placeOf(control));
        SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(layoutFont(control)), FALSE);
        windowOf(control.id) = window;
    }
    // A group box lies below what it holds, which paints over it.
    for (HWND group : {Frame1, Frame2, Frame3})
        SetWindowPos(group, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    m_entry.attach(txtinch, m_dpi);
    m_entry.fit(m_look, m_dpi);
    SetWindowSubclass(cmdCalculate, &Form1::ControlProc, kSubclass,
                      reinterpret_cast<DWORD_PTR>(this));
}

// A control's place in the client area at the window's dpi: its edges at
// twips x dpi / 1440, rounded, so that neighbours still meet.
RECT Form1::placeOf(const form::Control &control) const
{
    return FromTwips(form::InForm(control), m_dpi);
}

void Form1::onShown()
{
    m_annotations.start();
    for (const form::Accessible &entry : form::kAccessible) {
        if (!entry.name.empty())
            m_annotations.setName(windowOf(entry.id), win32::Wide(entry.name).c_str());
        if (!entry.description.empty())
            m_annotations.setDescription(windowOf(entry.id),
                                         win32::Wide(entry.description).c_str());
    }
    for (HWND box : {lblwhole, lbldecimal})
        m_annotations.setPoliteLiveRegion(box);
}

// Each control's member, by identity: one entry for each row of the layout
// table, in its order, or the program does not compile.
Form1::Member Form1::member(form::Id id)
{
    using form::Id;
    static constexpr struct {
        Id id;
        Member member;
    } members[] = {
        {Id::Frame3, &Form1::Frame3},         {Id::lbltime, &Form1::lbltime},
        {Id::lbldate, &Form1::lbldate},       {Id::tmrclock, &Form1::tmrclock},
        {Id::Frame2, &Form1::Frame2},         {Id::Divisions, &Form1::Divisions},
        {Id::turns, &Form1::turns},           {Id::lbldecimal, &Form1::lbldecimal},
        {Id::lblwhole, &Form1::lblwhole},     {Id::Frame1, &Form1::Frame1},
        {Id::txtinch, &Form1::txtinch},       {Id::Label4, &Form1::Label4},
        {Id::Label2, &Form1::Label2},         {Id::Label1, &Form1::Label1},
        {Id::Label3, &Form1::Label3},         {Id::cmdCalculate, &Form1::cmdCalculate},
    };
    static_assert(std::size(members) == form::kControlCount,
                  "every control of the layout table needs a member");
    static_assert(form::MapsEveryControl(members), "the members are not in table order");
    return members[form::Index(id)].member;
}

// The window of a control; the timer has none.
HWND &Form1::windowOf(form::Id id)
{
    return this->*std::get<HWND Form1::*>(member(id));
}

// Places every control again and gives it its font at the window's new dpi;
// the results and the entry get the largest size at which their text fits.
void Form1::layout()
{
    for (const form::Control &control : form::kControls) {
        if (control.kind == form::Kind::Timer)
            continue;
        const RECT place = placeOf(control);
        HWND window = windowOf(control.id);
        SetWindowPos(window, nullptr, place.left, place.top, place.right - place.left,
                     place.bottom - place.top, SWP_NOZORDER | SWP_NOACTIVATE);
        SendMessageW(window, WM_SETFONT,
                     reinterpret_cast<WPARAM>(layoutFont(control)),
                     FALSE);
    }
    m_entry.setMargins(m_dpi);
    for (HWND box : {lblwhole, lbldecimal})
        fitResult(box);
    m_entry.fit(m_look, m_dpi);
    RedrawWindow(m_hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void Form1::centre()
{
    const SIZE size = win32::WindowSizeFor(
        {FromTwips(form::kClientWidth, m_dpi), FromTwips(form::kClientHeight, m_dpi)}, kStyle,
        kExStyle, m_dpi);
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(m_hwnd, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT &work = monitor.rcWork;
    const form::ScreenRect frame = form::CentredFrame(
        size.cx, size.cy, {work.left, work.top, work.right - work.left, work.bottom - work.top});
    SetWindowPos(m_hwnd, nullptr, frame.left, frame.top, frame.width, frame.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form1::onDestroy()
{
    KillTimer(m_hwnd, tmrclock);
    m_notice.dismiss();
    for (const form::Accessible &entry : form::kAccessible)
        m_annotations.clear(windowOf(entry.id));
    PostQuitMessage(0);
}

void Form1::onCommand(int id, int code)
{
    const int button = form::ControlId(form::kControls[form::Id::cmdCalculate]);
    const int entry = form::ControlId(form::kControls[form::Id::txtinch]);
    if ((id == button && code == BN_CLICKED) || (id == IDOK && GetFocus() == cmdCalculate)) {
        m_notice.dismiss();
        run(&Form1::cmdCalculate_Click);
    } else if (id == entry && code == EN_CHANGE && m_entry.hwnd() != nullptr) {
        onEntryChanged();
    } else if (id == entry && code == EN_MAXTEXT) {
        PostMessageW(m_hwnd, kLimitReached, 0, 0);
    } else if (id == entry && code == EN_SETFOCUS) {
        m_focus = txtinch;
        if (!m_restoringFocus)
            run(&Form1::txtinch_GotFocus);
    }
}

LRESULT Form1::onColour(HDC dc, HWND control)
{
    const form::Control *layout = win32::LayoutOf(control);
    if (layout == nullptr)
        return reinterpret_cast<LRESULT>(m_look.brush(form::kFormBackground));
    const form::Colour background =
        layout->kind == form::Kind::PushButton ? form::kFormBackground : layout->background;
    SetTextColor(dc, m_look.text(*layout));
    SetBkColor(dc, m_look.background(background));
    return reinterpret_cast<LRESULT>(m_look.brush(background));
}

void Form1::onErase(HDC dc)
{
    RECT client = {};
    GetClientRect(m_hwnd, &client);
    FillRect(dc, &client, m_look.brush(form::kFormBackground));
}

void Form1::onActivate(bool active)
{
    if (!active) {
        m_notice.dismiss();
        if (const HWND focus = GetFocus(); focus != nullptr && IsChild(m_hwnd, focus))
            m_focus = focus;
        return;
    }
    restoreFocus();
}

// The focus that comes back with the window is no new focus: the entry keeps
// its selection and caret.
void Form1::restoreFocus()
{
    if (m_focus == nullptr || IsIconic(m_hwnd))
        return;
    m_restoringFocus = true;
    SetFocus(m_focus);
    m_restoringFocus = false;
}

void Form1::onDpiChanged(UINT dpi, const RECT &suggested)
{
    m_dpi = dpi;
    m_notice.dismiss();
    layout();
    m_look.keepFontsFor(dpi);
    SetWindowPos(m_hwnd, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form1::onSettingChange()
{
    m_look.refresh();
    RedrawWindow(m_hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

// After each tick, the next comes just after the next second. The delay is
// read from the same system time as the tick writes, so that the two agree on
// where a second begins.
void Form1::onTimer(UINT_PTR timer)
{
    if (timer != kClockTimer)
        return;
    run(&Form1::tmrclock_Timer);
    FILETIME now = {}; // 100 ns units since 1601
    GetSystemTimeAsFileTime(&now);
    const auto since1601 = static_cast<std::int64_t>(
        (std::uint64_t{now.dwHighDateTime} << 32 | now.dwLowDateTime) / 10000);
    tmrclock = SetTimer(m_hwnd, kClockTimer, static_cast<UINT>(form::ClockTickDelay(since1601)),
                        nullptr);
}

// The Backspace that txtinch_Change queued goes to the control that has the
// focus now, or, while the window is not active, to the one that had it.
void Form1::onQueuedBackspace()
{
    HWND target = GetFocus();
    if (target == nullptr)
        target = m_focus;
    if (target != nullptr)
        m_entry.sendBackspace(target);
}

// After the edit that the limit cut has been told, so that the notice stays.
void Form1::onLimitReached()
{
    m_notice.show(win32::Wide(m_entry.limitReached()), m_dpi, form::NoticeAbout::Entry);
}

// A change of the entry's text: an edit of the user's dismisses the notice,
// and a refusal of the filter's shows it.
void Form1::onEntryChanged()
{
    const std::optional<win32::Entry::Change> change = m_entry.changed();
    if (!change)
        return;
    if (change->byUser)
        m_notice.edited();
    run(&Form1::txtinch_Change);
    m_entry.fit(m_look, m_dpi);
    if (change->notice)
        m_notice.show(win32::Wide(*change->notice), m_dpi, form::NoticeAbout::Entry);
}

// Runs a handler. A ConversionError that leaves it ends it and is shown to
// the user here, so that no exception unwinds through the window procedure.
void Form1::run(void (Form1::*handler)())
{
    try {
        (this->*handler)();
    } catch (const core::ConversionError &error) {
        showFailure(error);
    }
}

void Form1::cmdCalculate_Click()
{
    if (WindowText(txtinch).empty())
        m_entry.write(form::kDefaultEntryText);
    const core::Separators separators = core::UserSeparators();
    const double inches = core::ParseDimension(WindowText(txtinch), separators);
    const core::TurnReading reading = core::ConvertToTurns(inches);
    showResult(lblwhole, core::FormatTurns(reading.wholeTurns, separators), &form::SpokenTurns);
    showResult(lbldecimal, core::FormatDivisions(reading.divisions, separators),
               &form::SpokenDivisions);
}

void Form1::txtinch_Change()
{
    if (!core::IsNumericText(WindowText(txtinch)))
        PostMessageW(m_hwnd, kQueuedBackspace, 0, 0);
}

void Form1::txtinch_GotFocus()
{
    SendMessageW(txtinch, EM_SETSEL, 0, GetWindowTextLengthW(txtinch));
}

void Form1::tmrclock_Timer()
{
    SetWindowTextW(lbltime, win32::ClockTime().c_str());
    SetWindowTextW(lbldate, win32::ClockDate().c_str());
}

// The box shows the text; its name says what it means, which a screen reader
// says when told that the live region changed.
void Form1::showResult(HWND box, const std::u16string &text, Spoken spoken)
{
    win32::SetText(box, text);
    fitResult(box);
    m_annotations.setName(box, win32::Wide(spoken(text)).c_str());
    NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, box, OBJID_CLIENT, CHILDID_SELF);
    NotifyWinEvent(EVENT_OBJECT_LIVEREGIONCHANGED, box, OBJID_CLIENT, CHILDID_SELF);
}

// The layout's font of the control; the clock writes the region's own texts,
// which may need the region's character set (an Arabic time's designator).
HFONT Form1::layoutFont(const form::Control &control)
{
    const bool regional = control.id == form::Id::lbltime || control.id == form::Id::lbldate;
    return m_look.font(control.pointSize, control.bold, m_dpi, regional);
}

// Gives a result box the largest font, up to the layout's size, at which its
// text fits.
void Form1::fitResult(HWND box)
{
    const form::Control &layout = *win32::LayoutOf(box);
    const HFONT font = m_look.fittingFont(win32::Wide(WindowText(box)), layout.pointSize,
                                          layout.bold, m_dpi, clientWidth(box));
    if (reinterpret_cast<HFONT>(SendMessageW(box, WM_GETFONT, 0, 0)) != font)
        SendMessageW(box, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

void Form1::showFailure(const core::ConversionError &error)
{
    m_notice.show(
        win32::Wide(form::NoticeText(error.description(), core::UserSeparators().decimal)), m_dpi,
        form::NoticeAbout::Convert);
}
