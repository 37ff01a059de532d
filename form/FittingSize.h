#pragma once

// The largest font size at which a text fits a width, for both windows:
// the toolkit measures, this header searches.

#include <algorithm>
#include <cmath>

namespace form {

inline constexpr double kFitStep = 0.25; // points

// The largest point size, at most pointSize and in steps of a quarter point,
// at which width(size), the text's width in pixels at that size, is at most
// room (never below one point).
template <typename Width>
double FittingPointSize(Width width, double room, double pointSize)
{
    const double full = width(pointSize);
    if (full <= room)
        return pointSize;
    // Text widths grow nearly in proportion to the size: start from the
    // proportional guess, then step down until it fits, or up while the next
    // size still fits (sizes that round to the same pixels measure alike).
    double size = std::max(1.0, std::floor(pointSize * room / full / kFitStep) * kFitStep);
    if (size > 1.0 && width(size) > room) {
        do
            size -= kFitStep;
        while (size > 1.0 && width(size) > room);
        return size;
    }
    while (size + kFitStep < pointSize && width(size + kFitStep) <= room)
        size += kFitStep;
    return size;
}

} // namespace form
