#pragma once

// The notice that follows a failed conversion, as both windows show it: its
// place inside the window, its colours, its wording and how long it stays.
// Toolkit-free: each window draws it in its own toolkit's way.

#include "form/Advice.h"
#include "form/FittingSize.h"
#include "form/Layout.h"

#include <algorithm>
#include <string>
#include <string_view>

namespace form {

inline constexpr int kNoticeShownFor = 8000; // milliseconds

// What a notice is about: a failed Convert, or what the entry refused. Either
// goes with its time, a click in the window, and the window's deactivation;
// one about a failed Convert goes with a key too. One about the entry stays
// while the user types on, so that it can be read after the typing it is
// about ("1/2" typed gives 12 and tells why).
enum class NoticeAbout { Convert, Entry };

constexpr bool GoesWithKeys(NoticeAbout about)
{
    return about == NoticeAbout::Convert;
}

// A tool tip's pale yellow, its text and border black.
inline constexpr Colour kNoticeBackground = 0x00E1FFFF;
inline constexpr Colour kNoticeText = 0x00000000;
inline constexpr Colour kNoticeBorder = 0x00000000;

// The largest point size of its text; it shrinks until the text fits.
inline constexpr double kNoticePointSize = 9.75;

// The text inside the box keeps this far from its border, in twips.
inline constexpr int kNoticePadding = 45;

// Where the notice stands, in twips from the window's client area: a box over
// the hints above the entry (the labels that the notice says more than at
// that moment), with a tail below it that points down at the middle of the
// entry. It leaves a gap above the entry and ends far above Convert, so that
// it covers nothing that takes input.
struct NoticePlace {
    Rect box;      // the box with the text
    int tailLeft;  // where the tail leaves the foot of the box
    int tailRight;
    int tipX;      // the tip of the tail, above the middle of the entry
    int tipY;
};

inline constexpr int kNoticeGap = 30;  // twips between the tip and the entry
inline constexpr int kTailHalf = 120; // twips either side of the tail's middle

constexpr NoticePlace NoticePlacement()
{
    const Rect top = InForm(kControls[Id::Label1]);
    const Rect hint = InForm(kControls[Id::Label4]);
    const Rect entry = InForm(kControls[Id::txtinch]);
    const Rect box = {hint.left, top.top, hint.width, hint.top + hint.height - top.top};
    const int tipX = entry.left + entry.width / 2;
    return {box, tipX - kTailHalf, tipX + kTailHalf, tipX, entry.top - kNoticeGap};
}

// The rectangle that the box and its tail fill together.
constexpr Rect NoticeBounds(const NoticePlace &place)
{
    return {place.box.left, place.box.top, place.box.width, place.tipY - place.box.top};
}

// What the notice says: what is wrong, then an example in the user's own
// decimal format, on a line of its own.
inline std::u16string NoticeText(std::u16string_view whatIsWrong, char16_t decimal)
{
    return std::u16string(whatIsWrong) + u'\n' + FailureAdvice(decimal);
}

// The text's size in pixels, laid out in lines that break between words.
struct TextSize {
    double width;
    double height;
};

// The point size, at most kNoticePointSize, at which the text, measured by
// measure(size) as a TextSize, fits a room of width by height pixels.
template <typename Measure>
double NoticePointSize(Measure measure, double width, double height)
{
    const auto overflow = [&](double size) {
        const TextSize text = measure(size);
        return std::max(text.width / width, text.height / height);
    };
    return FittingPointSize(overflow, 1.0, kNoticePointSize);
}

} // namespace form
