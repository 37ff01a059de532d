#pragma once

// Twips, 1/1440 inch, the unit of the layout, and how they become pixels.

namespace form {

inline constexpr int kTwipsPerInch = 1440;

// A place and size, in twips or in pixels.
struct Rect {
    int left;
    int top;
    int width;
    int height;
};

// A position in twips at dpi dots per inch: twips x dpi / 1440, rounded to
// the nearest pixel, halves away from zero.
constexpr int Pixels(int twips, int dpi)
{
    const long long scaled = static_cast<long long>(twips) * dpi;
    const long long half = kTwipsPerInch / 2;
    return static_cast<int>(scaled >= 0 ? (scaled + half) / kTwipsPerInch
                                        : -((half - scaled) / kTwipsPerInch));
}

// A rectangle in twips at dpi: each edge is rounded on its own, so that a
// width is the rounded right edge less the rounded left edge, and rectangles
// that meet in twips still meet in pixels.
constexpr Rect Pixels(Rect twips, int dpi)
{
    const int left = Pixels(twips.left, dpi);
    const int top = Pixels(twips.top, dpi);
    return {left, top, Pixels(twips.left + twips.width, dpi) - left,
            Pixels(twips.top + twips.height, dpi) - top};
}

} // namespace form
