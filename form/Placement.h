#pragma once

// Where a window goes when it is first shown, toolkit-free.

#include <algorithm>

namespace form {

struct Point {
    int x;
    int y;
};

// The top-left corner of a window of the given outer size (frame included)
// centred on a work area; a window taller than the work area keeps its title
// bar on it, and one wider keeps its left edge on it.
constexpr Point CentredOn(int areaLeft, int areaTop, int areaWidth, int areaHeight, int width,
                          int height)
{
    return {areaLeft + std::max(0, (areaWidth - width) / 2),
            areaTop + std::max(0, (areaHeight - height) / 2)};
}

} // namespace form
