#pragma once

#include "form/Layout.h"

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QRect>

namespace ui {

// A colour of the layout table; system colours as the standard Windows
// scheme has them.
constexpr QColor LayoutColour(form::Colour colour)
{
    const form::Colour rgb = form::IsSystemColour(colour)
        ? form::StandardSchemeColour(form::SystemColourIndex(colour))
        : colour;
    return QColor(static_cast<int>(rgb & 0xFF), static_cast<int>((rgb >> 8) & 0xFF),
                  static_cast<int>((rgb >> 16) & 0xFF));
}

// The colours of the layout that the window's palette and its notice use.
inline constexpr QColor kFormBackground = LayoutColour(form::kFormBackground);
inline constexpr QColor kWindowBackground = LayoutColour(form::kWindowBackground);
inline constexpr QColor kWindowText = LayoutColour(form::kWindowText);
inline constexpr QColor kButtonFace = LayoutColour(form::kButtonFace);
inline constexpr QColor kButtonText = LayoutColour(form::kButtonText);

// The family that stands in for the layout's "MS Sans Serif", shipped with the
// program so that every caption fits whatever fonts the machine has.
inline constexpr const char *kFontFamily = "Liberation Sans";

// The layout's font at a point size.
QFont LayoutFont(qreal pointSize, bool bold = false);

// The palette every control starts from: the standard Windows scheme.
QPalette LayoutPalette();

// Qt lays the window out in device-independent pixels, 96 to the inch, and
// scales them for the screen.
inline constexpr int kPixelsPerInch = 96;

// A rectangle given in twips, in device-independent pixels.
constexpr QRect FromTwips(form::Rect twips)
{
    const form::Rect pixels = form::Pixels(twips, kPixelsPerInch);
    return {pixels.left, pixels.top, pixels.width, pixels.height};
}

// A control's place from its parent's top-left corner, in device-independent
// pixels.
constexpr QRect PlaceInParent(const form::Control &control)
{
    const form::Rect pixels = form::PixelsInParent(control, kPixelsPerInch);
    return {pixels.left, pixels.top, pixels.width, pixels.height};
}

} // namespace ui
