#include "FastLineSeries.h"

#include "AxisPanel.h"
#include "MergedLine.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <memory>

TFastLineSeries::TFastLineSeries() {
    KeepPointBeyondEnd = true;
    LinePen.OnChange = [this] { RequestRepaint(); };
}

TFastLineSeries::~TFastLineSeries() = default;

void TFastLineSeries::SetSeriesColor(TColor value) {
    TChartSeries::SetSeriesColor(value);
    LinePen.SetColor(value);
}

void TFastLineSeries::SetLinePen(const TChartPen &pen) {
    LinePen.Assign(pen);
    SetSeriesColor(pen.Color());
}

void TFastLineSeries::PointAdded(TChartSeries *sender, int valueIndex) {
    if (AutoRepaint)
        TChartSeries::PointAdded(sender, valueIndex);
    else
        DrawNewSegment(valueIndex);
}

// Drawn as it would be on the window outside a paint: unclipped, onto the picture the window
// shows. Without an up-to-date picture the full paint that is due draws the point with the rest.
void TFastLineSeries::DrawNewSegment(int valueIndex) {
    TCustomAxisPanel *chart = ParentChart();
    if (!chart)
        return;
    chart->DrawOnPicture([this, chart, valueIndex] {
        PreparePen();
        const int from = valueIndex > 0 ? valueIndex - 1 : 0;
        chart->Canvas.MoveToPoint(PointX(from), PointY(from));
        DrawPoint(valueIndex);
    });
}

void TFastLineSeries::PreparePen() {
    TChartCanvas3D &canvas = ParentChart()->Canvas;
    canvas.UsePen(LinePen);
    canvas.Brush().Style = bsClear;
}

void TFastLineSeries::DrawPoint(int valueIndex) {
    TChartCanvas3D &canvas = ParentChart()->Canvas;
    const int x = PointX(valueIndex);
    const int y = PointY(valueIndex);
    if (valueIndex == FirstShown) {
        // The segment coming in from the point before the shown range; the clip cuts it at
        // the edge of the plot.
        if (valueIndex > 0)
            canvas.DrawLine(PointX(valueIndex - 1), PointY(valueIndex - 1), x, y);
        else
            canvas.MoveToPoint(x, y);
    } else {
        if (x == LastPenX && y == LastPenY)
            return;
        canvas.LineToPoint(x, y);
    }
    LastPenX = x;
    LastPenY = y;
}

void TFastLineSeries::DrawPointsPlain() {
    if (!ParentChart() || FirstShown == -1)
        return;
    PreparePen();
    for (int i = FirstShown; i <= LastShown; ++i)
        DrawPoint(i);
}

void TFastLineSeries::DrawPoints() {
    if (!ParentChart() || FirstShown == -1)
        return;
    PreparePen();
    TChartCanvas3D &canvas = ParentChart()->Canvas;
    if (MergeColumns && ActualHorizAxis() && ActualVertAxis() &&
        TMergedLine::Mergeable(canvas.Pen(), canvas.Target())) {
        DrawMerged();
        return;
    }
    for (int i = FirstShown; i <= LastShown; ++i)
        DrawPoint(i);
}

// Read straight from the lists: ValueAt checks every index, which the merged line need not.
void TFastLineSeries::DrawMerged() {
    if (!mergedLine)
        mergedLine = std::make_unique<TMergedLine>();
    const TLineValues values{XValues.RawValues(),    YValues.RawValues(),
                             XValues.Multiplier(),   YValues.Multiplier(),
                             XValues.RawAscending(), XValues.Changes() + YValues.Changes()};
    const TPoint entry{FirstShown > 0 ? PointX(FirstShown - 1) : 0,
                       FirstShown > 0 ? PointY(FirstShown - 1) : 0};
    const TPoint end =
        mergedLine->Draw(ParentChart()->Canvas, ActualHorizAxis()->Map(), ActualVertAxis()->Map(),
                         values, FirstShown, LastShown, FirstShown > 0 ? &entry : nullptr);
    LastPenX = end.X;
    LastPenY = end.Y;
}

int TFastLineSeries::HitPoint(int x, int y) const {
    if (FirstShown == -1 || LastShown == -1)
        return -1;
    // Points removed since the last paint are no longer there to hit.
    const int last = std::min(LastShown, PointCount() - 1);
    const TPoint p{x, y};
    TPoint previous{0, 0};
    for (int i = FirstShown; i <= last; ++i) {
        const TPoint point{PointX(i), PointY(i)};
        if (point == p)
            return i;
        if (i > FirstShown && PointOnSegment(p, point, previous, 0))
            return i - 1;
        previous = point;
    }
    return -1;
}

// The rules are those of 32-bit integer arithmetic. Differences of 32-bit coordinates and their
// sums with the tolerance are taken in 64 bits and the cross product in 128, so that nothing
// overflows: wherever the 32-bit arithmetic does not overflow the answers are the same, and
// for coordinates so far apart that it would, the answer is the exact one instead of one from
// wrapped-around numbers.
bool TFastLineSeries::PointOnSegment(TPoint p, TPoint a, TPoint b, int tolerance) {
    using Wide = std::int64_t;
    const Wide t = tolerance;
    const Wide ax = a.X, ay = a.Y, bx = b.X, by = b.Y, px = p.X, py = p.Y;

    // Not within one unit of the line through a and b (never when a and b coincide).
    const __int128 cross = __int128(by - ay) * (px - ax) - __int128(py - ay) * (bx - ax);
    const __int128 reach = std::max(std::abs(bx - ax), std::abs(by - ay));
    if ((cross < 0 ? -cross : cross) >= reach)
        return false;
    // Beyond a, away from b.
    if ((bx + t < ax && ax + t < px) || (by + t < ay && ay + t < py))
        return false;
    if ((px + t < ax && ax + t < bx) || (py + t < ay && ay + t < by))
        return false;
    // Beyond b, away from a.
    if ((ax + t < bx && bx + t < px) || (ay + t < by && by + t < py))
        return false;
    if ((px + t < bx && bx + t < ax) || (py + t < by && by + t < ay))
        return false;
    return true;
}
