// The Windows window, in process: driven with window messages, read back
// through its controls.
#include "core/TurnConversion.h"
#include "tests/EntryCases.h"
#include "tests/Places.h"
#include "tests/win32/WindowFixture.h"

#include <commctrl.h>
#include <oleacc.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <ostream>
#include <regex>
#include <vector>

namespace cases {

// Failures name the case, not its bytes.
void PrintTo(const Convert &row, std::ostream *out) { *out << row.name; }
void PrintTo(const Filter &row, std::ostream *out) { *out << row.name; }
void PrintTo(const Failure &row, std::ostream *out) { *out << row.name; }
void PrintTo(const Fit &row, std::ostream *out) { *out << row.name; }
void PrintTo(const Refusal &row, std::ostream *out) { *out << row.name; }

} // namespace cases

namespace {

// A case's name as GoogleTest takes it: letters, digits and underscores.
template <typename Case>
std::string caseName(const testing::TestParamInfo<Case> &info)
{
    std::string name = info.param.name;
    for (char &c : name) {
        if (!std::isalnum(static_cast<unsigned char>(c)))
            c = '_';
    }
    return name;
}

int textWidth(HWND control, HFONT font, const std::wstring &text)
{
    const HDC dc = GetDC(control);
    const HGDIOBJ old = SelectObject(dc, font);
    SIZE size = {};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    return size.cx;
}

// The control's font one pixel taller, as wide as its text then.
int widthOnePixelTaller(HWND control)
{
    LOGFONTW font = {};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof font, &font);
    font.lfHeight -= 1;
    const HFONT taller = CreateFontIndirectW(&font);
    const int width = textWidth(control, taller, win32::Wide(win32::WindowText(control)));
    DeleteObject(taller);
    return width;
}

int fontHeight(HWND control)
{
    LOGFONTW font = {};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof font, &font);
    return -font.lfHeight;
}

int clientWidth(HWND control)
{
    RECT client = {};
    GetClientRect(control, &client);
    return client.right;
}

int entryRoom(HWND entry)
{
    RECT text = {};
    SendMessageW(entry, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&text));
    return text.right - text.left - 1;
}

int currentWidth(HWND control)
{
    return textWidth(control, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)),
                     win32::Wide(win32::WindowText(control)));
}

std::pair<DWORD, DWORD> selection(HWND entry)
{
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(entry, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    return {start, end};
}

COLORREF brushColour(LRESULT brush)
{
    LOGBRUSH logical = {};
    GetObjectW(reinterpret_cast<HBRUSH>(brush), sizeof logical, &logical);
    return logical.lbColor;
}

} // namespace

// --- The window and its controls ---------------------------------------------

TEST_F(WindowTest, ControlsCarryTheirIdsTextsAndPlaces)
{
    RECT client = {};
    GetClientRect(form(), &client);
    EXPECT_EQ(client.right, 245);
    EXPECT_EQ(client.bottom, 433);
    ASSERT_EQ(std::size(cases::kPlaces), form::kControlCount - 1); // all but the timer
    for (const cases::Place &row : cases::kPlaces) {
        SCOPED_TRACE(std::string(row.name));
        const form::Control &control = form::ControlNamed(row.name);
        const HWND window = item(control.name);
        ASSERT_NE(window, nullptr);
        std::array<wchar_t, 32> className = {};
        GetClassNameW(window, className.data(), static_cast<int>(className.size()));
        const std::wstring_view expected = control.kind == form::Kind::Label ? L"Static"
            : control.kind == form::Kind::TextBox                            ? L"Edit"
                                                                             : L"Button";
        EXPECT_EQ(_wcsicmp(className.data(), std::wstring(expected).c_str()), 0);
        const cases::Region *region = testRegion();
        ASSERT_NE(region, nullptr);
        EXPECT_EQ(text(control.name), control.id == form::Id::Label2 ? region->examples
                                          : control.id == form::Id::Label4
                                          ? region->warning
                                          : std::u16string_view(control.text));
        RECT place = {};
        GetWindowRect(window, &place);
        MapWindowPoints(nullptr, form(), reinterpret_cast<POINT *>(&place), 2);
        EXPECT_EQ(place.left, row.at96.left);
        EXPECT_EQ(place.top, row.at96.top);
        EXPECT_EQ(place.right - place.left, row.at96.width);
        EXPECT_EQ(place.bottom - place.top, row.at96.height);
        EXPECT_EQ(fontHeight(window), row.font96);
        const bool focusable = control.kind == form::Kind::TextBox
            || control.kind == form::Kind::PushButton;
        EXPECT_EQ((GetWindowLongW(window, GWL_STYLE) & WS_TABSTOP) != 0, focusable);
    }
    EXPECT_EQ(GetDlgItem(form(), IDOK), nullptr);
    EXPECT_EQ(GetDlgItem(form(), IDCANCEL), nullptr);
    EXPECT_EQ(SendMessageW(item("txtinch"), EM_GETLIMITTEXT, 0, 0), 6);
}

// Every font is drawn in the Western character set of the face asked for,
// whatever the code page of the region: a font of the default set takes a
// fallback face where the code page is not Western. The clock's texts are the
// region's own, and its fonts draw each of their characters.
TEST_F(WindowTest, FontsAreWestern)
{
    reinterpret_cast<Form1 *>(GetWindowLongPtrW(form(), GWLP_USERDATA))->tmrclock_Timer();
    const HDC dc = CreateCompatibleDC(nullptr);
    for (const form::Control &control : form::kControls) {
        if (control.kind == form::Kind::Timer)
            continue;
        SCOPED_TRACE(std::string(control.name));
        const auto font = reinterpret_cast<HFONT>(SendMessageW(item(control.name), WM_GETFONT, 0, 0));
        const HGDIOBJ old = SelectObject(dc, font);
        if (control.id == form::Id::lbltime || control.id == form::Id::lbldate) {
            const std::wstring shown = win32::Wide(text(control.name));
            std::vector<WORD> glyphs(shown.size());
            GetGlyphIndicesW(dc, shown.c_str(), static_cast<int>(shown.size()), glyphs.data(),
                             GGI_MARK_NONEXISTING_GLYPHS);
            EXPECT_EQ(std::count(glyphs.begin(), glyphs.end(), WORD{0xFFFF}), 0)
                << std::string(shown.begin(), shown.end());
        } else {
            EXPECT_EQ(GetTextCharset(dc), ANSI_CHARSET);
        }
        SelectObject(dc, old);
    }
    DeleteDC(dc);
}

TEST_F(WindowTest, FixedWindowCentredOnTheWorkArea)
{
    EXPECT_EQ(win32::WindowText(form()), u"Brantile");
    const LONG style = GetWindowLongW(form(), GWL_STYLE);
    EXPECT_TRUE(style & WS_CAPTION);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(style & WS_THICKFRAME);
    RECT outer = {};
    GetWindowRect(form(), &outer);
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(form(), MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT &work = monitor.rcWork;
    EXPECT_LE(std::abs((outer.left + outer.right) - (work.left + work.right)), 1);
    EXPECT_LE(std::abs((outer.top + outer.bottom) - (work.top + work.bottom)), 1);
}

TEST_F(WindowTest, StartState)
{
    EXPECT_EQ(text("lblwhole"), u"");
    EXPECT_EQ(text("lbldecimal"), u"");
    EXPECT_EQ(text("txtinch"), u"0.000");
    EXPECT_EQ(text("lbltime"), u"00:00:00 AM");
    EXPECT_EQ(text("lbldate"), u"00/00/0000");
    EXPECT_EQ(GetFocus(), item("cmdCalculate"));
}

struct ColourCase {
    const char *name;
    const char *control;
    UINT message;
    COLORREF background;
};

void PrintTo(const ColourCase &row, std::ostream *out)
{
    *out << row.name;
}

class Colours : public WindowTest, public testing::WithParamInterface<ColourCase> {};

// The result boxes are white whatever system colour 9 is: on recent Windows
// it is black, as here, and the black digits would vanish.
TEST_P(Colours, BackgroundOfEachKind)
{
    const int element = COLOR_CAPTIONTEXT;
    const COLORREF saved = GetSysColor(element);
    const COLORREF black = 0;
    SetSysColors(1, &element, &black);
    const HDC dc = CreateCompatibleDC(nullptr);
    const LRESULT brush = SendMessageW(form(), GetParam().message, reinterpret_cast<WPARAM>(dc),
                                       reinterpret_cast<LPARAM>(item(GetParam().control)));
    EXPECT_EQ(brushColour(brush), GetParam().background);
    EXPECT_EQ(GetBkColor(dc), GetParam().background);
    EXPECT_EQ(GetTextColor(dc), GetSysColor(COLOR_BTNTEXT));
    DeleteDC(dc);
    SetSysColors(1, &element, &saved);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Colours,
    testing::Values(ColourCase{"result box white", "lblwhole", WM_CTLCOLORSTATIC, 0xFFFFFF},
                    ColourCase{"divisions box white", "lbldecimal", WM_CTLCOLORSTATIC, 0xFFFFFF},
                    ColourCase{"warning grey", "Label4", WM_CTLCOLORSTATIC, 0xC0C0C0},
                    ColourCase{"label as the window", "Label2", WM_CTLCOLORSTATIC, 0xE0E0E0},
                    ColourCase{"group as the window", "Frame2", WM_CTLCOLORSTATIC, 0xE0E0E0},
                    ColourCase{"around the button", "cmdCalculate", WM_CTLCOLORBTN, 0xE0E0E0}),
    caseName<ColourCase>);

// --- Keyboard -------------------------------------------------------------------

TEST_F(WindowTest, TabMovesBetweenTwoStopsAndSelectsTheEntry)
{
    key(VK_TAB);
    EXPECT_EQ(GetFocus(), item("txtinch"));
    EXPECT_EQ(selection(item("txtinch")), std::make_pair(DWORD{0}, DWORD{5}));
    key(VK_TAB);
    EXPECT_EQ(GetFocus(), item("cmdCalculate"));
    {
        const HeldKeys shift({VK_SHIFT});
        key(VK_TAB);
    }
    EXPECT_EQ(GetFocus(), item("txtinch"));
    EXPECT_EQ(selection(item("txtinch")), std::make_pair(DWORD{0}, DWORD{5}));
}

struct KeyCase {
    const char *name;
    bool onButton;
    UINT key;
    bool converts;
};

void PrintTo(const KeyCase &row, std::ostream *out)
{
    *out << row.name;
}

class Keys : public WindowTest, public testing::WithParamInterface<KeyCase> {};

TEST_P(Keys, PressConvertOnlyOnTheButton)
{
    if (!GetParam().onButton)
        key(VK_TAB);
    key(GetParam().key);
    EXPECT_EQ(text("lblwhole"), GetParam().converts ? u"0" : u"");
    EXPECT_EQ(text("txtinch"), u"0.000");
    EXPECT_TRUE(IsWindowVisible(form()));
}

INSTANTIATE_TEST_SUITE_P(Table, Keys,
                         testing::Values(KeyCase{"Space on the button", true, VK_SPACE, true},
                                         KeyCase{"Enter on the button", true, VK_RETURN, true},
                                         KeyCase{"Escape on the button", true, VK_ESCAPE, false},
                                         KeyCase{"Enter in the entry", false, VK_RETURN, false},
                                         KeyCase{"Escape in the entry", false, VK_ESCAPE, false}),
                         caseName<KeyCase>);

// --- Convert and the entry, the tables both windows play ------------------------

class ConvertTable : public WindowTest, public testing::WithParamInterface<cases::Convert> {};

TEST_P(ConvertTable, WritesBothResults)
{
    const cases::Convert &row = GetParam();
    play(local(row.script));
    play(u"{Convert}");
    EXPECT_EQ(text("txtinch"), row.entry == u"0.000" ? std::u16string(row.entry) : local(row.entry));
    EXPECT_EQ(text("lblwhole"), row.whole);
    EXPECT_EQ(text("lbldecimal"), local(row.divisions));
    EXPECT_EQ(noticeText(), u"");
    EXPECT_EQ(annotations::Read(item("lblwhole"), PROPID_ACC_NAME) + L" and "
                  + annotations::Read(item("lbldecimal"), PROPID_ACC_NAME),
              win32::Wide(local(row.spoken)));
}

INSTANTIATE_TEST_SUITE_P(Table, ConvertTable, testing::ValuesIn(cases::kConvert),
                         caseName<cases::Convert>);

class FilterTable : public WindowTest, public testing::WithParamInterface<cases::Filter> {};

TEST_P(FilterTable, LeavesTheEntry)
{
    play(local(GetParam().script));
    EXPECT_EQ(text("txtinch"), local(GetParam().entry));
    EXPECT_EQ(text("lblwhole"), u"");
}

INSTANTIATE_TEST_SUITE_P(Table, FilterTable, testing::ValuesIn(cases::kFilter),
                         caseName<cases::Filter>);

class RefusalTable : public WindowTest, public testing::WithParamInterface<cases::Refusal> {};

// What the filter or the length limit refuses, the notice tells, and keeps
// telling while the user types on.
TEST_P(RefusalTable, TellsInTheNotice)
{
    const char16_t decimal = core::UserSeparators().decimal;
    play(cases::WithDecimal(GetParam().script, decimal));
    EXPECT_EQ(text("txtinch"), cases::WithDecimal(GetParam().entry, decimal));
    EXPECT_EQ(noticeText(), cases::WithDecimal(GetParam().notice, decimal));
}

INSTANTIATE_TEST_SUITE_P(Table, RefusalTable, testing::ValuesIn(cases::kRefusal),
                         caseName<cases::Refusal>);

class FailureTable : public WindowTest, public testing::WithParamInterface<cases::Failure> {};

namespace {

// The notice shows inside the window's client area and over neither the
// entry nor Convert.
void expectNoticeCoversNoInput(HWND form, std::initializer_list<HWND> inputs)
{
    const HWND notice = GetDlgItem(form, win32::Notice::kId);
    ASSERT_TRUE(notice != nullptr && IsWindowVisible(notice));
    RECT box = {};
    GetWindowRect(notice, &box);
    RECT client = {};
    GetClientRect(form, &client);
    MapWindowPoints(form, nullptr, reinterpret_cast<POINT *>(&client), 2);
    RECT common = {};
    IntersectRect(&common, &box, &client);
    EXPECT_TRUE(EqualRect(&common, &box)) << "the notice reaches out of the window";
    for (const HWND input : inputs) {
        RECT place = {};
        GetWindowRect(input, &place);
        EXPECT_FALSE(IntersectRect(&common, &box, &place)) << "control " << GetDlgCtrlID(input);
    }
}

} // namespace

// A click on an entry that holds no number writes neither box and tells the
// user at the entry, without a message box; the next click works.
TEST_P(FailureTable, WritesNothingAndShowsTheNotice)
{
    play(local(u"{Tab}1.3{Convert}"));
    play(local(GetParam().script));
    ASSERT_EQ(text("txtinch"), local(GetParam().entry));
    play(u"{Convert}");
    EXPECT_EQ(text("lblwhole"), u"20");
    EXPECT_EQ(text("lbldecimal"), local(u"50."));
    const std::u16string notice = noticeText();
    EXPECT_NE(notice.find(GetParam().description), std::u16string::npos);
    EXPECT_NE(notice.find(local(u"Type a dimension such as 1.250 or 0.250")), std::u16string::npos);
    expectNoticeCoversNoInput(form(), {item("txtinch"), item("cmdCalculate")});
    EXPECT_EQ(GetActiveWindow(), form());
    EXPECT_TRUE(IsWindowEnabled(form()));

    play(local(u"{Tab}0.1"));
    EXPECT_EQ(noticeText(), u"");
    play(u"{Convert}");
    EXPECT_EQ(text("lblwhole"), u"1");
    EXPECT_EQ(text("lbldecimal"), local(u"37.5"));
}

INSTANTIATE_TEST_SUITE_P(Table, FailureTable, testing::ValuesIn(cases::kFailure),
                         caseName<cases::Failure>);

TEST_F(WindowTest, HandlerItselfCatchesNothing)
{
    play(local(u"{Tab}1.{Home}{Del}"));
    Form1 *const window = reinterpret_cast<Form1 *>(GetWindowLongPtrW(form(), GWLP_USERDATA));
    EXPECT_THROW(window->cmdCalculate_Click(), core::ConversionError);
    EXPECT_EQ(text("lblwhole"), u"");
    EXPECT_EQ(text("lbldecimal"), u"");
}

// --- The queued Backspace -------------------------------------------------------

TEST_F(WindowTest, BackspaceGoesWhereTheFocusIs)
{
    play(local(u"{Tab}1.25"));
    SendMessageW(item("txtinch"), WM_CHAR, L'a', 1); // queues the Backspace
    SetFocus(item("cmdCalculate"));
    drain();
    EXPECT_EQ(text("txtinch"), local(u"1.25a"));
}

// Keys can reach the entry while the window is not active (a bare X session,
// a kiosk): the Backspace then goes to the window's own focus control.
TEST_F(WindowTest, BackspaceWithoutActiveWindowGoesToTheWindowsFocus)
{
    play(local(u"{Tab}1.25"));
    SendMessageW(item("txtinch"), WM_CHAR, L'a', 1);
    SetFocus(nullptr);
    ASSERT_EQ(GetFocus(), nullptr);
    drain();
    EXPECT_EQ(text("txtinch"), local(u"1.25"));
}

// --- Selection on focus ---------------------------------------------------------

TEST_F(WindowTest, ClickThatGivesTheFocusKeepsTheSelection)
{
    const HWND entry = item("txtinch");
    click(entry, 8, 10);
    EXPECT_EQ(GetFocus(), entry);
    EXPECT_EQ(selection(entry), std::make_pair(DWORD{0}, DWORD{5}));
    type(L'4');
    EXPECT_EQ(text("txtinch"), u"4");
    click(entry, 8, 10);
    const auto [start, end] = selection(entry);
    EXPECT_EQ(start, end);
}

TEST_F(WindowTest, DragThatGivesTheFocusKeepsItsOwnSelection)
{
    const HWND entry = item("txtinch");
    RECT client = {};
    GetClientRect(entry, &client);
    const int y = client.bottom / 2;
    PostMessageW(entry, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(client.right - 3, y));
    PostMessageW(entry, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(client.right / 2, y));
    PostMessageW(entry, WM_LBUTTONUP, 0, MAKELPARAM(client.right / 2, y));
    drain();
    // From the press, at the end of "0.000", back to the middle.
    const auto [start, end] = selection(entry);
    EXPECT_GT(start, 0u);
    EXPECT_EQ(end, 5u);
}

// The focus that comes back with the window selects nothing: typing goes on
// where it stopped.
TEST_F(WindowTest, ReturningToTheWindowKeepsTheCaret)
{
    play(local(u"{Tab}1.2"));
    const HWND other = CreateWindowExW(0, WC_STATICW, L"other", WS_POPUP | WS_VISIBLE, 0, 0, 50,
                                       50, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    SetActiveWindow(other);
    drain();
    ASSERT_NE(GetFocus(), item("txtinch"));
    SetActiveWindow(form());
    drain();
    ASSERT_EQ(GetFocus(), item("txtinch"));
    type(L'5');
    EXPECT_EQ(text("txtinch"), local(u"1.25"));
    DestroyWindow(other);
}

// --- Fitted fonts ---------------------------------------------------------------

class FitTable : public WindowTest, public testing::WithParamInterface<cases::Fit> {};

// A result wider than its box at 24 points gets the largest size that fits;
// one that fits keeps 24 points.
TEST_P(FitTable, ResultsStayWhole)
{
    play(local(GetParam().script) + u"{Convert}");
    for (const auto &[name, shrinks] : {std::pair{"lblwhole", GetParam().wholeShrinks},
                                        std::pair{"lbldecimal", GetParam().divisionsShrink}}) {
        SCOPED_TRACE(name);
        const HWND box = item(name);
        EXPECT_LE(currentWidth(box), clientWidth(box));
        if (shrinks) {
            EXPECT_LT(fontHeight(box), 32);
            EXPECT_GT(widthOnePixelTaller(box), clientWidth(box)) << "shrunk more than needed";
        } else {
            EXPECT_EQ(fontHeight(box), 32);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Table, FitTable, testing::ValuesIn(cases::kFit), caseName<cases::Fit>);

// The entry's text lies inside its text area, centred: the edit control kept
// no scroll from a larger font.
void expectInView(HWND entry)
{
    RECT area = {};
    SendMessageW(entry, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&area));
    const int first = static_cast<short>(LOWORD(SendMessageW(entry, EM_POSFROMCHAR, 0, 0)));
    const int end = first + currentWidth(entry);
    EXPECT_GE(first, area.left);
    EXPECT_LE(end, area.right);
    EXPECT_LE(std::abs((first - area.left) - (area.right - end)), 2);
}

TEST_F(WindowTest, EntryTextStaysWhole)
{
    for (const UINT dpi : {96u, 120u, 144u, 192u}) {
        SCOPED_TRACE(dpi);
        const int scale = static_cast<int>(dpi);
        RECT suggested = {0, 0, MulDiv(260, scale, 96), MulDiv(470, scale, 96)};
        SendMessageW(form(), 0x02E0 /* WM_DPICHANGED */, MAKEWPARAM(dpi, dpi),
                     reinterpret_cast<LPARAM>(&suggested));
        for (const std::u16string_view entry : cases::kEntryFits) {
            play(u"{Tab}{Paste:" + local(entry) + u"}");
            ASSERT_EQ(text("txtinch"), local(entry));
            EXPECT_LE(currentWidth(item("txtinch")), entryRoom(item("txtinch")));
            expectInView(item("txtinch"));
            play(u"{Tab}");
        }
        play(u"{Tab}123456");
        expectInView(item("txtinch"));
        play(u"{Convert}{Tab}{Paste:1}");
        EXPECT_EQ(fontHeight(item("txtinch")), MulDiv(32, scale, 96));
        expectInView(item("txtinch"));
        play(u"{Tab}");
    }
}

// At every dpi the notice covers no input; it goes along when the window moves,
// and a deactivation dismisses it.
TEST_F(WindowTest, NoticeStaysClearOfTheInputs)
{
    for (const UINT dpi : {96u, 120u, 144u, 192u}) {
        SCOPED_TRACE(dpi);
        RECT suggested = {0, 0, MulDiv(260, static_cast<int>(dpi), 96),
                          MulDiv(470, static_cast<int>(dpi), 96)};
        SendMessageW(form(), 0x02E0 /* WM_DPICHANGED */, MAKEWPARAM(dpi, dpi),
                     reinterpret_cast<LPARAM>(&suggested));
        play(u"{Tab}5 {Home}{Del}{Convert}");
        ASSERT_NE(noticeText(), u"");
        expectNoticeCoversNoInput(form(), {item("txtinch"), item("cmdCalculate")});

        RECT before = {};
        GetWindowRect(form(), &before);
        SetWindowPos(form(), nullptr, before.left + 40, before.top + 30, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        drain();
        if (!noticeText().empty())
            expectNoticeCoversNoInput(form(), {item("txtinch"), item("cmdCalculate")});

        play(u"{Convert}");
        ASSERT_NE(noticeText(), u"");
        const HWND other = CreateWindowExW(0, WC_STATICW, L"other", WS_POPUP | WS_VISIBLE, 0, 0,
                                           50, 50, nullptr, nullptr, GetModuleHandleW(nullptr),
                                           nullptr);
        SetActiveWindow(other);
        drain();
        EXPECT_EQ(noticeText(), u"");
        DestroyWindow(other);
        SetActiveWindow(form());
        SetWindowPos(form(), nullptr, before.left, before.top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        drain();
    }
}

// --- Clock ----------------------------------------------------------------------

struct ClockCase {
    const char *region;
    const wchar_t *time;
    const wchar_t *date;
};

// The user's long time and short date as the region writes them.
TEST_F(WindowTest, ClockInTheUsersFormats)
{
    const ClockCase table[] = {
        {"en-US", LR"(^(1[0-2]|[1-9]):[0-5]\d:[0-5]\d (AM|PM)$)", LR"(^1?\d/[1-3]?\d/\d{4}$)"},
        {"de-DE", LR"(^[0-2]\d:[0-5]\d:[0-5]\d$)", LR"(^[0-3]?\d\.[01]?\d\.\d{4}$)"},
    };
    std::array<wchar_t, LOCALE_NAME_MAX_LENGTH> region = {};
    GetUserDefaultLocaleName(region.data(), static_cast<int>(region.size()));
    const auto row = std::find_if(std::begin(table), std::end(table), [&](const ClockCase &c) {
        return std::wstring(c.region, c.region + std::strlen(c.region)) == region.data();
    });
    if (row == std::end(table))
        GTEST_SKIP() << "no expectations for this region";
    reinterpret_cast<Form1 *>(GetWindowLongPtrW(form(), GWLP_USERDATA))->tmrclock_Timer();
    const std::wstring time = win32::Wide(text("lbltime"));
    const std::wstring date = win32::Wide(text("lbldate"));
    EXPECT_TRUE(std::regex_search(time, std::wregex(row->time))) << std::string(time.begin(), time.end());
    EXPECT_TRUE(std::regex_search(date, std::wregex(row->date))) << std::string(date.begin(), date.end());
}

// --- Accessibility --------------------------------------------------------------

namespace {

constexpr DWORD kLiveRegionChanged = 0x8019; // EVENT_OBJECT_LIVEREGIONCHANGED, Windows 8 on

// Filled by the event hook below, on this thread: what screen readers hear of.
std::vector<std::pair<DWORD, HWND>> g_events;

void CALLBACK recordEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD,
                          DWORD)
{
    const bool told = event == EVENT_OBJECT_NAMECHANGE || event == EVENT_SYSTEM_ALERT
        || event == kLiveRegionChanged;
    if (told && object == OBJID_CLIENT && child == CHILDID_SELF)
        g_events.emplace_back(event, window);
}

} // namespace

// The results are polite live regions whose names say what they mean: a new
// result raises a name change and a live region change of the box's own. A
// failure raises an alert from the notice, an alert whose name is its text. A
// clock tick raises nothing. The entry's value is its whole text.
TEST_F(WindowTest, ResultsAndFailuresAnnouncedClockNot)
{
    const HWINEVENTHOOK hook = SetWinEventHook(EVENT_MIN, EVENT_MAX, nullptr, recordEvent,
                                               GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    ASSERT_NE(hook, nullptr);
    g_events.clear();
    reinterpret_cast<Form1 *>(GetWindowLongPtrW(form(), GWLP_USERDATA))->tmrclock_Timer();
    play(local(u"{Tab}1.3{Convert}"));
    drain();
    const HWND whole = item("lblwhole");
    const HWND divisions = item("lbldecimal");
    EXPECT_EQ(g_events, (std::vector<std::pair<DWORD, HWND>>{{EVENT_OBJECT_NAMECHANGE, whole},
                                                             {kLiveRegionChanged, whole},
                                                             {EVENT_OBJECT_NAMECHANGE, divisions},
                                                             {kLiveRegionChanged, divisions}}));
    // UI Automation's LiveSetting, as its documentation writes it.
    const GUID liveSetting = {
        0xc12bcd8e, 0x2a8e, 0x4950, {0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb}};
    EXPECT_EQ(annotations::Read(whole, PROPID_ACC_NAME), L"20 whole turns");
    EXPECT_EQ(annotations::Read(divisions, PROPID_ACC_NAME), win32::Wide(local(u"50. divisions")));
    for (const HWND box : {whole, divisions})
        EXPECT_EQ(annotations::Read(box, liveSetting), L"1"); // polite
    EXPECT_EQ(annotations::Read(item("lbltime"), liveSetting), L"");

    // oleacc comes at run time, as the program takes ole32.
    const HMODULE oleacc = LoadLibraryW(L"oleacc.dll");
    ASSERT_NE(oleacc, nullptr);
    using FromWindow = HRESULT WINAPI(HWND, DWORD, REFIID, void **);
    const auto accessibleObjectFromWindow = reinterpret_cast<FromWindow *>(
        reinterpret_cast<void (*)()>(GetProcAddress(oleacc, "AccessibleObjectFromWindow")));
    IAccessible *accessible = nullptr;
    ASSERT_EQ(accessibleObjectFromWindow(item("txtinch"), static_cast<DWORD>(OBJID_CLIENT),
                                         IID_IAccessible, reinterpret_cast<void **>(&accessible)),
              S_OK);
    VARIANT self = {};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR value = nullptr;
    EXPECT_EQ(accessible->get_accValue(self, &value), S_OK);
    EXPECT_EQ(std::wstring(value ? value : L""), win32::Wide(local(u"1.3")));
    SysFreeString(value);
    accessible->Release();
    FreeLibrary(oleacc);

    g_events.clear();
    play(u"{Tab}5 {Home}{Del}{Convert}");
    drain();
    UnhookWinEvent(hook);
    const HWND notice = GetDlgItem(form(), win32::Notice::kId);
    EXPECT_EQ(g_events, (std::vector<std::pair<DWORD, HWND>>{{EVENT_SYSTEM_ALERT, notice}}));
    EXPECT_EQ(annotations::Read(notice, PROPID_ACC_ROLE), std::to_wstring(ROLE_SYSTEM_ALERT));
    EXPECT_EQ(annotations::Read(notice, PROPID_ACC_NAME), win32::Wide(noticeText()));
}

// --- Dpi, contrast, region --------------------------------------------------

// A move to a monitor of another dpi: every control placed and sized again
// from its twips, with fonts for the new dpi.
TEST_F(WindowTest, DpiChangeLaysTheWindowOutAgain)
{
    play(local(u"{Tab}999999{Convert}"));
    RECT suggested = {};
    GetWindowRect(form(), &suggested);
    suggested.right = suggested.left + 400;
    suggested.bottom = suggested.top + 700;
    SendMessageW(form(), 0x02E0 /* WM_DPICHANGED */, MAKEWPARAM(144, 144),
                 reinterpret_cast<LPARAM>(&suggested));
    for (const cases::Place &row : cases::kPlaces) {
        SCOPED_TRACE(std::string(row.name));
        RECT place = {};
        GetWindowRect(item(row.name), &place);
        MapWindowPoints(nullptr, form(), reinterpret_cast<POINT *>(&place), 2);
        EXPECT_EQ(place.left, row.at144.left);
        EXPECT_EQ(place.top, row.at144.top);
        EXPECT_EQ(place.right - place.left, row.at144.width);
        EXPECT_EQ(place.bottom - place.top, row.at144.height);
        if (row.name != "lblwhole" && row.name != "txtinch") { // fitted to their text
            EXPECT_EQ(fontHeight(item(row.name)), row.font144);
        }
    }
    const HWND whole = item("lblwhole");
    EXPECT_LE(currentWidth(whole), clientWidth(whole));
    EXPECT_GT(widthOnePixelTaller(whole), clientWidth(whole));
}

// Under a high-contrast theme the fixed greys and whites give way to the
// theme's system colours.
TEST_F(WindowTest, HighContrastTakesTheThemesColours)
{
    HIGHCONTRASTW contrast = {};
    contrast.cbSize = sizeof contrast;
    SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0);
    const DWORD saved = contrast.dwFlags;
    contrast.dwFlags = HCF_HIGHCONTRASTON;
    SystemParametersInfoW(SPI_SETHIGHCONTRAST, sizeof contrast, &contrast, 0);
    SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0);
    const bool on = (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
    contrast.dwFlags = saved;
    SendMessageW(form(), WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0);
    if (!on) {
        SystemParametersInfoW(SPI_SETHIGHCONTRAST, sizeof contrast, &contrast, 0);
        GTEST_SKIP() << "this system cannot turn high contrast on";
    }
    const HDC dc = CreateCompatibleDC(nullptr);
    const auto background = [&](const char *name) {
        return brushColour(SendMessageW(form(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                        reinterpret_cast<LPARAM>(item(name))));
    };
    EXPECT_EQ(background("lblwhole"), GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(GetTextColor(dc), GetSysColor(COLOR_WINDOWTEXT));
    EXPECT_EQ(background("Label4"), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(background("Label2"), GetSysColor(COLOR_BTNFACE));
    DeleteDC(dc);
    SystemParametersInfoW(SPI_SETHIGHCONTRAST, sizeof contrast, &contrast, 0);
    SendMessageW(form(), WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0);
}

// Where "." is neither separator, "0.000" is no number: the first click
// fails, and the advice is written with the region's decimal separator.
TEST_F(WindowTest, NoticeAdvisesInTheUsersDecimal)
{
    const core::Separators separators = core::UserSeparators();
    play(u"{Convert}");
    if (separators.decimal == u'.' || separators.group == u'.') {
        EXPECT_EQ(text("lblwhole"), u"0");
        GTEST_SKIP() << "\"0.000\" is a number in this region";
    }
    EXPECT_EQ(text("lblwhole"), u"");
    const std::u16string notice = noticeText();
    EXPECT_NE(notice.find(u"\u201C0.000\u201D is not a number."), std::u16string::npos);
    std::u16string advice = u"Type a dimension such as 1,250 or 0,250.";
    std::replace(advice.begin(), advice.end() - 1, u',', separators.decimal);
    EXPECT_NE(notice.find(advice), std::u16string::npos);
}
