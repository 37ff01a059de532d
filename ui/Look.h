#pragma once

#include "form/Layout.h"

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QRect>

namespace ui {

// The colours of the window: its own grey, the grey of the warning label and
// the standard Windows scheme's system colours that the controls use.
inline constexpr QColor kFormBackground = QColor(0xE0, 0xE0, 0xE0);
inline constexpr QColor kWarningBackground = QColor(0xC0, 0xC0, 0xC0);
inline constexpr QColor kWindowBackground = QColor(0xFF, 0xFF, 0xFF); // system colour 5
inline constexpr QColor kWindowText = QColor(0x00, 0x00, 0x00);       // system colour 8
inline constexpr QColor kTitleBarText = QColor(0xFF, 0xFF, 0xFF);     // system colour 9
inline constexpr QColor kButtonFace = QColor(0xC0, 0xC0, 0xC0);       // system colour 15
inline constexpr QColor kButtonText = QColor(0x00, 0x00, 0x00);       // system colour 18

// Point sizes of the layout; the standard dialog font is 8.25 points.
inline constexpr qreal kDialogPointSize = 8.25;

// The family that stands in for the layout's "MS Sans Serif", shipped with the
// program so that every caption fits whatever fonts the machine has.
inline constexpr const char *kFontFamily = "Liberation Sans";

// A colour of the layout table; system colours as the standard scheme has them.
QColor LayoutColour(form::Colour colour);

// The layout's font at a point size.
QFont LayoutFont(qreal pointSize, bool bold = false);

// The palette every control starts from: the standard Windows scheme.
QPalette LayoutPalette();

// A rectangle given in twips (1/1440 inch), in device-independent pixels.
constexpr QRect FromTwips(int left, int top, int width, int height)
{
    constexpr int kTwipsPerPixel = 15;
    return {left / kTwipsPerPixel, top / kTwipsPerPixel, width / kTwipsPerPixel,
            height / kTwipsPerPixel};
}

} // namespace ui
