#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdlib>

// A one-pixel line walked one pixel per step along its longer (major) axis, from its start
// pixel; step i lies at major0 + majorStep * i, and across it the line moves towards minorStep.
// The canvas and the merged line drawing both walk lines this way and must agree on which steps
// fall inside an area.
struct TLineWalk {
    TLineWalk(std::int64_t x0, std::int64_t y0, std::int64_t dx, std::int64_t dy)
        : alongX(std::abs(dx) >= std::abs(dy)), length(alongX ? std::abs(dx) : std::abs(dy)),
          span(alongX ? std::abs(dy) : std::abs(dx)), major0(alongX ? x0 : y0),
          minor0(alongX ? y0 : x0), majorStep((alongX ? dx : dy) < 0 ? -1 : 1),
          minorStep((alongX ? dy : dx) < 0 ? -1 : 1) {}

    // Narrows the steps [first, last] to those whose pixel along the major axis lies between
    // low and high (both included); first > last when none does.
    void KeepMajor(std::int64_t low, std::int64_t high, std::int64_t &first,
                   std::int64_t &last) const {
        first = std::max(first, majorStep > 0 ? low - major0 : major0 - high);
        last = std::min(last, majorStep > 0 ? high - major0 : major0 - low);
    }

    // The offsets across (counted towards minorStep) whose pixels lie between low and high
    // (both included) on the minor axis.
    std::int64_t LowestOffset(std::int64_t low, std::int64_t high) const {
        return minorStep > 0 ? low - minor0 : minor0 - high;
    }
    std::int64_t HighestOffset(std::int64_t low, std::int64_t high) const {
        return minorStep > 0 ? high - minor0 : minor0 - low;
    }

    bool alongX;
    std::int64_t length;
    std::int64_t span;
    std::int64_t major0;
    std::int64_t minor0;
    std::int64_t majorStep;
    std::int64_t minorStep;
};
