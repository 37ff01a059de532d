#pragma once

// The window's layout, the one table that both windows are built from: every
// control with its place and size in twips (1/1440 inch), its text, font,
// alignment, border, background and tab index, in the order of creation.
// Each control has an identity, its row's index, by which the windows map it
// to their members. Toolkit-free: the Qt window and the Windows window each
// read it.

#include "form/Twips.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace form {

// A colour as 0x00BBGGRR, or a desktop system colour: the top bit set and the
// system colour's index in the low byte (0x80000009 is system colour 9).
using Colour = std::uint32_t;

inline constexpr Colour kSystemColourFlag = 0x80000000u;

constexpr bool IsSystemColour(Colour colour)
{
    return (colour & kSystemColourFlag) != 0;
}

constexpr int SystemColourIndex(Colour colour)
{
    return static_cast<int>(colour & 0xFFu);
}

inline constexpr Colour kFormBackground = 0x00E0E0E0;
inline constexpr Colour kWarningBackground = 0x00C0C0C0;
inline constexpr Colour kWindowBackground = kSystemColourFlag | 5;
inline constexpr Colour kWindowText = kSystemColourFlag | 8;
inline constexpr Colour kTitleBarText = kSystemColourFlag | 9;
inline constexpr Colour kButtonFace = kSystemColourFlag | 15;
inline constexpr Colour kButtonText = kSystemColourFlag | 18;

// The system colours of the standard Windows scheme, for a toolkit without
// system colours, and for the result boxes, whose colour 9 (title-bar text) is
// black on recent Windows and would hide the black digits.
constexpr Colour StandardSchemeColour(int index)
{
    switch (index) {
    case 5:  // window background
    case 9:  // title-bar text
        return 0x00FFFFFF;
    case 15: // button face
        return 0x00C0C0C0;
    default: // 8 window text, 18 button text
        return 0x00000000;
    }
}

// Each control's identity, in the order of the table. Form1 is the window
// itself, the parent of the controls that stand in no group box; it has no
// row in the table.
enum class Id : std::uint8_t {
    Frame3,
    lbltime,
    lbldate,
    tmrclock,
    Frame2,
    Divisions,
    turns,
    lbldecimal,
    lblwhole,
    Frame1,
    txtinch,
    Label4,
    Label2,
    Label1,
    Label3,
    cmdCalculate,
    Form1,
};

inline constexpr std::size_t kControlCount = static_cast<std::size_t>(Id::Form1);

constexpr std::size_t Index(Id id)
{
    return static_cast<std::size_t>(id);
}

enum class Kind { GroupBox, Label, TextBox, PushButton, Timer };

// How text stands in its control. A group box's caption is at its top left.
enum class Alignment { Centre, Left, TopCentre, CaptionTopLeft };

enum class Border { None, Single, GroupFrame, TextBoxFrame, ButtonFrame };

struct Control {
    Id id;
    std::string_view name; // the object's name, for tests and tools
    Kind kind;
    Id parent;
    Rect twips;           // from the parent's top-left corner
    const char16_t *text; // null-terminated
    double pointSize;
    bool bold;
    Alignment alignment;
    Border border;
    Colour background;
    int tabIndex; // -1: the timer, which has none
};

inline constexpr std::u16string_view kTitle = u"Brantile";
inline constexpr std::string_view kFormName = "Form1";
inline constexpr int kClientWidth = 3675;  // twips
inline constexpr int kClientHeight = 6495; // twips
inline constexpr int kClockInterval = 1000; // milliseconds

// The layout's font. Default-sized controls use the standard dialog font.
inline constexpr std::u16string_view kFontFace = u"MS Sans Serif";
inline constexpr double kDialogPointSize = 8.25;
inline constexpr double kResultPointSize = 24;
inline constexpr double kEntryPointSize = 24;

inline constexpr int kEntryMaxLength = 6;
inline constexpr std::u16string_view kDefaultEntryText = u"0.000";

// The Windows control ID of a control: 100 plus its tab index, so that no
// control has IDOK (1) or IDCANCEL (2).
constexpr int ControlId(const Control &control)
{
    return 100 + control.tabIndex;
}

// Labels, group boxes and the button draw their text in button text, the
// text box in window text.
constexpr Colour TextColour(Kind kind)
{
    return kind == Kind::TextBox ? kWindowText : kButtonText;
}

// The layout table: the controls in the order of creation, indexed by
// identity.
struct Table {
    std::array<Control, kControlCount> rows;

    constexpr const Control &operator[](Id id) const { return rows[Index(id)]; }
    constexpr auto begin() const { return rows.begin(); }
    constexpr auto end() const { return rows.end(); }
    constexpr std::size_t size() const { return rows.size(); }
};

inline constexpr Table kControls = {{{
    {Id::Frame3, "Frame3", Kind::GroupBox, Id::Form1, {600, 4920, 2415, 1335}, u"Time Center",
     9.75, false, Alignment::CaptionTopLeft, Border::GroupFrame, kFormBackground, 9},
    {Id::lbltime, "lbltime", Kind::Label, Id::Frame3, {120, 840, 2175, 375}, u"00:00:00 AM",
     kDialogPointSize, false, Alignment::Centre, Border::None, kFormBackground, 11},
    {Id::lbldate, "lbldate", Kind::Label, Id::Frame3, {360, 360, 1695, 375}, u"00/00/0000", 13.5,
     false, Alignment::Centre, Border::None, kFormBackground, 10},
    {Id::tmrclock, "tmrclock", Kind::Timer, Id::Form1, {0, 0, 0, 0}, u"", 0, false,
     Alignment::Centre, Border::None, kFormBackground, -1},
    {Id::Frame2, "Frame2", Kind::GroupBox, Id::Form1, {480, 3240, 2655, 1575}, u"Handle Turns",
     9.75, false, Alignment::CaptionTopLeft, Border::GroupFrame, kFormBackground, 3},
    // The headings' text stands at their top, as where the layout was drawn,
    // so that the two share a baseline although their heights differ.
    {Id::Divisions, "Divisions", Kind::Label, Id::Frame2, {1320, 360, 1095, 375}, u"Divisions",
     12, true, Alignment::TopCentre, Border::None, kFormBackground, 8},
    {Id::turns, "turns", Kind::Label, Id::Frame2, {240, 360, 855, 255}, u"Turns", 12, true,
     Alignment::TopCentre, Border::None, kFormBackground, 7},
    {Id::lbldecimal, "lbldecimal", Kind::Label, Id::Frame2, {1320, 720, 1095, 615}, u"",
     kResultPointSize, false, Alignment::Centre, Border::Single, kTitleBarText, 5},
    {Id::lblwhole, "lblwhole", Kind::Label, Id::Frame2, {120, 720, 1095, 615}, u"",
     kResultPointSize, false, Alignment::Centre, Border::Single, kTitleBarText, 4},
    {Id::Frame1, "Frame1", Kind::GroupBox, Id::Form1, {360, 240, 2895, 2415},
     u"Enter Dimentions Here", 9.75, false, Alignment::CaptionTopLeft, Border::GroupFrame,
     kFormBackground, 1},
    {Id::txtinch, "txtinch", Kind::TextBox, Id::Frame1, {240, 1560, 1575, 615}, u"0.000",
     kEntryPointSize, false, Alignment::Centre, Border::TextBoxFrame, kWindowBackground, 2},
    {Id::Label4, "Label4", Kind::Label, Id::Frame1, {120, 960, 2655, 495},
     u" .250 does not work", 13.5, false, Alignment::Centre, Border::Single, kWarningBackground,
     14},
    {Id::Label2, "Label2", Kind::Label, Id::Frame1, {360, 600, 1935, 375}, u"1.250 or 0.250",
     13.5, false, Alignment::Centre, Border::None, kFormBackground, 13},
    {Id::Label1, "Label1", Kind::Label, Id::Frame1, {360, 360, 2055, 255}, u"Number formats:",
     9.75, false, Alignment::Centre, Border::None, kFormBackground, 12},
    {Id::Label3, "Label3", Kind::Label, Id::Frame1, {2040, 1680, 735, 375}, u"Inch",
     kDialogPointSize, false, Alignment::Left, Border::None, kFormBackground, 6},
    {Id::cmdCalculate, "cmdCalculate", Kind::PushButton, Id::Form1, {480, 2760, 2655, 375},
     u"Convert", 12, false, Alignment::Centre, Border::ButtonFrame, kButtonFace, 0},
}}};

// Each row stands at the index of its identity, and a group box comes before
// what it holds, so that a window can create the controls in table order.
constexpr bool RowsInOrder()
{
    for (std::size_t i = 0; i < kControls.size(); ++i) {
        const Control &control = kControls.rows[i];
        if (Index(control.id) != i)
            return false;
        if (control.parent != Id::Form1
            && (Index(control.parent) >= i || kControls[control.parent].kind != Kind::GroupBox))
            return false;
    }
    return true;
}
static_assert(RowsInOrder(), "a row of the layout table is out of its place");

// Whether a window's map from identities to its members has one entry for
// each control, in table order. The windows check their maps with it at
// compile time.
template <typename Entry, std::size_t Count>
constexpr bool MapsEveryControl(const Entry (&map)[Count])
{
    if (Count != kControlCount)
        return false;
    for (std::size_t i = 0; i < Count; ++i) {
        if (Index(map[i].id) != i)
            return false;
    }
    return true;
}

// Whether no control of the layout has the Windows control ID id; the timer
// counts too, whose ID (99) is never a window's. A window's own child windows
// check their IDs with it at compile time.
constexpr bool NoControlHasId(int id)
{
    for (const Control &control : kControls) {
        if (ControlId(control) == id)
            return false;
    }
    return true;
}

// The control of that name, for tests and tools that know controls by name.
constexpr const Control &ControlNamed(std::string_view name)
{
    for (const Control &control : kControls) {
        if (control.name == name)
            return control;
    }
    throw "no such control"; // a compile-time error where called in a constant expression
}

// A control's place and size from the window's client area, in twips.
constexpr Rect InForm(const Control &control)
{
    Rect rect = control.twips;
    for (Id parent = control.parent; parent != Id::Form1;) {
        const Control &group = kControls[parent];
        rect.left += group.twips.left;
        rect.top += group.twips.top;
        parent = group.parent;
    }
    return rect;
}

// A control's place in pixels at dpi, from its parent's top-left corner. Its
// edges are rounded where they lie in the window, so that a control inside a
// group box stands where it would stand without one.
constexpr Rect PixelsInParent(const Control &control, int dpi)
{
    Rect rect = Pixels(InForm(control), dpi);
    if (control.parent != Id::Form1) {
        const Rect parent = Pixels(InForm(kControls[control.parent]), dpi);
        rect.left -= parent.left;
        rect.top -= parent.top;
    }
    return rect;
}

// What assistive technology reads for a control whose own text does not say
// what it is: a name, or a description that stands beside the text it shows.
struct Accessible {
    Id id;
    std::u16string_view name;
    std::u16string_view description;
};

inline constexpr std::array<Accessible, 5> kAccessible = {{
    {Id::txtinch, u"Dimension in inches", {}},
    {Id::lblwhole, {}, u"Whole turns"},
    {Id::lbldecimal, {}, u"Divisions"},
    {Id::lbltime, {}, u"Time"},
    {Id::lbldate, {}, u"Date"},
}};

// The accessible name or description of a control, empty where it has none.
constexpr std::u16string_view AccessibleName(Id id)
{
    for (const Accessible &entry : kAccessible) {
        if (entry.id == id)
            return entry.name;
    }
    return {};
}

constexpr std::u16string_view AccessibleDescription(Id id)
{
    for (const Accessible &entry : kAccessible) {
        if (entry.id == id)
            return entry.description;
    }
    return {};
}

} // namespace form
