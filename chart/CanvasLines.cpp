// How the canvas sets the pixels of lines, rectangles and fills.
#include "ChartCanvas.h"

#include "CanvasOperation.h"
#include "LineWalk.h"

#include <algorithm>
#include <cstdlib>
#include <initializer_list>
#include <utility>

namespace {

// The pixels a patterned one-pixel pen sets: bit k stands for pixel k of every period.
struct TLinePattern {
    std::uint32_t ink = 0;
    int period = 0; // 0: solid
};

constexpr TLinePattern MakePattern(std::initializer_list<int> runs) {
    TLinePattern pattern;
    bool on = true;
    for (int run : runs) {
        for (int k = 0; k < run; ++k, ++pattern.period)
            if (on)
                pattern.ink |= 1u << pattern.period;
        on = !on;
    }
    return pattern;
}

// Qt's own on/off lengths for its dotted and dashed one-pixel pens.
constexpr TLinePattern DotPattern = MakePattern({1, 2});
constexpr TLinePattern DashPattern = MakePattern({4, 2});
constexpr TLinePattern DashDotPattern = MakePattern({4, 2, 1, 2});
constexpr TLinePattern DashDotDotPattern = MakePattern({4, 2, 1, 2, 1, 2});
constexpr TLinePattern AlternatePattern = MakePattern({1, 1});

TLinePattern PatternOf(TPenStyle style) {
    switch (style) {
    case psDot:
        return DotPattern;
    case psDash:
        return DashPattern;
    case psDashDot:
        return DashDotPattern;
    case psDashDotDot:
        return DashDotDotPattern;
    case psAlternate:
        return AlternatePattern;
    case psSolid:
    case psClear:
        break;
    }
    return {};
}

// Fills each point as a whole logical pixel. Where a logical pixel is not one physical pixel
// a point drawn with a pen would cover part of it, or spill into its neighbours; filled cells
// tile the line without gaps or overlaps, which the not-xor pen needs. A point next to a run
// one pixel thick, in line with it, extends the run, so that each straight stretch of the walk
// is one fill.
void FillCells(QPainter &out, const std::vector<QPoint> &points, const QColor &color) {
    QRect run;
    for (const QPoint &point : points) {
        const QRect cell(point, QSize(1, 1));
        const QRect joined = run | cell;
        if (!run.isEmpty() && joined.width() * joined.height() == run.width() * run.height() + 1) {
            run = joined;
            continue;
        }
        if (!run.isEmpty())
            out.fillRect(run, color);
        run = cell;
    }
    if (!run.isEmpty())
        out.fillRect(run, color);
}

// The pixels of an axis-parallel segment from its start up to, not including, its end.
QRect AxisParallelRun(int x0, int y0, int x1, int y1) {
    if (y0 == y1) {
        const int left = x0 < x1 ? x0 : x1 + 1;
        const int right = x0 < x1 ? x1 - 1 : x0;
        return QRect(QPoint(left, y0), QPoint(right, y0));
    }
    const int top = y0 < y1 ? y0 : y1 + 1;
    const int bottom = y0 < y1 ? y1 - 1 : y0;
    return QRect(QPoint(x0, top), QPoint(x0, bottom));
}

// First i in [low, high) for which the monotone predicate holds, or high.
template <typename Predicate>
std::int64_t FirstWhere(std::int64_t low, std::int64_t high, Predicate holds) {
    while (low < high) {
        const std::int64_t middle = low + (high - low) / 2;
        if (holds(middle))
            high = middle;
        else
            low = middle + 1;
    }
    return low;
}

} // namespace

void TChartCanvas::StrokeSegment(QPainter &out, int x0, int y0, int x1, int y1, bool thin,
                                 std::int64_t &phase) {
    const std::int64_t dx = std::int64_t(x1) - x0;
    const std::int64_t dy = std::int64_t(y1) - y0;
    const std::int64_t length = std::max(std::abs(dx), std::abs(dy));
    if (length == 0 || pen.Style == psClear)
        return;
    const std::int64_t startPhase = std::exchange(phase, phase + length);
    const TLinePattern pattern = PatternOf(pen.Style);
    const bool axisParallel = dx == 0 || dy == 0;
    const int width = thin ? 1 : std::max(1, pen.Width);
    SelectComposition(out, PenComposition());

    if (pattern.period == 0 && axisParallel) {
        // A wide pen grows the run to both sides, one more pixel up or left when even.
        QRect run = AxisParallelRun(x0, y0, x1, y1);
        const int before = width / 2;
        const int after = width - 1 - before;
        if (dy == 0)
            run.adjust(0, -before, 0, after);
        else
            run.adjust(-before, 0, after, 0);
        FillPixels(out, run, pen.Color);
        return;
    }
    if (width > 1) {
        SelectBackground(out, backgroundMode);
        SelectPen(out, TPainterPen::Wide);
        out.drawLine(x0, y0, x1, y1);
        return;
    }

    // One pixel per step along the longer axis; the other coordinate is rounded to the
    // nearest pixel. Only the steps inside the visible area are walked, so a line running
    // far off the target costs no more than its visible part.
    const QRect area = VisibleArea();
    if (area.isEmpty())
        return;
    const TLineWalk walk(x0, y0, dx, dy);
    const bool alongX = walk.alongX;
    const std::int64_t majorLow = alongX ? area.left() : area.top();
    const std::int64_t majorHigh = alongX ? area.right() : area.bottom();
    const std::int64_t minorLow = alongX ? area.top() : area.left();
    const std::int64_t minorHigh = alongX ? area.bottom() : area.right();
    // Products of two steps fit 64 bits on any target a screen shows; longer lines need 128.
    const bool narrow = length < (std::int64_t(1) << 30);
    auto minorOffset = [&](std::int64_t i) -> std::int64_t {
        if (walk.span == 0)
            return 0;
        if (narrow)
            return (2 * i * walk.span + length) / (2 * length);
        return std::int64_t((__int128(2) * i * walk.span + length) / (2 * __int128(length)));
    };

    std::int64_t first = 0;
    std::int64_t last = length - 1;
    walk.KeepMajor(majorLow, majorHigh, first, last);
    if (first > last)
        return;
    const std::int64_t lowOffset = walk.LowestOffset(minorLow, minorHigh);
    const std::int64_t highOffset = walk.HighestOffset(minorLow, minorHigh);
    const std::int64_t end = last + 1;
    first = FirstWhere(first, end, [&](std::int64_t i) { return minorOffset(i) >= lowOffset; });
    last = FirstWhere(first, end, [&](std::int64_t i) { return minorOffset(i) > highOffset; }) - 1;

    const bool fillGaps = backgroundMode == Qt::OpaqueMode;
    auto inks = [&](std::int64_t i) {
        return pattern.period == 0 || (pattern.ink >> ((startPhase + i) % pattern.period)) & 1u;
    };
    auto pointAt = [&](std::int64_t i) {
        const int major = int(walk.major0 + walk.majorStep * i);
        const int minor = int(walk.minor0 + walk.minorStep * minorOffset(i));
        return alongX ? QPoint(major, minor) : QPoint(minor, major);
    };
    // A copying pen sets its opaque colour as it is: straight into a 32-bit image, the steps
    // being inside the visible area already.
    QRect writable;
    qsizetype pixelsPerLine = 0;
    QRgb *pixels = pen.Mode == pmCopy ? PixelsToSet(writable, pixelsPerLine) : nullptr;
    if (pixels) {
        const QRgb ink = ToQColor(pen.Color).rgb();
        const QRgb gap = ToQColor(backgroundColor).rgb();
        for (std::int64_t i = first; i <= last; ++i) {
            const bool inked = inks(i);
            if (inked || fillGaps) {
                const QPoint point = pointAt(i);
                pixels[point.y() * pixelsPerLine + point.x()] = inked ? ink : gap;
            }
        }
        return;
    }
    inkPoints.clear();
    gapPoints.clear();
    for (std::int64_t i = first; i <= last; ++i) {
        if (inks(i))
            inkPoints.push_back(pointAt(i));
        else if (fillGaps)
            gapPoints.push_back(pointAt(i));
    }
    if (!wholePixels) {
        FillCells(out, inkPoints, ToQColor(pen.Color));
        FillCells(out, gapPoints, ToQColor(backgroundColor));
        return;
    }
    if (!inkPoints.empty()) {
        SelectPen(out, TPainterPen::Ink);
        out.drawPoints(inkPoints.data(), int(inkPoints.size()));
    }
    if (!gapPoints.empty()) {
        SelectPen(out, TPainterPen::Gap);
        out.drawPoints(gapPoints.data(), int(gapPoints.size()));
    }
}

void TChartCanvas::MovePen(int x, int y) {
    penPosition = {x, y};
    patternPhase = 0;
}

void TChartCanvas::StrokeTo(int x, int y) {
    {
        TOperation operation(*this);
        if (operation.painter)
            StrokeSegment(*operation.painter, penPosition.X, penPosition.Y, x, y, false,
                          patternPhase);
    }
    penPosition = {x, y};
}

void TChartCanvas::StrokePolyline(const TPoint *points, int count) {
    TOperation operation(*this);
    if (!operation.painter)
        return;
    std::int64_t phase = 0;
    for (int k = 1; k < count; ++k)
        StrokeSegment(*operation.painter, points[k - 1].X, points[k - 1].Y, points[k].X,
                      points[k].Y, false, phase);
}

// One pixel wide ring along the border of `ring`, every pixel set exactly once so that a
// not-xor pen leaves no gaps at the corners.
void TChartCanvas::StrokeRing(QPainter &out, const QRect &ring) {
    std::int64_t phase = 0;
    const int left = ring.left();
    const int top = ring.top();
    const int right = ring.right();
    const int bottom = ring.bottom();
    if (left == right || top == bottom) {
        StrokeSegment(out, left, top, left == right ? left : right + 1,
                      left == right ? bottom + 1 : top, true, phase);
        return;
    }
    StrokeSegment(out, left, top, right, top, true, phase);
    StrokeSegment(out, right, top, right, bottom, true, phase);
    StrokeSegment(out, right, bottom, left, bottom, true, phase);
    StrokeSegment(out, left, bottom, left, top, true, phase);
}

void TChartCanvas::DrawFramedRect(int left, int top, int right, int bottom) {
    if (left > right)
        std::swap(left, right);
    if (top > bottom)
        std::swap(top, bottom);
    TOperation operation(*this);
    if (!operation.painter)
        return;
    QPainter &out = *operation.painter;
    // A wide outline stays inside the rectangle, so that the whole figure always covers
    // exactly Left..Right-1 and Top..Bottom-1.
    const bool outlined = pen.Style != psClear;
    const int width = std::max(1, pen.Width);
    const int inset = outlined ? width : 0;
    if (brush.Style == bsSolid) {
        const QRect inside = PixelsOf(left + inset, top + inset, right - inset, bottom - inset);
        if (!inside.isEmpty()) {
            SelectComposition(out, PenComposition());
            FillPixels(out, inside, brush.Color);
        }
    }
    if (!outlined)
        return;
    for (int k = 0; k < width; ++k) {
        const QRect ring = PixelsOf(left + k, top + k, right - k, bottom - k);
        if (ring.isEmpty())
            break;
        StrokeRing(out, ring);
    }
}

void TChartCanvas::FillWithBrush(const TRect &rect) {
    const QRect pixels = PixelsOf(rect.Left, rect.Top, rect.Right, rect.Bottom);
    if (brush.Style != bsSolid || pixels.isEmpty())
        return;
    TOperation operation(*this);
    if (!operation.painter)
        return;
    SelectComposition(*operation.painter, QPainter::CompositionMode_SourceOver);
    FillPixels(*operation.painter, pixels, brush.Color);
}

void TChartCanvas::FillPixels(QPainter &out, const QRect &rect, TColor color) {
    const QRect visible = rect.intersected(VisibleArea());
    if (visible.isEmpty())
        return;
    // An opaque colour laid over the pixels replaces them: set straight on a 32-bit image,
    // where the painter's own preparation would cost more than the pixels (ticks, frames).
    constexpr qsizetype FewPixels = 4096;
    QRect writable;
    qsizetype pixelsPerLine = 0;
    QRgb *pixels = selectedComposition == QPainter::CompositionMode_SourceOver &&
                           qsizetype(visible.width()) * visible.height() <= FewPixels
                       ? PixelsToSet(writable, pixelsPerLine)
                       : nullptr;
    if (!pixels) {
        out.fillRect(visible, ToQColor(color));
        return;
    }
    const QRgb value = ToQColor(color).rgb();
    for (int row = visible.top(); row <= visible.bottom(); ++row)
        std::fill_n(pixels + row * pixelsPerLine + visible.left(), visible.width(), value);
}
