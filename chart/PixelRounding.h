#pragma once

#include <algorithm>
#include <cmath>
#include <limits>

// How far the chart's own pixel positions and counts reach either way. A position set far off
// the plot is held there, so that a sum of a few of them, such as the two ends of an axis,
// still fits in an int.
inline constexpr int PixelLimit = std::numeric_limits<int>::max() / 4;

// Whole pixels from a computed position, size or count: the nearest integer, halves to the
// even neighbour (std::nearbyint in the default rounding mode), held within lowest ... highest.
// A value that is not a number counts as 0.
inline int RoundPixels(double value, int lowest = -PixelLimit, int highest = PixelLimit) {
    if (std::isnan(value))
        value = 0;
    return int(std::clamp(std::nearbyint(value), double(lowest), double(highest)));
}
