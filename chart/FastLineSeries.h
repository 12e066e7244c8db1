#pragma once

#include "ChartCanvas.h"
#include "ChartPen.h"
#include "ChartSeries.h"

#include <memory>

class TMergedLine;

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

private:
    void DrawMerged();
    void DrawNewSegment(int valueIndex);

    std::unique_ptr<TMergedLine> mergedLine;
};
