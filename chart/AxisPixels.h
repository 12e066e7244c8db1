#pragma once

#include "ChartAxis.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

// To the nearest whole in the current rounding mode, as std::nearbyint does.
inline std::int64_t RoundToWhole(double v) { return std::int64_t(std::rint(v)); }

// Turns values into the pixels an axis gives them with XValueToPos (asX) or YValueToPos, as laid
// out by the last paint, but inline and without a division. The offset from the axis's end is
// taken with the reciprocal of the scale; it differs from the axis's own offset by less than
// 4e-6 pixel (in any rounding mode). So when the offset rounds to the same whole pixel from
// 1e-5 below and above, the axis's offset, lying in between, rounds to that pixel too, as
// rounding never goes down when its argument goes up. Values near a half pixel, and all those
// the axis treats specially (not numbers, too far out, an empty range), are handed to the axis.
// Round must round as RoundToWhole does; the line renderer brings a single instruction for it.
template <std::int64_t (*Round)(double) = RoundToWhole> class TAxisPixels {
public:
    TAxisPixels(const TCustomChartAxis &axis, bool asX) : axis(axis), asX(asX) {
        // An empty range puts every value at the axis's centre, which the axis does itself.
        if (axis.WorkRange == 0)
            return;
        workMin = axis.WorkMin;
        scale = axis.PixelSize / axis.WorkRange;
        // The error bound holds for a normal (or zero) scale, and with a plot of sane size no
        // offset the axis would overflow to infinity comes out small; anything else goes
        // through the axis.
        direct = std::isfinite(scale) && (scale == 0 || std::fabs(scale) >= 1e-290) &&
                 std::abs(axis.PixelSize) <= 1 << 24;
        // The axis counts from PixelEnd for x on an inverted axis and for y on an upright one.
        fromEnd = asX == axis.Inverted();
        origin = fromEnd ? axis.PixelEnd : axis.PixelStart;
    }

    int operator()(double value) const {
        const double offset = (value - workMin) * scale;
        if (direct && std::fabs(offset) < SafeOffset) {
            const std::int64_t low = Round(offset - TieMargin);
            if (low == Round(offset + TieMargin)) {
                const std::int64_t pixel = origin + (fromEnd ? -low : low);
                return int(std::clamp<std::int64_t>(pixel, std::numeric_limits<int>::min(),
                                                    std::numeric_limits<int>::max()));
            }
        }
        return asX ? axis.XValueToPos(value) : axis.YValueToPos(value);
    }

private:
    static constexpr double SafeOffset = 2147483646.0;
    static constexpr double TieMargin = 1e-5;

    const TCustomChartAxis &axis;
    bool asX;
    bool direct = false;
    bool fromEnd = false;
    double workMin = 0;
    double scale = 0;
    std::int64_t origin = 0;
};
