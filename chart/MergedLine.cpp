// The merged line drawing of the fast line series.
#include "MergedLine.h"

#include "AxisMap.h"
#include "LineWalk.h"

#include <QImage>
#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstdlib>
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

} // namespace

namespace {

// Whether a one-pixel segment lies wholly beyond one side of the area (Right and Bottom
// excluded). Every pixel of such a segment lies within the box its two ends span, so it
// would set nothing there.
bool Outside(const TRect &area, int x0, int y0, int x1, int y1) {
    return std::max(x0, x1) < area.Left || std::min(x0, x1) >= area.Right ||
           std::max(y0, y1) < area.Top || std::min(y0, y1) >= area.Bottom;
}

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

// A run of pixels on consecutive rows, not yet filled.
struct TOpenRun {
    int Left;
    int Right; // included
    int Top;   // the first row, counted from the top of the target
};

// A vertical run starting (+1) or having ended (-1) on a row.
struct TColumnEvent {
    int Row;
    int Column;
    int Change;
};

} // namespace

// Working memory of the merged drawing, kept from paint to paint.
struct TMergedLine::TPixelBits {
    std::vector<std::uint64_t> Words; // a bit per pixel of the horizontal runs, row by row
    std::vector<TColumnEvent> Events; // the vertical runs, as they start and end
    std::vector<TColumnEvent> Sorted;
    std::vector<int> RowStarts;
    std::vector<int> Depth;            // vertical runs covering each column on the current row
    std::vector<std::uint64_t> Active; // the columns covered
    std::vector<std::uint64_t> Row;
    std::vector<std::uint64_t> Previous;
    std::vector<TOpenRun> Open;
    std::vector<TOpenRun> Next;
};

namespace {

// Draws a polyline of one-pixel solid segments in one opaque colour through the canvas, with
// the same pixels as drawing each segment with DrawLine, but with far fewer drawing calls.
//
// Such a segment sets one pixel per step along its longer axis: step i (0 <= i < length, the
// end excluded) lies i steps along it and round-half-up(i * span / length) steps across it,
// span being the extent across. Grouping the steps by their offset across turns the segment
// into runs parallel to its longer axis. Runs outside the target are left out, since nothing
// shows there. The runs are gathered (horizontal ones as a bit per pixel of the target, vertical
// ones as the rows they start and end on); at the end the pixels set are cut into rectangles
// (the runs along each row, one rectangle for the same run on consecutive rows) and the canvas
// fills those in the pen's colour, clipped as its lines are. As the
// pixels are all of one colour and the pen copies, neither their order nor overlaps matter: the
// picture is the same. Nearly diagonal segments, whose runs are a pixel or two long, are drawn
// by the canvas directly; so is everything on a target too large for the pixel bits.
class TRunPainter {
public:
    TRunPainter(TChartCanvas3D &canvas, const TRect &area, TMergedLine::TPixelBits &bits)
        : canvas(canvas), area(area), bits(bits) {
        const std::int64_t width = std::max(0, area.Width());
        const std::int64_t height = std::max(0, area.Height());
        gathered = width * height <= MostGatheredPixels;
        if (gathered) {
            wordsPerRow = int((width + 63) / 64);
            bits.Words.assign(std::size_t(wordsPerRow * height), 0);
            bits.Events.clear();
        }
    }

    // The pixels DrawLine(x0, y0, x1, y1) would set.
    void Segment(int x0, int y0, int x1, int y1) {
        if (Outside(area, x0, y0, x1, y1) || (x0 == x1 && y0 == y1))
            return;
        const std::int64_t dx = std::int64_t(x1) - x0;
        const std::int64_t dy = std::int64_t(y1) - y0;
        if (dx == 0) {
            Vertical(x0, dy > 0 ? y0 : y1 + std::int64_t(1), dy > 0 ? y1 - std::int64_t(1) : y0);
            return;
        }
        if (dy == 0) {
            Horizontal(y0, dx > 0 ? x0 : x1 + std::int64_t(1), dx > 0 ? x1 - std::int64_t(1) : x0);
            return;
        }
        const std::int64_t length = std::max(std::abs(dx), std::abs(dy));
        if (length < (std::int64_t(1) << 29))
            Sloped<std::int64_t>(x0, y0, dx, dy);
        else
            Sloped<__int128>(x0, y0, dx, dy);
    }

    // Rows top ... bottom of column x.
    void Vertical(int x, std::int64_t top, std::int64_t bottom) {
        top = std::max<std::int64_t>(top, area.Top);
        bottom = std::min<std::int64_t>(bottom, area.Bottom - 1);
        if (x < area.Left || x >= area.Right || top > bottom)
            return;
        if (!gathered) {
            canvas.DrawLine(x, int(top), x, int(bottom) + 1);
            return;
        }
        const int column = x - area.Left;
        bits.Events.push_back({int(top - area.Top), column, 1});
        bits.Events.push_back({int(bottom - area.Top) + 1, column, -1});
    }

    // Fills the rectangles of the pixels gathered.
    void Finish() {
        if (!gathered || bits.Words.empty())
            return;
        const int height = area.Height();
        const std::size_t words = std::size_t(wordsPerRow);
        // The vertical runs, sorted by the row they start or end on.
        bits.RowStarts.assign(std::size_t(height) + 2, 0);
        for (const TColumnEvent &event : bits.Events)
            ++bits.RowStarts[std::size_t(event.Row) + 1];
        for (std::size_t row = 1; row < bits.RowStarts.size(); ++row)
            bits.RowStarts[row] += bits.RowStarts[row - 1];
        bits.Sorted.resize(bits.Events.size());
        {
            std::vector<int> &at = bits.Depth; // borrowed as the write positions
            at.assign(bits.RowStarts.begin(), bits.RowStarts.end());
            for (const TColumnEvent &event : bits.Events)
                bits.Sorted[std::size_t(at[std::size_t(event.Row)]++)] = event;
        }
        bits.Depth.assign(std::size_t(area.Width()), 0);
        bits.Active.assign(words, 0);
        bits.Row.assign(words, 0);
        bits.Previous.assign(words, 0);

        TCanvasBrush &brush = canvas.Brush();
        const TCanvasBrush saved = brush;
        brush.Color = canvas.Pen().Color;
        brush.Style = bsSolid;
        std::vector<TOpenRun> &open = bits.Open;
        std::vector<TOpenRun> &next = bits.Next;
        open.clear();
        for (int row = 0; row <= height; ++row) {
            for (int k = bits.RowStarts[std::size_t(row)]; k < bits.RowStarts[std::size_t(row) + 1];
                 ++k) {
                const TColumnEvent &event = bits.Sorted[std::size_t(k)];
                int &depth = bits.Depth[std::size_t(event.Column)];
                depth += event.Change;
                const std::uint64_t bit = std::uint64_t(1) << (event.Column % 64);
                std::uint64_t &word = bits.Active[std::size_t(event.Column / 64)];
                word = depth > 0 ? word | bit : word & ~bit;
            }
            if (row < height) {
                const std::uint64_t *horizontal = &bits.Words[std::size_t(row) * words];
                for (std::size_t w = 0; w < words; ++w)
                    bits.Row[w] = bits.Active[w] | horizontal[w];
                // A row like the one above continues every rectangle.
                if (row > 0 && bits.Row == bits.Previous)
                    continue;
            }
            next.clear();
            std::size_t k = 0;
            const auto take = [&](int left, int right) {
                while (k < open.size() && open[k].Left < left)
                    Fill(open[k++], row);
                if (k < open.size() && open[k].Left == left && open[k].Right == right)
                    next.push_back(open[k++]);
                else
                    next.push_back({left, right, row});
            };
            if (row < height)
                RunsOf(bits.Row.data(), take);
            while (k < open.size())
                Fill(open[k++], row);
            open.swap(next);
            bits.Previous.swap(bits.Row);
        }
        brush = saved;
    }

private:
    // W holds products of a length with twice an offset.
    template <typename W> void Sloped(int x0, int y0, std::int64_t dx, std::int64_t dy) {
        const TLineWalk walk(x0, y0, dx, dy);
        const auto [alongX, length, span, major0, minor0, majorStep, minorStep] = walk;
        const std::int64_t minorLow = alongX ? area.Top : area.Left;
        const std::int64_t minorHigh = (alongX ? area.Bottom : area.Right) - 1;

        // The steps inside the area along the longer axis.
        std::int64_t first = 0;
        std::int64_t last = length - 1;
        walk.KeepMajor(alongX ? area.Left : area.Top, (alongX ? area.Right : area.Bottom) - 1,
                       first, last);
        if (first > last)
            return;
        // The offset across of step i, and the first step with offset m or more.
        const auto offsetOf = [&](std::int64_t i) {
            return std::int64_t((W(2) * i * span + length) / (W(2) * length));
        };
        const auto firstStepOf = [&](std::int64_t m) {
            if (m <= 0)
                return std::int64_t(0);
            const W numerator = (W(2) * m - 1) * length;
            const W denominator = W(2) * span;
            return std::int64_t((numerator + denominator - 1) / denominator);
        };
        std::int64_t mFirst = offsetOf(first);
        std::int64_t mLast = offsetOf(last);
        mFirst = std::max(mFirst, walk.LowestOffset(minorLow, minorHigh));
        mLast = std::min(mLast, walk.HighestOffset(minorLow, minorHigh));
        if (mFirst > mLast)
            return;
        // Nearly diagonal lines have runs of a pixel or two: the canvas draws those as fast.
        const std::int64_t runs = mLast - mFirst + 1;
        if (runs > 8 && runs * 4 > last - first + 1) {
            canvas.DrawLine(x0, y0, int(x0 + dx), int(y0 + dy));
            return;
        }
        std::int64_t start = std::max(first, firstStepOf(mFirst));
        for (std::int64_t m = mFirst; m <= mLast; ++m) {
            const std::int64_t next = firstStepOf(m + 1);
            const std::int64_t end = std::min(last, next - 1);
            if (start <= end) {
                const std::int64_t minor = minor0 + minorStep * m;
                const std::int64_t a = major0 + majorStep * start;
                const std::int64_t b = major0 + majorStep * end;
                if (alongX)
                    Horizontal(int(minor), std::min(a, b), std::max(a, b));
                else
                    Vertical(int(minor), std::min(a, b), std::max(a, b));
            }
            start = std::max(first, next);
        }
    }

    void Horizontal(int y, std::int64_t left, std::int64_t right) {
        left = std::max<std::int64_t>(left, area.Left);
        right = std::min<std::int64_t>(right, area.Right - 1);
        if (y < area.Top || y >= area.Bottom || left > right)
            return;
        if (!gathered) {
            canvas.DrawLine(int(left), y, int(right) + 1, y);
            return;
        }
        std::uint64_t *row = &bits.Words[std::size_t(y - area.Top) * std::size_t(wordsPerRow)];
        const std::int64_t first = left - area.Left;
        const std::int64_t last = right - area.Left;
        for (std::int64_t w = first / 64; w <= last / 64; ++w) {
            const int from = w == first / 64 ? int(first % 64) : 0;
            const int to = w == last / 64 ? int(last % 64) : 63;
            const std::uint64_t upTo =
                to == 63 ? ~std::uint64_t(0) : (std::uint64_t(1) << (to + 1)) - 1;
            row[w] |= upTo & ~((std::uint64_t(1) << from) - 1);
        }
    }

    // Calls take(left, right) for each run of set bits in a row, left to right, in columns of
    // the target.
    template <typename Take> void RunsOf(const std::uint64_t *words, Take &&take) const {
        int w = 0;
        int bit = 0;
        const auto nextSet = [&] {
            for (; w < wordsPerRow; ++w, bit = 0) {
                const std::uint64_t rest = words[w] & (~std::uint64_t(0) << bit);
                if (rest) {
                    bit = std::countr_zero(rest);
                    return true;
                }
            }
            return false;
        };
        const auto nextClear = [&] {
            for (; w < wordsPerRow; ++w, bit = 0) {
                const std::uint64_t rest = ~words[w] & (~std::uint64_t(0) << bit);
                if (rest) {
                    bit = std::countr_zero(rest);
                    return;
                }
            }
        };
        while (nextSet()) {
            const int left = w * 64 + bit;
            nextClear();
            const int right = std::min(w * 64 + bit, area.Width()) - 1;
            take(area.Left + left, area.Left + right);
            if (w >= wordsPerRow)
                return;
        }
    }

    void Fill(const TOpenRun &run, int endRow) {
        canvas.FillArea(TRect{run.Left, area.Top + run.Top, run.Right + 1, area.Top + endRow});
    }

    // Pixel bits for a target up to 1 MiB of them (a 4K screen); larger ones are drawn run by run.
    static constexpr std::int64_t MostGatheredPixels = std::int64_t(1) << 23;

    TChartCanvas3D &canvas;
    const TRect area;
    TMergedLine::TPixelBits &bits;
    bool gathered = false;
    int wordsPerRow = 0;
};

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
    bool AbsorbColumn(const TAxisMap &axis, int from, int to, int &y, std::int64_t &top,
                      std::int64_t &bottom) const;
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

bool TColumnReader::AbsorbColumn(const TAxisMap &axis, int from, int to, int &y, std::int64_t &top,
                                 std::int64_t &bottom) const {
    const auto extremes = [this](int a, int b, double &low, double &high) {
        double lowest = ys[a];
        double highest = ys[a];
        bool numbers = true;
        for (int k = a; k <= b; ++k) {
            const double v = ys[k];
            numbers &= v == v;
            lowest = v < lowest ? v : lowest;
            highest = v > highest ? v : highest;
        }
        low = std::min(lowest * yMultiplier, highest * yMultiplier);
        high = std::max(lowest * yMultiplier, highest * yMultiplier);
        return numbers;
    };
    double low = 0;
    double high = 0;
    if (!extremes(from, to, low, high) || !InOrderOnAxis(axis, low) || !InOrderOnAxis(axis, high))
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
        extremes(from, differs, low, high);
        const int a = toY(low);
        const int b = toY(high);
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

// See TRunPainter.
TPoint TMergedLine::Draw(TChartCanvas3D &canvas, const TAxisMap &horizontal,
                         const TAxisMap &vertical, const TLineValues &values, int first, int last,
                         const TPoint *entry) {
    const TPixels toX(horizontal, true);
    const TPixels toY(vertical, false);
    if (!bits)
        bits = std::make_unique<TPixelBits>();
    const QSize size = canvas.TargetSize();
    TRunPainter runs(canvas, TRect{0, 0, size.width(), size.height()}, *bits);

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
    int next = i + 1;
    while (next <= last) {
        const int nextX = toX(xs[next] * xMultiplier);
        if (byColumns && nextX == x) {
            const int end = reader.ColumnEnd(next, last, x);
            if (end - next >= shortestRun &&
                reader.AbsorbColumn(vertical, next, end - 1, y, chainTop, chainBottom)) {
                next = end;
                continue;
            }
        }
        step(nextX, toY(ys[next] * yMultiplier));
        ++next;
    }
    if (chainTop <= chainBottom)
        runs.Vertical(x, chainTop, chainBottom);
    runs.Finish();
    canvas.MoveToPoint(x, y);
    return {x, y};
}
