#pragma once

#include "ChartAxis.h"
#include "ChartCanvas.h"
#include "ChartPen.h"
#include "ChartSeries.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <memory>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

// Turns values into the pixels an axis gives them with XValueToPos (asX) or YValueToPos, as laid
// out by the last paint, but inline and without a division. The offset from the axis's end is
// taken with the reciprocal of the scale; it differs from the axis's own offset by less than
// 4e-6 pixel (in any rounding mode). So when the offset rounds to the same whole pixel from
// 1e-5 below and above, the axis's offset, lying in between, rounds to that pixel too, as
// rounding never goes down when its argument goes up. Values near a half pixel, and all those
// the axis treats specially (not numbers, too far out, an empty range), are handed to the axis.
class TAxisPixels {
public:
    TAxisPixels(const TCustomChartAxis &axis, bool asX);

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
    // To the nearest whole in the current rounding mode, as std::nearbyint does.
    static std::int64_t Round(double v) {
#if defined(__SSE2__)
        return _mm_cvtsd_si64(_mm_set_sd(v));
#else
        return std::int64_t(std::nearbyint(v));
#endif
    }

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

// Reads a series' points a pixel column at a time, for the merged line drawing.
struct TColumnReader {
    const TAxisPixels &toX;
    const TAxisPixels &toY;
    const double *xs;
    const double *ys;
    double xMultiplier;
    double yMultiplier;

    // Whether the X values first ... last are numbers in ascending order that the axis turns
    // into pixels in order, so that each pixel column holds one run of points.
    bool ColumnsInOrder(const TCustomChartAxis &axis, int first, int last) const;
    // The first index after from (which lies in the column) whose point lies in another
    // column, or last + 1.
    int ColumnEnd(int from, int last, int column) const;
    // Takes the steps from row y through the points from ... to, all in the line's current
    // column, into the rows the column sets (top ... bottom), and moves y to the last point's
    // row: the same as taking them one by one. False, with nothing changed, when a Y value is
    // not a number or lies too far out to be turned into pixels in order.
    bool AbsorbColumn(const TCustomChartAxis &axis, int from, int to, int &y, std::int64_t &top,
                      std::int64_t &bottom) const;
};

// A series drawn as one plain line through its points, reaching past the right edge of the
// plot so that the line leaves it at the right slope.
class TFastLineSeries : public TChartSeries {
public:
    TFastLineSeries();
    ~TFastLineSeries() override;

    // Also the colour of the line pen.
    void SetSeriesColor(TColor value) override;
    // Copies the pen and takes its colour as the series colour.
    void SetLinePen(const TChartPen &pen);

    // With AutoRepaint on, the base reaction (OnAfterAdd, then a repaint). With it off, only
    // the segment ending at the new point is drawn onto the picture the chart shows.
    void PointAdded(TChartSeries *sender, int valueIndex) override;

    // Values and pixels exactly as the base class gives them: the merged drawing reads the
    // value lists and converts with the axes directly and must agree with these.
    double XValueOf(int valueIndex) const final { return TChartSeries::XValueOf(valueIndex); }
    double YValueOf(int valueIndex) const final { return TChartSeries::YValueOf(valueIndex); }
    int PointX(int valueIndex) const final { return TChartSeries::PointX(valueIndex); }
    int PointY(int valueIndex) const final { return TChartSeries::PointY(valueIndex); }

    void DrawValues() override { DrawPoints(); }
    // The line through FirstShown ... LastShown. With a plain one-pixel pen on a 32-bit target
    // the pixels of all segments are gathered and filled as few rectangles, the same pixels as
    // drawing point by point; any other pen or target draws point by point.
    void DrawPoints();
    // The same line always drawn point by point with DrawPoint: the reference the merged
    // drawing must match pixel for pixel.
    void DrawPointsPlain();
    // Puts LinePen on the chart canvas, with a clear brush.
    void PreparePen();
    // Draws the part of the line that ends at point valueIndex: from the point before it for
    // the first point shown, else from the last pen position, unless the point lies on that
    // same pixel.
    void DrawPoint(int valueIndex);

    // The point at (x, y), else the first point whose segment to the next point passes
    // through (x, y), among the points drawn by the last paint; -1 for none.
    int HitPoint(int x, int y) const override;
    // Whether p lies on the segment from a to b: within one unit of the line through them
    // and not beyond either end by more than tolerance. Coordinates are 32-bit pixels.
    static bool PointOnSegment(TPoint p, TPoint a, TPoint b, int tolerance);

    bool AutoRepaint = true;
    TChartPen LinePen;
    // Pixel of the last point drawn.
    int LastPenX = 0;
    int LastPenY = 0;
    // Off: DrawPoints draws point by point like DrawPointsPlain (for comparisons).
    bool MergeColumns = true;

    // Working memory of the merged drawing.
    struct TPixelBits;

private:
    void DrawMerged();
    void DrawNewSegment(int valueIndex);

    std::unique_ptr<TPixelBits> pixelBits;
};
