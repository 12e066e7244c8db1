// The merged line drawing of the fast line series.
#include "MergedLine.h"

#include "AxisMap.h"
#include "RunPainter.h"
#include "ValueExtremes.h"

#include <QImage>
#include <algorithm>
#include <cstdint>
#include <memory>
#include <vector>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// As RoundToWhole, in one instruction where there is one: the conversion of every point.
std::int64_t RoundFast(double v) {
#if defined(__SSE2__)
    return _mm_cvtsd_si64(_mm_set_sd(v));
#else
    return RoundToWhole(v);
#endif
}

using TPixels = TAxisPixels<RoundFast>;

// Whether the target keeps any opaque colour as it is, however Qt draws it.
bool HoldsColoursExactly(const QPaintDevice *target) {
    if (!target)
        return true; // draws nothing at all
    if (target->devType() == QInternal::Image) {
        const QImage::Format format = static_cast<const QImage *>(target)->format();
        return format == QImage::Format_RGB32 || format == QImage::Format_ARGB32 ||
               format == QImage::Format_ARGB32_Premultiplied;
    }
    // Raster pixmaps and window backing stores of 32 bits are images of those formats.
    return (target->devType() == QInternal::Pixmap || target->devType() == QInternal::Widget) &&
           target->depth() == 32;
}

} // namespace

TMergedLine::TMergedLine() = default;
TMergedLine::~TMergedLine() = default;

bool TMergedLine::Mergeable(const TCanvasPen &pen, const QPaintDevice *target) {
    // Patterned pens (the pattern runs on along the polyline), wide and not-xor ones do not
    // qualify. Nor do targets other than 32-bit colour ones: on those Qt may turn the colour
    // into a slightly different pixel value when it fills a rectangle than when it sets points.
    return pen.Style == psSolid && pen.Mode == pmCopy && pen.Width <= 1 &&
           HoldsColoursExactly(target);
}

namespace {

// Reads a series' points a pixel column at a time.
struct TColumnReader {
    const TPixels &toX;
    const TPixels &toY;
    const double *xs;
    const double *ys;
    double xMultiplier;
    double yMultiplier;
    bool xsAscending;

    // Whether the X values first ... last are numbers in ascending order that the axis turns
    // into pixels in order, so that each pixel column holds one run of points.
    bool ColumnsInOrder(const TAxisMap &axis, int first, int last) const;
    // The first index after from (which lies in the column) whose point lies in another
    // column, or last + 1.
    int ColumnEnd(int from, int last, int column) const;
    // Takes the steps from row y through the points from ... to, all in the line's current
    // column, into the rows the column sets (top ... bottom), and moves y to the last point's
    // row: the same as taking them one by one. False, with nothing changed, when a Y value is
    // not a number or lies too far out to be turned into pixels in order.
    // `all` are the extremes of the raw Y values from ... to.
    bool AbsorbColumn(const TAxisMap &axis, int from, int to, const TValueExtremes &all, int &y,
                      std::int64_t &top, std::int64_t &bottom) const;
};

// Whether an axis turns values into pixels in order (never going back): true unless the value
// lies so far out, or is so far from a number, that the axis puts it at its centre instead.
bool InOrderOnAxis(const TAxisMap &axis, double value) {
    if (axis.WorkRange() == 0)
        return true; // every value at the centre: in order too
    if (axis.Logarithmic)
        return false; // values at or below zero go to the centre

    return std::fabs((value - axis.WorkMin) * axis.PixelSize() / axis.WorkRange()) < 2147483647.0;
}

bool TColumnReader::ColumnsInOrder(const TAxisMap &axis, int first, int last) const {
    if (!(xMultiplier > 0))
        return false;
    // Every value a number and none below the one before it: known for the whole list, or
    // looked at for the points drawn.
    bool ordered = xsAscending;
    if (!ordered) {
        ordered = true;
        for (int k = first; k < last; ++k)
            ordered &= xs[k] <= xs[k + 1];
    }
    return ordered && std::isfinite(xs[first]) && std::isfinite(xs[last]) &&
           InOrderOnAxis(axis, xs[first] * xMultiplier) &&
           InOrderOnAxis(axis, xs[last] * xMultiplier);
}

int TColumnReader::ColumnEnd(int from, int last, int column) const {
    // Gallop, then bisect: the points of one column lie side by side.
    int inside = from;
    std::int64_t stride = 1;
    while (inside + stride <= last && toX(xs[inside + stride] * xMultiplier) == column) {
        inside += int(stride);
        stride *= 2;
    }
    int outside = int(std::min<std::int64_t>(inside + stride, std::int64_t(last) + 1));
    while (outside - inside > 1) {
        const int middle = inside + (outside - inside) / 2;
        if (toX(xs[middle] * xMultiplier) == column)
            inside = middle;
        else
            outside = middle;
    }
    return outside;
}

bool TColumnReader::AbsorbColumn(const TAxisMap &axis, int from, int to, const TValueExtremes &all,
                                 int &y, std::int64_t &top, std::int64_t &bottom) const {
    const auto spread = [this](const TValueExtremes &found, double &low, double &high) {
        low = std::min(found.Lowest * yMultiplier, found.Highest * yMultiplier);
        high = std::max(found.Lowest * yMultiplier, found.Highest * yMultiplier);
        return found.Numbers;
    };
    const auto extremes = [&](int a, int b, double &low, double &high) {
        return spread(FindExtremes(ys + a, std::size_t(b - a) + 1), low, high);
    };
    double low = 0;
    double high = 0;
    if (!spread(all, low, high) || !InOrderOnAxis(axis, low) || !InOrderOnAxis(axis, high))
        return false;
    // The last point's row, and the last point before it on another row: the steps start on
    // every row visited up to that point and end on the last row, which is set only when an
    // earlier step passed it.
    const int lastRow = toY(ys[to] * yMultiplier);
    int differs = to - 1;
    while (differs >= from && toY(ys[differs] * yMultiplier) == lastRow)
        --differs;
    std::int64_t startsTop = y;
    std::int64_t startsBottom = y;
    if (differs >= from) {
        // The points before the last row's reach the column's extreme rows, unless one of those
        // is the last row: only then are they read again.
        int a = toY(low);
        int b = toY(high);
        if (a == lastRow || b == lastRow) {
            extremes(from, differs, low, high);
            a = toY(low);
            b = toY(high);
        }
        startsTop = std::min<std::int64_t>({startsTop, a, b});
        startsBottom = std::max<std::int64_t>({startsBottom, a, b});
    } else if (y == lastRow) {
        return true; // every point on the row the line is already on: no step
    }
    top = std::min(top, std::min(startsTop, std::int64_t(lastRow) + 1));
    bottom = std::max(bottom, std::max(startsBottom, std::int64_t(lastRow) - 1));
    y = lastRow;
    return true;
}

} // namespace

// The runs of points sharing a pixel column that the last paint found, with the extremes of
// their Y values. They follow from the values and the horizontal axis alone, so a paint that
// moves only the vertical axis (a wheel scroll) finds them again without reading the values.
struct TMergedLine::TColumns {
    struct TRun {
        int From;
        int End; // the first point after the run
        TValueExtremes Extremes;
    };
    struct TKey {
        TAxisMap Horizontal;
        const double *Xs = nullptr;
        const double *Ys = nullptr;
        double XMultiplier = 0;
        double YMultiplier = 0;
        std::uint64_t Changes = 0;
        int First = 0;
        int Last = 0;
        bool operator==(const TKey &) const = default;
    };
    // A picture has a few thousand columns; more runs than this come from columns broken up
    // by values that are not numbers, and are not kept.
    static constexpr std::size_t MostRuns = 1 << 16;

    TKey Key;
    bool Complete = false;
    std::vector<TRun> Runs; // by From
};

// See TRunPainter.
TPoint TMergedLine::Draw(TChartCanvas3D &canvas, const TAxisMap &horizontal,
                         const TAxisMap &vertical, const TLineValues &values, int first, int last,
                         const TPoint *entry) {
    const TPixels toX(horizontal, true);
    const TPixels toY(vertical, false);
    if (!memory)
        memory = std::make_unique<TRunMemory>();
    const QSize size = canvas.TargetSize();
    TRunPainter runs(canvas, TRect{0, 0, size.width(), size.height()}, *memory);

    const double *xs = values.Xs;
    const double *ys = values.Ys;
    const double xMultiplier = values.XMultiplier;
    const double yMultiplier = values.YMultiplier;
    int i = first;
    int x = toX(xs[i] * xMultiplier);
    int y = toY(ys[i] * yMultiplier);
    if (entry)
        runs.Segment(entry->X, entry->Y, x, y);
    // The rows set by the steps since the line entered column x: each step sets its start row
    // up to its end row, excluded, and starts where the one before ended, so together they set
    // every row from the lowest to the highest they reach. Kept without branches on the
    // direction of the steps, which is as random as the data.
    constexpr std::int64_t noRow = std::int64_t(1) << 40;
    std::int64_t chainTop = noRow;
    std::int64_t chainBottom = -noRow;
    const auto step = [&](int nextX, int nextY) {
        if (nextX == x) {
            if (nextY == y)
                return;
            chainTop = std::min(chainTop, std::min<std::int64_t>(y, nextY + std::int64_t(1)));
            chainBottom = std::max(chainBottom, std::max<std::int64_t>(y, nextY - std::int64_t(1)));
        } else {
            if (chainTop <= chainBottom) {
                runs.Vertical(x, chainTop, chainBottom);
                chainTop = noRow;
                chainBottom = -noRow;
            }
            runs.Segment(x, y, nextX, nextY);
        }
        x = nextX;
        y = nextY;
    };

    // With ascending X every pixel column holds one run of points, found by bisection; the
    // rows a run sets follow from the extremes of its values (see AbsorbColumn).
    const TColumnReader reader{toX, toY, xs, ys, xMultiplier, yMultiplier, values.XsAscending};
    const bool byColumns = reader.ColumnsInOrder(horizontal, first, last);
    constexpr int shortestRun = 8;

    if (!columns)
        columns = std::make_unique<TColumns>();
    const TColumns::TKey key{horizontal,     xs,    ys,  xMultiplier, yMultiplier,
                             values.Changes, first, last};
    const bool known = columns->Complete && columns->Key == key;
    if (!known) {
        columns->Key = key;
        columns->Runs.clear();
    }
    std::size_t knownRun = 0;
    // The run of points from `from` on in column x: as found before, or found now.
    const auto runFrom = [&](int from) {
        std::vector<TColumns::TRun> &runs = columns->Runs;
        if (known) {
            while (knownRun < runs.size() && runs[knownRun].From < from)
                ++knownRun;
            if (knownRun < runs.size() && runs[knownRun].From == from)
                return runs[knownRun];
        }
        TColumns::TRun run{from, reader.ColumnEnd(from, last, x), {0, 0, false}};
        // Only runs long enough to be read as a whole are kept: finding a short one again
        // costs less than keeping it.
        if (run.End - from < shortestRun)
            return run;
        run.Extremes = FindExtremes(ys + from, std::size_t(run.End - from));
        if (!known && runs.size() < TColumns::MostRuns)
            runs.push_back(run);
        return run;
    };

    int next = i + 1;
    while (next <= last) {
        const int nextX = toX(xs[next] * xMultiplier);
        if (byColumns && nextX == x) {
            const TColumns::TRun run = runFrom(next);
            if (run.End - next >= shortestRun &&
                reader.AbsorbColumn(vertical, next, run.End - 1, run.Extremes, y, chainTop,
                                    chainBottom)) {
                next = run.End;
                continue;
            }
        }
        step(nextX, toY(ys[next] * yMultiplier));
        ++next;
    }
    if (!known)
        columns->Complete = columns->Runs.size() < TColumns::MostRuns;
    if (chainTop <= chainBottom)
        runs.Vertical(x, chainTop, chainBottom);
    runs.Finish();
    canvas.MoveToPoint(x, y);
    return {x, y};
}
