#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

// What one layout decided for an axis: its working range WorkMin ... WorkMax spread over the
// pixels PixelStart ... PixelEnd, and the conversions between the two. Values grow rightwards
// on a horizontal axis and upwards on a vertical one, unless Inverted. A logarithmic map
// spreads the logarithms of the values instead; its base is that of its labels' steps.
struct TAxisMap {
    double WorkMin = 0;
    double WorkMax = 0;
    int PixelStart = 0;
    int PixelEnd = 0;
    bool Horizontal = true;
    bool Inverted = false;
    bool Logarithmic = false;
    int LogarithmicBase = 10;

    double WorkRange() const { return WorkMax - WorkMin; }
    int PixelSize() const { return PixelEnd - PixelStart; }
    // Where every value goes when the range is empty or the value out of reach.
    int PixelCenter() const { return int((std::int64_t(PixelStart) + PixelEnd) / 2); }

    // The pixel of a value as an x coordinate, counted from PixelEnd when inverted.
    int XToPixel(double value) const;
    // The pixel of a value as a y coordinate, counted from PixelEnd unless inverted.
    int YToPixel(double value) const;
    int ToPixel(double value) const { return Horizontal ? XToPixel(value) : YToPixel(value); }
    // The value at a pixel; 0 on a map without pixels.
    double ToValue(int pixel) const;

    bool operator==(const TAxisMap &) const = default;

private:
    bool CountsFromEnd(bool asX) const { return asX == Inverted; }
    int Pixel(double value, bool asX) const;
};

// To the nearest whole in the current rounding mode, as std::nearbyint does.
inline std::int64_t RoundToWhole(double v) { return std::int64_t(std::rint(v)); }

// The pixels of a map as XToPixel (asX) or YToPixel give them, inline and without a division.
// The offset from the axis's end is taken with the reciprocal of the scale; it differs from the
// map's own offset by less than 4e-6 pixel (in any rounding mode). So when the offset rounds to
// the same whole pixel from 1e-5 below and above, the map's offset, lying in between, rounds to
// that pixel too, as rounding never goes down when its argument goes up. Values near a half
// pixel, and all those the map treats specially (not numbers, too far out, an empty range, a
// logarithmic map), go through the map. Round must round as RoundToWhole does; the line
// renderer brings a single instruction for it.
template <std::int64_t (*Round)(double) = RoundToWhole> class TAxisPixels {
public:
    TAxisPixels(const TAxisMap &map, bool asX) : map(map), asX(asX) {
        if (map.WorkRange() == 0 || map.Logarithmic)
            return;
        workMin = map.WorkMin;
        scale = map.PixelSize() / map.WorkRange();
        // The error bound holds for a normal (or zero) scale, and with a plot of sane size no
        // offset the map would overflow to infinity comes out small.
        direct = std::isfinite(scale) && (scale == 0 || std::fabs(scale) >= 1e-290) &&
                 std::abs(map.PixelSize()) <= 1 << 24;
        fromEnd = asX == map.Inverted;
        origin = fromEnd ? map.PixelEnd : map.PixelStart;
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
        return asX ? map.XToPixel(value) : map.YToPixel(value);
    }

private:
    static constexpr double SafeOffset = 2147483646.0;
    static constexpr double TieMargin = 1e-5;

    TAxisMap map;
    bool asX;
    bool direct = false;
    bool fromEnd = false;
    double workMin = 0;
    double scale = 0;
    std::int64_t origin = 0;
};
