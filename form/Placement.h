#pragma once

#include <algorithm>

namespace form {

// A rectangle on the screen, in pixels.
struct ScreenRect {
    int left;
    int top;
    int width;
    int height;
};

// Where a window goes whose outer frame, title bar and borders included, is
// width by height: centred on the screen's available area, as the desktop
// centres a dialog, but never above or left of that area, so that the title
// bar stays on the screen when the window is taller or wider than the screen.
// Gives the rectangle of the frame.
constexpr ScreenRect CentredFrame(int width, int height, ScreenRect available)
{
    const int left = available.left + (available.width - width) / 2;
    const int top = available.top + (available.height - height) / 2;
    return {std::max(left, available.left), std::max(top, available.top), width, height};
}

} // namespace form
