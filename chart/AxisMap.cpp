#include "AxisMap.h"

#include "PixelRounding.h"

#include <optional>

namespace {

// Offsets at least this far from the start of the axis are out of reach.
constexpr double FarthestOffset = 2147483647.0;

struct TScale {
    double Low;
    double Range;
};

// The range the map spreads over its pixels: the values, or their logarithms. The pixels are
// the same in any base, so natural logarithms serve.
std::optional<TScale> ScaleOf(const TAxisMap &map) {
    if (!map.Logarithmic)
        return TScale{map.WorkMin, map.WorkRange()};
    if (!(map.WorkMin > 0))
        return std::nullopt;
    const double low = std::log(map.WorkMin);
    return TScale{low, std::log(map.WorkMax) - low};
}

// A pixel offset from an end of the axis. A point far off the plot keeps its pixel as far as
// an int reaches, so that the line towards it leaves the plot at the right slope.
int OffsetPixel(int end, double offset) {
    return RoundPixels(end + std::nearbyint(offset), std::numeric_limits<int>::min(),
                       std::numeric_limits<int>::max());
}

} // namespace

int TAxisMap::Pixel(double value, bool asX) const {
    const std::optional<TScale> scale = ScaleOf(*this);
    if (!scale || scale->Range == 0)
        return PixelCenter();
    const double position = Logarithmic ? std::log(value) : value;
    const double offset = (position - scale->Low) * PixelSize() / scale->Range;
    // Too far away to draw, or not a number at all.
    if (!(std::fabs(offset) < FarthestOffset))
        return PixelCenter();
    return CountsFromEnd(asX) ? OffsetPixel(PixelEnd, -offset) : OffsetPixel(PixelStart, offset);
}

int TAxisMap::XToPixel(double value) const { return Pixel(value, true); }

int TAxisMap::YToPixel(double value) const { return Pixel(value, false); }

double TAxisMap::ToValue(int pixel) const {
    if (PixelSize() <= 0)
        return 0;
    double d = Inverted ? double(PixelEnd) - pixel : double(pixel) - PixelStart;
    if (!Logarithmic) {
        d = d * WorkRange() / PixelSize();
        return Horizontal ? WorkMin + d : WorkMax - d;
    }
    const std::optional<TScale> scale = ScaleOf(*this);
    if (!scale)
        return 0;
    d = d * scale->Range / PixelSize();
    const double position = Horizontal ? scale->Low + d : scale->Low + scale->Range - d;
    return std::exp(position);
}
